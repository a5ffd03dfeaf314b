/*
** The button bar's rules. See NOVUBotModel.h.
*/
#include "controls/NOVUBotModel.h"

#include <algorithm>

#include "common/AppError.h"

namespace {

// Distances of the bottom buttons from the bar's bottom edge, on top of
// their own height.
constexpr int kMargenSalir = 250;
constexpr int kMargenPar = 150;

[[noreturn]] void ElementoInexistente(int indice) {
  throw AppError(
      rterr::kControlArrayElementMissing,
      "No existe el elemento " + std::to_string(indice) + " de la matriz de controles cmdBtn");
}

}  // namespace

const std::vector<NOVUBotModel::BotonInfo>& NOVUBotModel::Botones() {
  static const std::vector<BotonInfo> botones = [] {
    std::vector<BotonInfo> filas = {
#define NOVUBOT_FILA(indice, nombre, clave, tooltip, descripcion, icono) \
  {indice, "Bot_" #nombre, clave, tooltip, "Boton" #nombre, descripcion, icono},
        NOVUBOT_BUTTONS(NOVUBOT_FILA)
#undef NOVUBOT_FILA
    };
    std::sort(filas.begin(), filas.end(),
              [](const BotonInfo& a, const BotonInfo& b) { return a.indice < b.indice; });
    return filas;
  }();
  return botones;
}

const NOVUBotModel::BotonInfo* NOVUBotModel::Info(int indice) {
  for (const BotonInfo& info : Botones()) {
    if (info.indice == indice) return &info;
  }
  return nullptr;
}

NOVUBotModel::NOVUBotModel() {
  for (const BotonInfo& info : Botones()) {
    botones_[info.indice].tooltip = info.tooltip;
    ordenTab_.push_back(info.indice);
    ordenZ_.push_back(info.indice);
  }
}

NOVUBotModel::Boton& NOVUBotModel::Mutable(int indice) {
  if (!Info(indice)) ElementoInexistente(indice);
  return botones_[indice];
}

const NOVUBotModel::Boton& NOVUBotModel::cmdBtn(int indice) const {
  if (!Info(indice)) ElementoInexistente(indice);
  return botones_[indice];
}

bool NOVUBotModel::Bot(int indice) const {
  return cmdBtn(indice).caption.empty();
}

void NOVUBotModel::SetBot(int indice, bool valor) {
  const BotonInfo* info = Info(indice);
  if (!info) ElementoInexistente(indice);
  ActivarBoton(indice, valor);
  propiedades_.MarkChanged(info->propiedad);
}

void NOVUBotModel::ActivarBoton(int TipoBoton, bool Valor) {
  Mutable(TipoBoton).caption = Valor ? "" : kNoOfrecido;
  // A form that adds or edits records needs a way to confirm and to back
  // out, so offering either button (or withdrawing it) offers the pair.
  if (TipoBoton == kNuevo || TipoBoton == kEditar) {
    SetBot(kAceptar, true);
    SetBot(kCancelar, true);
  }
  UbicarBotones();
}

void NOVUBotModel::SetTabIndex(int indice, int posicion) {
  std::erase(ordenTab_, indice);
  const int ultimo = static_cast<int>(ordenTab_.size());
  ordenTab_.insert(ordenTab_.begin() + std::clamp(posicion, 0, ultimo), indice);
}

int NOVUBotModel::TabIndex(int indice) const {
  cmdBtn(indice);
  return static_cast<int>(std::find(ordenTab_.begin(), ordenTab_.end(), indice) -
                          ordenTab_.begin());
}

void NOVUBotModel::TraerAlFrente(int indice) {
  std::erase(ordenZ_, indice);
  ordenZ_.push_back(indice);
}

void NOVUBotModel::UbicarBotones() {
  int16_t t = 1;
  int16_t b = 1;
  const int g = kSeparacion;
  for (const BotonInfo& info : Botones()) {
    const int i = info.indice;
    Boton& boton = botones_[i];
    if (!boton.caption.empty()) continue;
    if (i == kSalir) {
      boton.top = alto_ - kLadoBoton - kMargenSalir;
      TraerAlFrente(i);
    } else if (i != kCancelar && i != kAceptar) {
      boton.top = (t - 1) * kLadoBoton + t * g;
      ++t;
    } else {
      boton.top = alto_ - kLadoBoton * b - b * g - kMargenPar;
      ++b;
    }
    SetTabIndex(i, t + b);
    boton.left = g;
    if (i == kCancelar) SetTabIndex(kCancelar, TabIndex(kAceptar));
  }
  ChequearEstado();
}

void NOVUBotModel::ChequearEstado() {
  for (const BotonInfo& info : Botones()) {
    const int i = info.indice;
    Boton& boton = botones_[i];
    if (!boton.caption.empty()) {
      boton.visible = false;
    } else if (i == kCancelar || i == kAceptar) {
      boton.visible = estado_ == 2;
    } else if (i == kNuevo || i == kImportar || i == kSalir) {
      boton.visible = estado_ != 2;
    } else {
      boton.visible = estado_ == 0;
    }
  }
  if (botones_[kCancelar].visible) cancelar_ = kCancelar;
  if (botones_[kAceptar].visible) {
    porDefecto_ = kAceptar;
  } else if (botones_[kNuevo].visible) {
    porDefecto_ = kNuevo;
  }
}

void NOVUBotModel::HacerOperacion(int32_t TipoOper, int32_t TipoBoton, const Variant& Valor) {
  switch (TipoOper) {
    case kOpEnfocar: {
      const Boton& boton = cmdBtn(TipoBoton);
      if (boton.enabled && boton.visible && alEnfocarBoton) alEnfocarBoton(TipoBoton);
      break;
    }
    case kOpHabilitar:
      Mutable(TipoBoton).enabled = Valor.ToBool();
      break;
    case kOpMostrar:
      Mutable(TipoBoton).visible = Valor.ToBool();
      break;
    case kOpPulsar:
      cmdBtn(TipoBoton);
      Click(TipoBoton);
      break;
    case kOpTooltip:
      Mutable(TipoBoton).tooltip = Valor.ToString();
      break;
    default:
      break;
  }
}

void NOVUBotModel::Click(int indice) {
  if (Info(indice) && alDispararEvento) alDispararEvento(indice);
}

bool NOVUBotModel::Pressable(int index) const {
  return Info(index) && botones_[index].visible && botones_[index].enabled;
}

int NOVUBotModel::ButtonForEnter(int focused) const {
  const int button = Info(focused) ? focused : porDefecto_;
  return Pressable(button) ? button : 0;
}

int NOVUBotModel::ButtonForEscape() const {
  return Pressable(cancelar_) ? cancelar_ : 0;
}

void NOVUBotModel::Redimensionar(int /*ancho*/, int alto) {
  ancho_ = kAnchoBarra;
  alto_ = alto;
  UbicarBotones();
}

void NOVUBotModel::SetEstado(int32_t new_estado) {
  estado_ = new_estado;
  propiedades_.MarkChanged("Estado");
  ChequearEstado();
}

void NOVUBotModel::SetEnabled(bool New_Enabled) {
  enabled_ = New_Enabled;
  propiedades_.MarkChanged("Enabled");
}

void NOVUBotModel::SetImage(std::shared_ptr<const Picture> imagen) {
  image_ = std::move(imagen);
  propiedades_.MarkChanged("Image");
}

void NOVUBotModel::SetStretch(bool valornuevo) {
  stretch_ = valornuevo;
  propiedades_.MarkChanged("Stretch");
}

void NOVUBotModel::LeerPropiedades(const PropertyStore& propiedades) {
  propiedades_ = propiedades;
  enabled_ = propiedades.ReadFlag("Enabled", true);
  for (const BotonInfo& info : Botones()) {
    botones_[info.indice].caption = propiedades.ReadFlag(info.clave, false) ? "" : kNoOfrecido;
  }
  image_ = propiedades.ReadPicture("Image");
  estado_ = propiedades.Read("Estado", int32_t{0}).ToLong();
  stretch_ = propiedades.ReadFlag("Stretch", false);
}

void NOVUBotModel::GuardarPropiedades(PropertyStore& propiedades) const {
  for (const BotonInfo& info : Botones()) {
    propiedades.Write(info.clave, Bot(info.indice), false);
  }
  propiedades.Write("Enabled", enabled_, true);
  propiedades.Write("Estado", estado_, int32_t{0});
  propiedades.WritePicture("Image", image_);
  propiedades.Write("Stretch", stretch_);
}
