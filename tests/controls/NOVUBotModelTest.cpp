// The button bar's rules: layout in twips, visibility by state, default
// and cancel buttons and the keys that press them, operations on single
// buttons, the width rule and its stored settings.
#include <gtest/gtest.h>

#include "controls/NOVUBotModel.h"
#include "support/ErrorOf.h"
#include "support/FakePicture.h"

namespace {

using M = NOVUBotModel;

// A bar laid out as a form would: offered buttons, then the resize.
M Bar(std::initializer_list<int> offered, int32_t state = 0) {
  M m;
  for (int i : offered) m.ActivarBoton(i, true);
  m.SetEstado(state);
  m.Redimensionar(800, 4335);
  return m;
}

// The buttons' tops, in twips.
std::vector<int> Tops(const M& m, std::initializer_list<int> buttons) {
  std::vector<int> v;
  for (int i : buttons) v.push_back(m.cmdBtn(i).top);
  return v;
}

std::vector<int> Shown(const M& m) {
  std::vector<int> v;
  for (const auto& info : M::Botones()) {
    if (m.cmdBtn(info.indice).visible) v.push_back(info.indice);
  }
  return v;
}

}  // namespace

TEST(NOVUBotModel, MigrarAndSalirInStateZero) {
  M m = Bar({M::kMigrar, M::kSalir});
  EXPECT_EQ(std::make_pair(m.cmdBtn(28).left, m.cmdBtn(30).left), std::make_pair(80, 80));
  EXPECT_EQ(Tops(m, {28, 30}), (std::vector<int>{80, 3530}));
  EXPECT_EQ(Shown(m), (std::vector<int>{28, 30}));
  EXPECT_EQ(m.BotonPorDefecto() + m.BotonCancelar(), 0);
  EXPECT_EQ(m.cmdBtn(1).caption, "NOREQ");
  EXPECT_EQ(m.cmdBtn(28).caption, "");
}

TEST(NOVUBotModel, EachStateShowsItsGroupAndThePairTakesTheEnterAndEscapeRoles) {
  // Editar brings the pair; Buscar and Migrar stand for "all the others".
  M m = Bar({M::kNuevo, M::kEditar, M::kImportar, M::kBuscar, M::kMigrar, M::kSalir});
  const std::pair<int32_t, std::vector<int>> cases[] = {{0, {1, 2, 11, 14, 28, 30}},
                                                        {1, {1, 11, 30}},
                                                        {2, {20, 21}},
                                                        {-1, {1, 11, 30}},
                                                        {7, {1, 11, 30}}};
  for (const auto& [state, shown] : cases) {
    m.SetEstado(state);
    EXPECT_EQ(Shown(m), shown) << "Estado " << state;
  }
  // The pair, at the foot of the column, takes the Enter and Escape roles;
  // back in state 0 Nuevo becomes the default and the cancel role stays.
  m.SetEstado(2);
  EXPECT_EQ(std::make_pair(m.BotonPorDefecto(), m.BotonCancelar()), std::make_pair(21, 20));
  EXPECT_EQ(m.cmdBtn(20).top + 555, 4335 - 230);
  EXPECT_EQ(m.cmdBtn(20).top - m.cmdBtn(21).top, 635);
  m.SetEstado(0);
  EXPECT_EQ(std::make_pair(m.BotonPorDefecto(), m.BotonCancelar()), std::make_pair(1, 20));
}

TEST(NOVUBotModel, HiddenButtonsKeepTheirPlaceInTheColumn) {
  M m = Bar({M::kNuevo, M::kEditar, 14}, 1);
  EXPECT_EQ(Shown(m), (std::vector<int>{1}));
  EXPECT_EQ(Tops(m, {1, 2, 14}), (std::vector<int>{80, 715, 1350}));
  // Withdrawing a button frees its place at the next layout.
  m.ActivarBoton(M::kEditar, false);
  EXPECT_EQ(m.cmdBtn(14).top, 715);
}

TEST(NOVUBotModel, NuevoOrEditarAlwaysOffersThePair) {
  M m;
  m.SetBot(M::kNuevo, false);
  EXPECT_FALSE(m.Bot(M::kNuevo));
  EXPECT_TRUE(m.Bot(M::kAceptar));
  EXPECT_TRUE(m.Bot(M::kCancelar));
  EXPECT_TRUE(m.Propiedades().IsChanged("Bot_Nuevo"));
  EXPECT_TRUE(m.Propiedades().IsChanged("Bot_Aceptar"));
  EXPECT_FALSE(m.Propiedades().IsChanged("Bot_Salir"));
}

