/*
** The address control's widgets. See UcnDom.h.
*/
#include "address/ui/UcnDom.h"

UcnDom::UcnDom(QWidget* parent)
    : TwipsControl(kAnchoDiseno, kAltoDiseno, parent),
      txt_(new QPlainTextEdit(this)),
      cmd_(new QPushButton(QString::fromUtf8(UcnDomModel::kCaptionBoton), this)) {
  txt_->setObjectName("txt");
  txt_->setReadOnly(true);
  txt_->setAccessibleName(QString::fromUtf8("Domicilios"));
  cmd_->setObjectName("cmd");
  cmd_->setToolTip(QString::fromUtf8(UcnDomModel::kTooltipBoton));
  cmd_->setAccessibleName(QString::fromUtf8(UcnDomModel::kTooltipBoton));
  cmd_->setEnabled(false);
  modelo_.AntesDeAbrir = [this] { emit AntesDeAbrir(); };
  // The summary's lines end in CR LF; the box breaks lines on LF alone.
  modelo_.alCambiarResumen = [this](const std::string& texto) {
    txt_->setPlainText(QString::fromStdString(texto).replace("\r\n", "\n"));
  };
  connect(cmd_, &QPushButton::clicked, this, [this] { cmd_Click(); });
}

void UcnDom::SetFabricaEditor(FabricaEditor fabrica) {
  fabrica_ = std::move(fabrica);
  cmd_->setEnabled(static_cast<bool>(fabrica_));
}

void UcnDom::cmd_Click() {
  if (!fabrica_) return;
  std::unique_ptr<FrmDomiciliosView> ventana = fabrica_(window());
  modelo_.cmd_Click(*ventana);
  emit EditorClosed();
}

void UcnDom::OnResize() {
  modelo_.UserControl_Resize(WidthTwips(), HeightTwips(), kAnchoBoton, kAltoBoton);
  PlaceChild(*cmd_, modelo_.cmd());
  PlaceChild(*txt_, modelo_.txtRect());
  txt_->setVisible(modelo_.txtRect().height > 0);
}
