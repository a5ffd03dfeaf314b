/*
** The address editor's widgets and wiring. See FrmDomicilios.h; the logic
** is in FrmDomiciliosModel.
*/
#include "address/ui/FrmDomicilios.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "address/FrmDomiciliosLabels.h"
#include "address/FrmDomiciliosModel.h"
#include "controls/ColumnFit.h"
#include "controls/NOVUBotModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/ElidedCellTips.h"
#include "controls/ui/ElidedLabel.h"
#include "controls/ui/NOVUBot.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/NOVUListItem.h"
#include "controls/ui/Twips.h"
#include "forms/a_c_graph.h"
#include "forms/ui/QtWindowFactory.h"

namespace {

constexpr int kImagenEntrada = 2;
constexpr int kAltoCaja = 285;
constexpr int kAltoEtiqueta = 255;
constexpr int kBajadaEtiqueta = 30;
constexpr int kLeftBarra = 6600;
constexpr int kAnchoBarra = 795;
// A line of the data frame.
constexpr int kLinea[] = {300, 720, 1140, 1560, 1980, 2400, 2820, 3240, 3660};
// The text boxes never hold more; a slot without a length takes this.
constexpr int kLongitudMaxima = 32767;

// One text slot's places inside the data frame: label and box as left,
// line, width (the label first).
struct FieldPlace {
  int slot;
  int linea;
  int leftEtiqueta;
  int anchoEtiqueta;
  int leftCaja;
  int anchoCaja;
};

// In tab order: the reading order of the frame.
constexpr FieldPlace kCampos[] = {
    {campo::kCalle, 0, 120, 600, 780, 3300},
    {campo::kNumero, 1, 120, 480, 600, 735},
    {campo::kRuta, 1, 2880, 480, 3360, 915},
    {campo::kKm, 1, 4395, 360, 4755, 1560},
    {campo::kTorre, 2, 120, 540, 660, 600},
    {campo::kPiso, 2, 1380, 420, 1800, 600},
    {campo::kDepto, 2, 2520, 1260, 3780, 900},
    {campo::kManzana, 2, 4740, 795, 5535, 780},
    {campo::kPartido, 3, 120, 1400, 1560, 4755},
    {campo::kLocalidad, 4, 120, 1400, 1560, 2460},
    {campo::kCodigoPostal, 4, 4140, 1275, 5415, 900},
    {campo::kTelefono, 6, 120, 1400, 1560, 1740},
    {campo::kFax, 6, 3420, 480, 3900, 2415},
    {campo::kEMail, 7, 120, 1400, 1560, 4755},
    {campo::kObservaciones, 8, 120, 1400, 1560, 4755},
};

// A label's text as a screen reader should say it: no access key, no ':'.
QString NombreAccesible(QString texto) {
  texto.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  texto.replace(QStringLiteral("&&"), QStringLiteral("&"));
  while (texto.endsWith(':')) texto.chop(1);
  return texto.trimmed();
}

}  // namespace

FrmDomicilios::FrmDomicilios(QWidget* parent) : QDialog(parent) {
  Construir();
}

FrmDomicilios::~FrmDomicilios() = default;

std::array<int, campo::kCantidad> FrmDomicilios::MaximosIniciales() {
  std::array<int, campo::kCantidad> maximos;
  maximos.fill(kLongitudMaxima);
  return maximos;
}

void FrmDomicilios::PonerLugar(QWidget& w, const QRect& twips) {
  w.setGeometry(Twips::ToPixels(twips, *this));
}