TEST(NOVUBotModel, HacerOperacionOnSingleButtons) {
  M m = Bar({M::kNuevo, 14, M::kSalir}, 1);  // 14 offered but hidden
  std::vector<int> focused, raised;
  m.alEnfocarBoton = [&](int i) { focused.push_back(i); };
  m.alDispararEvento = [&](int i) { raised.push_back(i); };

  m.HacerOperacion(0, 14);  // hidden: no focus
  m.HacerOperacion(1, 1, false);
  m.HacerOperacion(0, 1);  // disabled: no focus
  m.HacerOperacion(0, 30);
  EXPECT_EQ(focused, std::vector<int>{30});

  m.HacerOperacion(3, 14);  // hidden, still raises
  m.HacerOperacion(3, 1);   // disabled, still raises
  m.Click(3);               // not a button: nothing
  EXPECT_EQ(raised, (std::vector<int>{14, 1}));

  m.HacerOperacion(2, 14, true);
  EXPECT_TRUE(m.cmdBtn(14).visible);
  m.HacerOperacion(4, 28, "Realizar la operación seleccionada");
  EXPECT_EQ(m.cmdBtn(28).tooltip, "Realizar la operación seleccionada");
  m.HacerOperacion(9, 28, true);  // unknown operation: nothing

  EXPECT_EQ(ErrorOf([&] { m.HacerOperacion(1, 3, true); }), 340);  // 3 is no button
}

TEST(NOVUBotModel, SavesInItsOrderWithoutDefaultsAndLoadsFormKeys) {
  M m;
  m.ActivarBoton(9, true);
  m.ActivarBoton(M::kSalir, true);
  PropertyStore stored;
  m.GuardarPropiedades(stored);
  EXPECT_EQ(stored.Keys(), (std::vector<std::string>{"Imprimir", "Salir", "Stretch"}));
  EXPECT_TRUE(stored.Read("Imprimir", false).ToBool());

  m.SetEnabled(false);
  m.SetEstado(2);
  m.SetImage(FakePicture::Of(8, 8));
  PropertyStore full;
  m.GuardarPropiedades(full);
  EXPECT_EQ(full.Keys(), (std::vector<std::string>{"Imprimir", "Salir", "Enabled", "Estado",
                                                   "Image", "Stretch"}));

  PropertyStore form;
  form.Write("migrar", true);
  form.Write("salir", true);
  form.Write("stretch", false);
  form.Write("nuevo", "");  // an empty value counts as False
  form.Write("estado", int32_t{1});
  form.Write("enabled", false);
  M read;
  read.LeerPropiedades(form);
  EXPECT_TRUE(read.Bot(M::kMigrar) && read.Bot(M::kSalir));
  EXPECT_FALSE(read.Bot(M::kNuevo) || read.Enabled() || read.Stretch());
  EXPECT_EQ(read.Estado(), 1);
}

TEST(NOVUBotModel, EnterAndEscapePressOnlyAShownAndEnabledButton) {
  M m = Bar({M::kMigrar, M::kSalir});
  // No roles yet: neither key presses anything but a focused button.
  EXPECT_EQ(m.ButtonForEnter(0) + m.ButtonForEscape(), 0);
  EXPECT_EQ(m.ButtonForEnter(M::kMigrar), M::kMigrar);

  m.ActivarBoton(M::kEditar, true);  // offers the pair
  m.SetEstado(2);
  EXPECT_EQ(m.ButtonForEnter(0), M::kAceptar);
  EXPECT_EQ(m.ButtonForEscape(), M::kCancelar);
  // A focused bar button takes Enter itself, default or not.
  EXPECT_EQ(m.ButtonForEnter(M::kCancelar), M::kCancelar);
  m.HacerOperacion(M::kOpHabilitar, M::kAceptar, false);
  EXPECT_EQ(m.ButtonForEnter(0), 0);

  // State 1 hides the pair: they keep their roles but cannot be pressed.
  m.SetEstado(1);
  EXPECT_EQ(m.BotonPorDefecto(), M::kAceptar);
  EXPECT_EQ(m.ButtonForEnter(0), 0);
  EXPECT_EQ(m.ButtonForEscape(), 0);
  EXPECT_EQ(m.ButtonForEnter(M::kAceptar), 0);
}
