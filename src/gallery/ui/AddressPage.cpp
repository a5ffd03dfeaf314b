#include "gallery/ui/AddressPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "common/AppError.h"
#include "controls/ui/NOVUCbo.h"
#include "gallery/GalleryReports.h"
#include "platform/MessageBoxService.h"

AddressPage::AddressPage(dao::Database& host, UcnDom::FabricaEditor editor, QWidget* parent)
    : GalleryPage("domicilios", parent), titulares_(host), conEditor_(bool(editor)) {
  Etiqueta(QStringLiteral("Titular:"), QRect(120, 150, 1000, 300));
  titular_ = new NOVUCbo(Area());
  titular_->Move(1140, 120, 5500, 315);
  for (size_t i = 0; i < titulares_.Titulares().size(); i++) {
    const GalleryOwner& t = titulares_.Titulares()[i];
    titular_->AgregarItem(std::to_string(i),
                          t.Nombre + " (" + t.Cuit + ", DJ " + std::to_string(t.CodDJ) + ")");
  }

  Etiqueta(QStringLiteral("Domicilios:"), QRect(120, 630, 1400, 300));
  control_ = new UcnDom(Area());
  control_->Move(120, 930, 6520, 1280);
  if (editor) control_->SetFabricaEditor(std::move(editor));

  guardar_ = new QPushButton(QString::fromUtf8("Guardar los cambios"), Area());
  Ubicar(*guardar_, QRect(120, 2400, 3150, 420));
  deshacer_ = new QPushButton(QString::fromUtf8("Deshacer los cambios"), Area());
  Ubicar(*deshacer_, QRect(3490, 2400, 3150, 420));
  estado_ = Etiqueta(QString(), QRect(6900, 120, 3800, 3000));

  connect(guardar_, &QPushButton::clicked, this, [this] {
    GalleryOwners::Guardar(control_->Modelo());
    MostrarEstado();
  });
  connect(deshacer_, &QPushButton::clicked, this, [this] {
    // The button is the operator's: a failure is told, not thrown into Qt.
    try {
      GalleryOwners::Deshacer(control_->Modelo());
    } catch (const AppError& e) {
      MsgBox(e.Description());
    }
    MostrarEstado();
  });
  // Once the editor has closed, with the summary it leaves and the copy
  // it made.
  connect(control_, &UcnDom::EditorClosed, this, &AddressPage::MostrarEstado);
  titular_->SeleccionarOrden(0);
  Elegir(titular_->CboDatos()->currentIndex());
  connect(titular_->CboDatos(), &QComboBox::currentIndexChanged, this, &AddressPage::Elegir);
}

AddressPage::~AddressPage() {
  control_->Modelo().SetDb(dao::Database());
}

void AddressPage::Elegir(int posicion) {
  if (posicion < 0 || posicion >= static_cast<int>(titulares_.Titulares().size())) return;
  try {
    titulares_.Elegir(control_->Modelo(), titulares_.Titulares()[static_cast<size_t>(posicion)]);
  } catch (const AppError& e) {
    MsgBox(e.Description());
  }
  MostrarEstado();
}

void AddressPage::MostrarEstado() {
  UcnDomModel& m = control_->Modelo();
  using Copy = GalleryReports::Copy;
  const Copy copia = !m.Copia().Pendiente() ? Copy::None
                     : m.Copia().Changed()  ? Copy::Changed
                                            : Copy::Unchanged;
  estado_->setText(
      QString::fromStdString(GalleryReports::Addresses(conEditor_, m.HayDomicilio(), copia)));
  guardar_->setEnabled(m.Copia().Pendiente());
  deshacer_->setEnabled(m.Copia().Pendiente());
}