void FrmDomicilios::Construir() {
  setObjectName(QStringLiteral("frmDomicilios"));
  setFixedSize(Twips::ToPixelsX(kAncho, *this), Twips::ToPixelsY(kAlto, *this));

  lst_ = new NOVUList(this);
  lst_->setObjectName(QStringLiteral("LstDomicilios"));
  lst_->Move(120, 120, 6375, 1935);
  lst_->setAccessibleName(QStringLiteral("Domicilios"));
  lst_->LstDatos()->setAccessibleName(QStringLiteral("Domicilios"));
  ElidedCellTips::Install(*lst_->LstDatos());
  connect(lst_, &NOVUList::ItemClick, this, &FrmDomicilios::ItemClick);
  // Moving through the list by keyboard shows each address as a click
  // does; the selections the logic makes itself are not the user's.
  connect(lst_->LstDatos(), &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (seleccionando_ || !modelo_ || !item) return;
    const auto* fila = static_cast<NOVUListItem*>(item);
    if (Posicion(fila) == modelo_->Seleccionada()) return;
    // A mouse press makes the row current before its click arrives: one
    // load (and one message, should it fail) per click.
    recienCargada_ = item;
    modelo_->LstDomicilios_ItemClick(Posicion(fila));
  });

  ConstruirDatos();

  PropertyStore ajustes;
  for (const char* clave :
       {"Nuevo", "Editar", "EliminarDato", "EliminarTodos", "Cancelar", "Aceptar", "Salir"}) {
    ajustes.Write(clave, true);
  }
  ajustes.Write("stretch", false);
  bot_ = new NOVUBot(ajustes, this);
  bot_->setObjectName(QStringLiteral("Bot"));
  bot_->Move(kLeftBarra, 0, kAnchoBarra, kAlto);
  const auto llamar = [this](void (FrmDomiciliosModel::*manejador)()) {
    return [this, manejador] {
      if (modelo_) (modelo_->*manejador)();
    };
  };
  connect(bot_, &NOVUBot::BotonNuevo, this, llamar(&FrmDomiciliosModel::Bot_BotonNuevo));
  connect(bot_, &NOVUBot::BotonEditar, this, llamar(&FrmDomiciliosModel::Bot_BotonEditar));
  connect(bot_, &NOVUBot::BotonAceptar, this, llamar(&FrmDomiciliosModel::Bot_BotonAceptar));
  connect(bot_, &NOVUBot::BotonCancelar, this, llamar(&FrmDomiciliosModel::Bot_BotonCancelar));
  connect(bot_, &NOVUBot::BotonEliminarDato, this,
          llamar(&FrmDomiciliosModel::Bot_BotonEliminarDato));
  connect(bot_, &NOVUBot::BotonEliminarTodos, this,
          llamar(&FrmDomiciliosModel::Bot_BotonEliminarTodos));
  connect(bot_, &NOVUBot::BotonSalir, this, llamar(&FrmDomiciliosModel::Bot_BotonSalir));
  connect(chkSinNro_, &QCheckBox::clicked, this, llamar(&FrmDomiciliosModel::chkSinNro_Click));

  OrdenarTabulacion();
  AsignarTeclas();
}

void FrmDomicilios::ConstruirDatos() {
  fraDatos_ = new QGroupBox(QString::fromUtf8(kCaptionDatos), this);
  fraDatos_->setObjectName(QStringLiteral("fraDatos"));
  PonerLugar(*fraDatos_, datos_);

  for (const FieldPlace& l : kCampos) {
    const int top = kLinea[l.linea];
    Caja(l.slot, QRect(l.leftEtiqueta, top + kBajadaEtiqueta, l.anchoEtiqueta, kAltoEtiqueta),
         QRect(l.leftCaja, top, l.anchoCaja, kAltoCaja));
  }

  chkSinNro_ = new QCheckBox(QString::fromUtf8("Sin Número"), fraDatos_);
  chkSinNro_->setObjectName(QStringLiteral("chkSinNro"));
  chkSinNro_->setGeometry(Twips::ToPixels(QRect(1455, kLinea[1], 1335, kAltoCaja), *this));
  chkSinNro_->setAccessibleName(chkSinNro_->text());

  fraTipo_ = new QGroupBox(QStringLiteral("Tipo:"), fraDatos_);
  fraTipo_->setObjectName(QStringLiteral("fraTipo"));
  fraTipo_->setGeometry(Twips::ToPixels(QRect(4200, 120, 2115, 555), *this));
  optFiscal_ = new QRadioButton(QStringLiteral("&Fiscal"), fraTipo_);
  optFiscal_->setObjectName(QStringLiteral("optFiscal"));
  optFiscal_->setGeometry(Twips::ToPixels(QRect(120, 225, 900, kAltoEtiqueta), *this));
  optFiscal_->setAccessibleName(QStringLiteral("Tipo: Fiscal"));
  optOtros_ = new QRadioButton(QStringLiteral("&Otro"), fraTipo_);
  optOtros_->setObjectName(QStringLiteral("optOtros"));
  optOtros_->setGeometry(Twips::ToPixels(QRect(1080, 225, 900, kAltoEtiqueta), *this));
  optOtros_->setAccessibleName(QStringLiteral("Tipo: Otro"));

  const int top = kLinea[5];
  QLabel* etiqueta =
      Etiqueta(campo::kProvincia, QRect(120, top + kBajadaEtiqueta, 1400, kAltoEtiqueta));
  cboProvincia_ = new NOVUCbo(fraDatos_);
  cboProvincia_->setObjectName(QStringLiteral("CboProvincia"));
  cboProvincia_->Move(1550, top - 10, 3020, 330);
  const QString nombre = NombreAccesible(etiqueta->text());
  cboProvincia_->setAccessibleName(nombre);
  cboProvincia_->CboDatos()->setAccessibleName(nombre);
  etiqueta->setBuddy(cboProvincia_->CboDatos());
}

