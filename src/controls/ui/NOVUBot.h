/*
** NOVUBot: a vertical bar of picture buttons that gives a form its
** commands (new, edit, delete, accept, cancel, exit, migrate, ...).
**
** The rules live in NOVUBotModel; this widget shows the model: one tool
** button per known button (32 x 32 drawings of our own, 555 twips square),
** with its tooltip as its accessible name, and a picture behind them
** (Img) that fills the bar. Every change goes through the model and then is
** applied to the widgets as a whole.
**
** A form creates the bar from its stored settings and places it in twips:
**
**   PropertyStore ajustes;
**   ajustes.Write("migrar", true);
**   ajustes.Write("salir", true);
**   ajustes.Write("stretch", false);
**   auto* bot = new NOVUBot(ajustes, this);
**   bot->Move(4440, 0, 795, 4335);       // the width becomes 800
**   connect(bot, &NOVUBot::BotonMigrar, this, &Form::Bot_BotonMigrar);
**   bot->HacerOperacion(NOVUBotModel::kOpTooltip, NOVUBotModel::kMigrar, "...");
**
** Enter and Escape work anywhere in the bar's window, by the model's rule
** for them, while the bar answers the user. The picture is the model's
** Picture; one made by this program (QtPicture) is shown.
*/
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "common/Variant.h"
#include "controls/NOVUBotButtons.h"
#include "controls/NOVUBotModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/TwipsControl.h"
#include "graphics/Picture.h"

class QLabel;
class QShortcut;
class QToolButton;

// Made for each row of the table of buttons: the Bot_ property that reads
// and sets the button's offered flag (Bot_Nuevo, SetBot_Nuevo, ...), and
// the button's event (BotonNuevo, ...).
// clang-format off
#define NOVUBOT_PROPIEDAD(indice, nombre, ...)               \
  bool Bot_##nombre() const { return modelo_.Bot(indice); } \
  void SetBot_##nombre(bool valor) { SetBot(indice, valor); }
#define NOVUBOT_EVENTO(indice, nombre, ...) void Boton##nombre();
// clang-format on

class NOVUBot : public TwipsControl {
  Q_OBJECT
  Q_CLASSINFO("Enabled",
              "Devuelve o establece un valor que determina si un objeto puede responder a eventos "
              "generados por el usuario.")
  Q_CLASSINFO("Refresh", "Obliga a volver a dibujar un objeto.")

 public:
  // A bar new on its form: nothing offered.
  explicit NOVUBot(QWidget* parent = nullptr);
  // A bar loaded from the settings its form stored for it; the form's
  // placement (Move) lays it out.
  explicit NOVUBot(const PropertyStore& propiedades, QWidget* parent = nullptr);

  NOVUBOT_BUTTONS(NOVUBOT_PROPIEDAD)

  bool Bot(int indice) const { return modelo_.Bot(indice); }
  void SetBot(int indice, bool valor);

  std::shared_ptr<const Picture> Image() const { return modelo_.Image(); }
  void SetImage(std::shared_ptr<const Picture> imagen);
  bool Stretch() const { return modelo_.Stretch(); }
  void SetStretch(bool valornuevo);
  bool Enabled() const { return modelo_.Enabled(); }
  void SetEnabled(bool New_Enabled);
  int32_t Estado() const { return modelo_.Estado(); }
  void SetEstado(int32_t new_estado);

  void Refresh();
  void ChequearEstado();
  void HacerOperacion(int32_t TipoOper, int32_t TipoBoton, const Variant& Valor = Variant());

  void GuardarPropiedades(PropertyStore& propiedades) const {
    modelo_.GuardarPropiedades(propiedades);
  }
  const PropertyStore& Propiedades() const { return modelo_.Propiedades(); }

  const NOVUBotModel& Modelo() const { return modelo_; }
  // The widget of button `indice`; nullptr outside the table.
  QToolButton* cmdBtn(int indice) const;
  QLabel* Img() const { return img_; }

 signals:
  NOVUBOT_BUTTONS(NOVUBOT_EVENTO)
  void ClickImagen();

 protected:
  void OnResize() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Construir();
  void Aplicar();
  void AplicarImagen();
  void Emitir(int indice);
  // Presses button `index` (0: none) as a click would, while the bar
  // answers the user.
  void Press(int index);
  // The index of the bar button `widget`, 0 when it is none.
  int IndexOf(const QObject* widget) const;

  NOVUBotModel modelo_;
  std::array<QToolButton*, NOVUBotModel::kMayorIndice + 1> botones_{};
  QLabel* img_ = nullptr;
  std::array<QShortcut*, 2> enter_{};  // the main and the keypad Enter
  QShortcut* escape_ = nullptr;
};

#undef NOVUBOT_PROPIEDAD
#undef NOVUBOT_EVENTO
