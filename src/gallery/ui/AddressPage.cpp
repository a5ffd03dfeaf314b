#include "gallery/ui/AddressPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "common/AppError.h"
#include "controls/ui/NOVUCbo.h"
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
  connect(control_, &UcnDom::AntesDeAbrir, this, [this] {
    // Once the editor has closed: the copy it made is pending.
    QMetaObject::invokeMethod(this, &AddressPage::MostrarEstado, Qt::QueuedConnection);
  });
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
  QString texto = conEditor_ ? QString::fromUtf8("Pulse «...» para abrir el editor.")
                             : QString::fromUtf8(
                                   "Este programa no tiene el editor de domicilios: "
                                   "el control muestra el resumen.");
  texto += QString::fromUtf8("\n\nTiene domicilios: %1\nCopia de trabajo pendiente: %2")
               .arg(m.HayDomicilio() ? QStringLiteral("sí") : QStringLiteral("no"),
                    m.Copia().Pendiente() ? QStringLiteral("sí") : QStringLiteral("no"));
  estado_->setText(texto);
  guardar_->setEnabled(m.Copia().Pendiente());
  deshacer_->setEnabled(m.Copia().Pendiente());
}