// A host's description longer than the place of its label is elided, and
// whole in its tooltip; the box beside it keeps its place.
QLabel* FrmDomicilios::Etiqueta(int slot, const QRect& lugar) {
  auto* etiqueta = new ElidedLabel(fraDatos_);
  etiqueta->setObjectName(QString::fromStdString("LblDato" + std::to_string(slot)));
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  etiqueta->setGeometry(Twips::ToPixels(lugar, *this));
  preferidas_[static_cast<size_t>(slot)] = FrmDomiciliosLabels::Usual(slot);
  etiqueta->setText(QString::fromStdString(preferidas_[static_cast<size_t>(slot)]));
  lbl_[static_cast<size_t>(slot)] = etiqueta;
  return etiqueta;
}

QLineEdit* FrmDomicilios::Caja(int slot, const QRect& lugarEtiqueta, const QRect& lugar) {
  QLabel* etiqueta = Etiqueta(slot, lugarEtiqueta);
  auto* caja = new QLineEdit(fraDatos_);
  caja->setObjectName(QString::fromStdString("TxtDato" + std::to_string(slot)));
  caja->setGeometry(Twips::ToPixels(lugar, *this));
  caja->setAccessibleName(NombreAccesible(etiqueta->text()));
  caja->installEventFilter(this);
  etiqueta->setBuddy(caja);
  txt_[static_cast<size_t>(slot)] = caja;
  return caja;
}

void FrmDomicilios::OrdenarTabulacion() {
  std::vector<QWidget*> orden{lst_->LstDatos()};
  for (const FieldPlace& l : kCampos) {
    orden.push_back(txt_[static_cast<size_t>(l.slot)]);
    if (l.slot == campo::kCalle) {
      orden.push_back(optFiscal_);
      orden.push_back(optOtros_);
    } else if (l.slot == campo::kNumero) {
      orden.push_back(chkSinNro_);
    } else if (l.slot == campo::kCodigoPostal) {
      orden.push_back(cboProvincia_->CboDatos());
    }
  }
  for (int indice : bot_->Modelo().OrdenTab()) orden.push_back(bot_->cmdBtn(indice));
  for (size_t k = 1; k < orden.size(); ++k) QWidget::setTabOrder(orden[k - 1], orden[k]);
}

