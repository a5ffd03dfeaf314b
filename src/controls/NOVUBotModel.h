/*
** NOVUBotModel: the button bar's state and rules, without widgets.
**
** The bar knows 22 buttons (the table in NOVUBotButtons.h), each with an
** index, a property name, a key under which forms store it, a tooltip and
** an event. A form offers some of them; the offered flag is the button's
** caption: empty when offered, "NOREQ" when not (a button that is not
** offered is always hidden).
**
** Layout (UbicarBotones), all in twips: offered buttons other than the
** accept/cancel pair and the exit button stack from the top, 555 high with
** an 80 gap (tops 80, 715, 1350, ...); Cancelar sits with its bottom 230
** above the bar's bottom edge and Aceptar 635 above it; Salir has its bottom
** 250 above the bottom edge. A button that is not offered keeps its
** position and its tab place. The bar is always 800 wide.
**
** Visibility (ChequearEstado) follows the state: the accept/cancel pair
** shows in state 2 only; Nuevo, Importar and Salir in every state but 2;
** the other offered buttons in state 0 only. A visible Cancelar becomes
** the cancel button, a visible Aceptar (or else a visible Nuevo) the
** default button; a role once given is never taken away here.
**
** Tab places follow the usual rule for tab positions: giving a button a
** place moves the others along, and a place past the end means the last
** one.
**
** Keys of the bar's window: Enter presses the default button and Escape
** the cancel button, as long as that button is shown and enabled (a hidden
** Aceptar must not accept what the operator cannot see); a bar button that
** has the keyboard focus takes Enter itself, as a command button does,
** whether or not a default button exists. Until a button has the role, the
** bar leaves the key to the form.
**
** The model raises events and asks for focus through two callbacks, which
** the widget connects to its signals and buttons. A button index outside
** the table, where an operation needs a button, is AppError 340.
*/
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Variant.h"
#include "controls/NOVUBotButtons.h"
#include "controls/PropertyStore.h"
#include "graphics/Picture.h"
#include "graphics/Rect.h"

class NOVUBotModel {
 public:
  static constexpr int kAnchoBarra = 800;
  static constexpr int kLadoBoton = 555;
  static constexpr int kSeparacion = 80;
  static constexpr const char* kNoOfrecido = "NOREQ";

  // The buttons' indexes by name (kNuevo = 1, ..., kSalir = 30), from the
  // one table of buttons.
  enum Indice : int32_t {
#define NOVUBOT_INDICE(indice, nombre, ...) k##nombre = indice,
    NOVUBOT_BUTTONS(NOVUBOT_INDICE)
#undef NOVUBOT_INDICE
  };
#define NOVUBOT_INDICE(indice, ...) indice,
  static constexpr int kMayorIndice = std::max({NOVUBOT_BUTTONS(NOVUBOT_INDICE)});
#undef NOVUBOT_INDICE

  // HacerOperacion's TipoOper; forms may pass the bare numbers as well.
  enum Operacion : int32_t {
    kOpEnfocar = 0,    // focus, only when enabled and visible
    kOpHabilitar = 1,  // enabled state := Valor
    kOpMostrar = 2,    // visibility := Valor
    kOpPulsar = 3,     // raise the button's event, as a click would
    kOpTooltip = 4,    // tooltip := Valor as text
  };

  struct BotonInfo {
    int indice;
    const char* propiedad;
    const char* clave;
    const char* tooltip;
    const char* evento;
    const char* descripcion;  // nullptr: the member has none
    const char* icono;        // the drawing's name in the controls' resources
  };

  struct Boton {
    std::string caption = kNoOfrecido;
    std::string tooltip;
    int top = 0;
    int left = kSeparacion;
    bool visible = false;
    bool enabled = true;
  };

  // The 22 buttons, in index order.
  static const std::vector<BotonInfo>& Botones();
  // nullptr when `indice` is not a button of the table.
  static const BotonInfo* Info(int indice);

  // A new bar: nothing offered, state 0, no picture, not stretched.
  NOVUBotModel();

  std::function<void(int indice)> alDispararEvento;
  std::function<void(int indice)> alEnfocarBoton;

  // The Bot_ properties, by index.
  bool Bot(int indice) const;
  void SetBot(int indice, bool valor);

  void ActivarBoton(int TipoBoton, bool Valor);
  void UbicarBotones();
  void ChequearEstado();
  void HacerOperacion(int32_t TipoOper, int32_t TipoBoton, const Variant& Valor = Variant());
  // A click on button `indice`: raises its event; an index outside the
  // table raises nothing.
  void Click(int indice);
  // The resize rule: the width becomes 800 whatever was asked.
  void Redimensionar(int ancho, int alto);

  int32_t Estado() const {
    return estado_;
  }
  void SetEstado(int32_t new_estado);
  bool Enabled() const {
    return enabled_;
  }
  void SetEnabled(bool New_Enabled);
  const std::shared_ptr<const Picture>& Image() const {
    return image_;
  }
  void SetImage(std::shared_ptr<const Picture> imagen);
  bool Stretch() const {
    return stretch_;
  }
  void SetStretch(bool valornuevo);

  int Ancho() const {
    return ancho_;
  }
  int Alto() const {
    return alto_;
  }
  Rect Img() const {
    return Rect{0, 0, ancho_, alto_};
  }
  const Boton& cmdBtn(int indice) const;
  int TabIndex(int indice) const;
  // Buttons by index, in tab order and from back to front.
  const std::vector<int>& OrdenTab() const {
    return ordenTab_;
  }
  const std::vector<int>& OrdenZ() const {
    return ordenZ_;
  }
  // 0 while no button has the role.
  int BotonPorDefecto() const {
    return porDefecto_;
  }
  int BotonCancelar() const {
    return cancelar_;
  }
  // The button that Enter presses, with the bar button `focused` holding
  // the focus (0 when none does), and the one that Escape presses; 0 when
  // the key presses nothing.
  int ButtonForEnter(int focused) const;
  int ButtonForEscape() const;

  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  // The store the bar was loaded from, with the properties set since.
  const PropertyStore& Propiedades() const {
    return propiedades_;
  }

 private:
  Boton& Mutable(int indice);
  bool Pressable(int index) const;
  void SetTabIndex(int indice, int posicion);
  void TraerAlFrente(int indice);

  std::array<Boton, kMayorIndice + 1> botones_;
  std::vector<int> ordenTab_;
  std::vector<int> ordenZ_;
  int32_t estado_ = 0;
  bool enabled_ = true;
  bool stretch_ = false;
  std::shared_ptr<const Picture> image_;
  int ancho_ = kAnchoBarra;
  int alto_ = 3600;
  int porDefecto_ = 0;
  int cancelar_ = 0;
  PropertyStore propiedades_;
};
