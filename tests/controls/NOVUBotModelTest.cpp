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
M Barra(std::initializer_list<int> ofrecidos, int alto, int32_t estado = 0) {
  M m;
  for (int i : ofrecidos) m.ActivarBoton(i, true);
  m.SetEstado(estado);
  m.Redimensionar(800, alto);
  return m;
}

std::vector<int> Visibles(const M& m) {
  std::vector<int> v;
  for (const auto& info : M::Botones()) {
    if (m.cmdBtn(info.indice).visible) v.push_back(info.indice);
  }
  return v;
}

}  // namespace

TEST(NOVUBotModel, MigrarAndSalirInStateZero) {
  M m = Barra({M::kMigrar, M::kSalir}, 4335);
  EXPECT_EQ(m.cmdBtn(28).left, 80);
  EXPECT_EQ(m.cmdBtn(28).top, 80);
  EXPECT_EQ(m.cmdBtn(30).left, 80);
  EXPECT_EQ(m.cmdBtn(30).top, 3530);
  EXPECT_EQ(Visibles(m), (std::vector<int>{28, 30}));
  EXPECT_EQ(m.BotonPorDefecto(), 0);
  EXPECT_EQ(m.BotonCancelar(), 0);
  EXPECT_EQ(m.cmdBtn(1).caption, "NOREQ");
  EXPECT_EQ(m.cmdBtn(28).caption, "");
}

TEST(NOVUBotModel, StateTwoShowsOnlyThePairWhichTakesTheEnterAndEscapeRoles) {
  M m = Barra({M::kNuevo, M::kAceptar, M::kCancelar, M::kSalir}, 4335, 2);
  EXPECT_EQ(Visibles(m), (std::vector<int>{20, 21}));
  EXPECT_EQ(m.BotonPorDefecto(), 21);
  EXPECT_EQ(m.BotonCancelar(), 20);
  EXPECT_EQ(m.cmdBtn(20).top + 555, 4335 - 230);
  EXPECT_EQ(m.cmdBtn(20).top - m.cmdBtn(21).top, 635);

  // Back to state 0: Nuevo becomes the default; the cancel role stays.
  m.SetEstado(0);
  EXPECT_EQ(Visibles(m), (std::vector<int>{1, 30}));
  EXPECT_EQ(m.BotonPorDefecto(), 1);
  EXPECT_EQ(m.BotonCancelar(), 20);
}

TEST(NOVUBotModel, EachStateShowsItsGroupOfOfferedButtons) {
  // Editar brings the pair; Buscar and Migrar stand for "all the others".
  M m = Barra({M::kNuevo, M::kEditar, M::kImportar, M::kBuscar, M::kMigrar, M::kSalir}, 4335);
  const std::pair<int32_t, std::vector<int>> casos[] = {{0, {1, 2, 11, 14, 28, 30}},
                                                        {1, {1, 11, 30}},
                                                        {2, {20, 21}},
                                                        {-1, {1, 11, 30}},
                                                        {7, {1, 11, 30}}};
  for (const auto& [estado, visibles] : casos) {
    m.SetEstado(estado);
    EXPECT_EQ(Visibles(m), visibles) << "Estado " << estado;
  }
}

TEST(NOVUBotModel, HiddenButtonsKeepTheirPlaceInTheColumn) {
  M m = Barra({M::kNuevo, M::kEditar, 14}, 4335, 1);
  EXPECT_EQ(Visibles(m), (std::vector<int>{1}));
  EXPECT_EQ(m.cmdBtn(1).top, 80);
  EXPECT_EQ(m.cmdBtn(2).top, 715);
  EXPECT_EQ(m.cmdBtn(14).top, 1350);
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
  M m = Barra({M::kNuevo, 14, M::kSalir}, 4335, 1);  // 14 offered but hidden
  std::vector<int> enfocados, disparados;
  m.alEnfocarBoton = [&](int i) { enfocados.push_back(i); };
  m.alDispararEvento = [&](int i) { disparados.push_back(i); };

  m.HacerOperacion(0, 14);  // hidden: no focus
  m.HacerOperacion(1, 1, false);
  m.HacerOperacion(0, 1);  // disabled: no focus
  m.HacerOperacion(0, 30);
  EXPECT_EQ(enfocados, std::vector<int>{30});

  m.HacerOperacion(3, 14);  // hidden, still raises
  m.HacerOperacion(3, 1);   // disabled, still raises
  m.Click(3);               // not a button: nothing
  EXPECT_EQ(disparados, (std::vector<int>{14, 1}));

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
  PropertyStore guardado;
  m.GuardarPropiedades(guardado);
  EXPECT_EQ(guardado.Keys(), (std::vector<std::string>{"Imprimir", "Salir", "Stretch"}));
  EXPECT_TRUE(guardado.Read("Imprimir", false).ToBool());

  m.SetEnabled(false);
  m.SetEstado(2);
  m.SetImage(FakePicture::Of(8, 8));
  PropertyStore completo;
  m.GuardarPropiedades(completo);
  EXPECT_EQ(completo.Keys(), (std::vector<std::string>{"Imprimir", "Salir", "Enabled", "Estado",
                                                       "Image", "Stretch"}));

  PropertyStore form;
  form.Write("migrar", true);
  form.Write("salir", true);
  form.Write("stretch", false);
  form.Write("nuevo", "");  // an empty value counts as False
  form.Write("estado", int32_t{1});
  form.Write("enabled", false);
  M cargado;
  cargado.LeerPropiedades(form);
  EXPECT_TRUE(cargado.Bot(M::kMigrar));
  EXPECT_TRUE(cargado.Bot(M::kSalir));
  EXPECT_FALSE(cargado.Bot(M::kNuevo));
  EXPECT_EQ(cargado.Estado(), 1);
  EXPECT_FALSE(cargado.Enabled());
  EXPECT_FALSE(cargado.Stretch());
}

TEST(NOVUBotModel, EnterAndEscapePressOnlyAShownAndEnabledButton) {
  M m = Barra({M::kMigrar, M::kSalir}, 4335);
  // No roles yet: neither key presses anything but a focused button.
  EXPECT_EQ(m.ButtonForEnter(0), 0);
  EXPECT_EQ(m.ButtonForEscape(), 0);
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