// Every shown target, in tab order, gets its own key (FrmDomiciliosLabels).
void FrmDomicilios::AsignarTeclas() {
  std::vector<FrmDomiciliosLabels::Target> destinos;
  std::vector<QWidget*> controles;
  const bool tipo = !fraTipo_->isHidden();
  for (QRadioButton* opcion : {optFiscal_, optOtros_}) {
    destinos.push_back({opcion->text().toStdString(), tipo, true});
    controles.push_back(opcion);
  }
  const auto etiqueta = [&](int slot) {
    QLabel* rotulo = lbl_[static_cast<size_t>(slot)];
    destinos.push_back({preferidas_[static_cast<size_t>(slot)], !rotulo->isHidden(), false});
    controles.push_back(rotulo);
  };
  for (const FieldPlace& l : kCampos) {
    etiqueta(l.slot);
    if (l.slot == campo::kCodigoPostal) etiqueta(campo::kProvincia);
  }
  const std::vector<std::string> textos = FrmDomiciliosLabels::OneKeyEach(destinos);
  for (size_t k = 0; k < controles.size(); ++k) {
    const QString texto = QString::fromStdString(textos[k]);
    if (auto* rotulo = qobject_cast<QLabel*>(controles[k])) {
      rotulo->setText(texto);
    } else {
      static_cast<QRadioButton*>(controles[k])->setText(texto);
    }
  }
}

QLineEdit* FrmDomicilios::TxtDato(int slot) const {
  return slot >= 0 && slot < campo::kCantidad ? txt_[static_cast<size_t>(slot)] : nullptr;
}

QLabel* FrmDomicilios::LblDato(int slot) const {
  return slot >= 0 && slot < campo::kCantidad ? lbl_[static_cast<size_t>(slot)] : nullptr;
}

int FrmDomicilios::Posicion(const NOVUListItem* item) const {
  if (!item) return -1;
  const auto it = std::find(claves_.begin(), claves_.end(), item->Key());
  return it == claves_.end() ? -1 : static_cast<int>(it - claves_.begin());
}

void FrmDomicilios::ItemClick(NOVUListItem* item) {
  const bool cargada = item == recienCargada_;
  recienCargada_ = nullptr;
  if (modelo_ && !cargada) modelo_->LstDomicilios_ItemClick(Posicion(item));
}

void FrmDomicilios::Caption(const std::string& texto) {
  setWindowTitle(QString::fromStdString(texto));
}

void FrmDomicilios::AgregarColumna(const std::string& titulo, int ancho) {
  lst_->AgregarColumna(titulo, ancho);
  anchos_.push_back(ancho);
}

// The columns as described, grown where the list has room for a text that
// does not fit (a five-digit number, say); see ColumnFit.
void FrmDomicilios::AjustarColumnas() {
  QTreeWidget* lista = lst_->LstDatos();
  // The tree's own override is protected; the view's is not.
  const QAbstractItemView& vista = *lista;
  std::vector<int> descritos, necesarios;
  for (size_t c = 0; c < anchos_.size(); ++c) {
    const int columna = static_cast<int>(c);
    descritos.push_back(Twips::ToPixelsX(anchos_[c], *this));
    necesarios.push_back(
        std::max(vista.sizeHintForColumn(columna), lista->header()->sectionSizeHint(columna)));
  }
  const std::vector<int> anchos =
      ColumnFit::Widths(descritos, necesarios, lista->viewport()->width());
  for (size_t c = 0; c < anchos.size(); ++c) lista->setColumnWidth(static_cast<int>(c), anchos[c]);
}

void FrmDomicilios::AgregarEntrada(const AddressListEntry& e) {
  seleccionando_ = true;
  lst_->AgregarItem(e.Clave, e.Texto, kImagenEntrada, {Variant(e.Numero), Variant(e.Localidad)});
  seleccionando_ = false;
  claves_.push_back(e.Clave);
  AjustarColumnas();
}

void FrmDomicilios::ActualizarEntrada(int posicion, const AddressListEntry& e) {
  NOVUListItem* fila = lst_->GetItems(Variant(claves_.at(static_cast<size_t>(posicion))));
  fila->setText(0, QString::fromStdString(e.Texto));
  fila->setText(1, QString::fromStdString(e.Numero));
  fila->setText(2, QString::fromStdString(e.Localidad));
  AjustarColumnas();
}

void FrmDomicilios::EliminarEntrada(int posicion) {
  const auto clave = claves_.begin() + posicion;
  seleccionando_ = true;
  lst_->Eliminar(Variant(*clave));
  seleccionando_ = false;
  recienCargada_ = nullptr;
  claves_.erase(clave);
  AjustarColumnas();
}

void FrmDomicilios::LimpiarLista() {
  seleccionando_ = true;
  lst_->Clear();
  seleccionando_ = false;
  recienCargada_ = nullptr;
  claves_.clear();
  AjustarColumnas();
}

void FrmDomicilios::SeleccionarEntrada(int posicion) {
  seleccionando_ = true;
  if (posicion < 0) {
    lst_->LstDatos()->setCurrentItem(nullptr);
    lst_->LstDatos()->clearSelection();
  } else {
    const Variant clave(claves_.at(static_cast<size_t>(posicion)));
    lst_->Seleccionar(clave);
    lst_->LstDatos()->scrollToItem(lst_->GetItems(clave));
  }
  seleccionando_ = false;
}

// Back to browsing, the fields are about to be disabled: a keyboard user
// would be left with no focus at all, so it goes to the list.
void FrmDomicilios::HabilitarLista(bool habilitada) {
  lst_->SetEnabled(habilitada);
  if (!habilitada || !isVisible() || !lst_->isVisibleTo(this)) return;
  QWidget* foco = QApplication::focusWidget();
  if (!foco || !foco->isEnabled() || fraDatos_->isAncestorOf(foco)) {
    lst_->LstDatos()->setFocus(Qt::OtherFocusReason);
  }
}

void FrmDomicilios::MostrarLista(bool visible) {
  lst_->setVisible(visible);
}

void FrmDomicilios::ConfigurarCampo(int slot, const std::string& etiqueta, int longitud,
                                    bool visible) {
  QLineEdit* caja = TxtDato(slot);
  QLabel* rotulo = LblDato(slot);
  if (!caja || !rotulo) return;
  preferidas_[static_cast<size_t>(slot)] = FrmDomiciliosLabels::WithKey(slot, etiqueta);
  // A slot the host left undescribed is still named for a screen reader.
  QString nombre = NombreAccesible(QString::fromStdString(etiqueta));
  if (nombre.isEmpty()) {
    nombre = NombreAccesible(QString::fromStdString(FrmDomiciliosLabels::Usual(slot)));
  }
  caja->setAccessibleName(nombre);
  // A length of 0 or less means none: the box takes what it can.
  longitudes_[static_cast<size_t>(slot)] =
      longitud > 0 ? std::min(longitud, kLongitudMaxima) : kLongitudMaxima;
  caja->setMaxLength(longitudes_[static_cast<size_t>(slot)]);
  rotulo->setVisible(visible);
  caja->setVisible(visible);
  AsignarTeclas();
}

void FrmDomicilios::MostrarTipo(bool visible) {
  fraTipo_->setVisible(visible);
  AsignarTeclas();
}

void FrmDomicilios::MostrarSinNumero(bool visible) {
  chkSinNro_->setVisible(visible);
}

std::string FrmDomicilios::Texto(int slot) const {
  const QLineEdit* caja = TxtDato(slot);
  return caja ? caja->text().toStdString() : std::string();
}

// The length limits what the user types, not what the table already
// holds: a box would cut a longer stored text, and saving would then write
// the cut text back.
void FrmDomicilios::SetTexto(int slot, const std::string& texto) {
  QLineEdit* caja = TxtDato(slot);
  if (!caja) return;
  const QString valor = QString::fromStdString(texto);
  const auto largo = static_cast<int>(std::min<qsizetype>(valor.size(), kLongitudMaxima));
  caja->setMaxLength(std::max(longitudes_[static_cast<size_t>(slot)], largo));
  caja->setText(valor);
}

bool FrmDomicilios::SinNumero() const {
  return chkSinNro_->isChecked();
}

void FrmDomicilios::SetSinNumero(bool marcado) {
  chkSinNro_->setChecked(marcado);
}

bool FrmDomicilios::Fiscal() const {
  return optFiscal_->isChecked();
}

void FrmDomicilios::SetFiscal(bool fiscal) {
  (fiscal ? optFiscal_ : optOtros_)->setChecked(true);
}

void FrmDomicilios::LimpiarProvincias() {
  cboProvincia_->Limpiar();
}

void FrmDomicilios::AgregarProvincia(const std::string& codigo, const std::string& descripcion) {
  cboProvincia_->AgregarItem(codigo, descripcion);
}

void FrmDomicilios::SeleccionarProvincia(const std::string& codigo) {
  cboProvincia_->SeleccionarPorCodigo(codigo);
}

std::string FrmDomicilios::ProvinciaSeleccionada() const {
  return cboProvincia_->GetCodigoSeleccionado();
}

// Unlike the form routine for containers, what the controls show stays:
// browsing shows the selected address in the disabled fields.
void FrmDomicilios::HabilitarDatos(bool habilitados) {
  for (QWidget* control : fraDatos_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    control->setEnabled(habilitados);
  }
  fraDatos_->setEnabled(habilitados);
}

void FrmDomicilios::HabilitarNumero(bool habilitado) {
  txt_[campo::kNumero]->setEnabled(habilitado);
}

void FrmDomicilios::HabilitarTipo(bool habilitado) {
  fraTipo_->setEnabled(habilitado);
}

void FrmDomicilios::Enfocar(int slot) {
  QWidget* destino = TxtDato(slot);
  if (slot == campo::kProvincia) destino = cboProvincia_->CboDatos();
  if (destino) destino->setFocus(Qt::OtherFocusReason);
}

void FrmDomicilios::EstadoBarra(int estado) {
  bot_->SetEstado(estado);
}

void FrmDomicilios::ImagenBarra(std::shared_ptr<const Picture> imagen) {
  bot_->SetImage(std::move(imagen));
}

void FrmDomicilios::AltoDatos(int alto) {
  datos_.setHeight(alto);
  PonerLugar(*fraDatos_, datos_);
}

void FrmDomicilios::TopDatos(int top) {
  datos_.moveTop(top);
  PonerLugar(*fraDatos_, datos_);
}

void FrmDomicilios::AltoVentana(int alto) {
  setFixedHeight(Twips::ToPixelsY(std::max(alto - kMarcoVentana, 0), *this));
}

void FrmDomicilios::AltoBarra(int alto) {
  bot_->Move(kLeftBarra, 0, kAnchoBarra, alto);
}

void FrmDomicilios::Centrar() {
  QtWindowFactory fabrica;
  a_c_graph(fabrica).CentrarFormulario(formulario_);
}

void FrmDomicilios::MostrarModal(FrmDomiciliosModel& modelo) {
  modelo_ = &modelo;
  // Browsing starts on the list; editing (single-address mode) where the
  // logic put the focus.
  QWidget* foco = focusWidget();
  if (!modelo.EnEdicion() && lst_->isVisibleTo(this)) foco = lst_->LstDatos();
  setWindowModality(Qt::ApplicationModal);
  show();
  if (foco) foco->setFocus(Qt::OtherFocusReason);
  exec();
  modelo_ = nullptr;
}

void FrmDomicilios::Cerrar() {
  done(QDialog::Accepted);
}

// Alt+F4 and the frame's close come here: while an address is being typed
// the logic asks first, and may keep the window open.
void FrmDomicilios::reject() {
  if (!modelo_) {
    QDialog::reject();
  } else if (modelo_->CloseRequested()) {
    modelo_->Bot_BotonSalir();
  }
}

void FrmDomicilios::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool FrmDomicilios::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && modelo_) {
    const auto* tecla = static_cast<QKeyEvent*>(event);
    const auto caja = std::find(txt_.begin(), txt_.end(), watched);
    if (caja != txt_.end()) {
      const int slot = static_cast<int>(caja - txt_.begin());
      int codigo = 0;
      const int k = tecla->key();
      const bool navega = k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Return ||
                          k == Qt::Key_Enter || k == Qt::Key_Escape;
      if (k == Qt::Key_Backspace) {
        codigo = '\b';
      } else if (!navega && !tecla->text().isEmpty()) {
        codigo = static_cast<int>(tecla->text().at(0).unicode());
      }
      if (codigo != 0 && modelo_->TxtDato_KeyPress(slot, codigo) == 0) return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
