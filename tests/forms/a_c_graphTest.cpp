// The window routines on fake objects: centring, the property reads with
// their found flag, enabling and disabling a container's controls, and the
// two picture routines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "forms/FakeWindows.h"
#include "forms/Tiling.h"
#include "forms/a_c_graph.h"
#include "support/ErrorOf.h"

namespace {

std::string Minusculas(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// A control of a fake window: only the properties it was given exist.
class ControlFalso : public GraphicObject, public std::enable_shared_from_this<ControlFalso> {
 public:
  ControlFalso(std::map<std::string, Variant> propiedades,
               std::shared_ptr<ControlFalso> contenedor = nullptr)
      : propiedades_(std::move(propiedades)), contenedor_(std::move(contenedor)) {}

  Variant Property(const std::string& nombre) const override {
    auto it = propiedades_.find(Minusculas(nombre));
    if (it == propiedades_.end()) throw NoSuchProperty();
    return it->second;
  }
  void SetProperty(const std::string& nombre, const Variant& valor) override {
    auto it = propiedades_.find(Minusculas(nombre));
    if (it == propiedades_.end()) throw NoSuchProperty();
    it->second = valor;
  }
  std::shared_ptr<GraphicObject> ObjectProperty(const std::string& nombre) const override {
    if (Minusculas(nombre) == "container") {
      if (auto contenedor = contenedor_.lock()) return contenedor;
    }
    if (Minusculas(nombre) == "parent") {
      if (auto ventana = ventana_.lock()) return ventana;
    }
    throw NoSuchProperty();
  }
  std::vector<std::shared_ptr<GraphicObject>> Controls() const override {
    if (!esVentana_) throw NoSuchProperty();
    return {controles_.begin(), controles_.end()};
  }
  const void* Identity() const override { return this; }

  // Puts a control on this window.
  std::shared_ptr<ControlFalso> Agregar(std::map<std::string, Variant> propiedades,
                                        std::shared_ptr<ControlFalso> contenedor = nullptr) {
    esVentana_ = true;
    auto control = std::make_shared<ControlFalso>(std::move(propiedades),
                                                  contenedor ? contenedor : shared_from_this());
    control->ventana_ = shared_from_this();
    controles_.push_back(control);
    return control;
  }
  Variant operator[](const std::string& nombre) const { return Property(nombre); }

 private:
  std::map<std::string, Variant> propiedades_;
  // The window owns its controls; a control only points back at its
  // window and container, so that a test's window and controls are freed.
  std::weak_ptr<ControlFalso> contenedor_;
  std::weak_ptr<ControlFalso> ventana_;
  std::vector<std::shared_ptr<ControlFalso>> controles_;
  bool esVentana_ = false;
};

class FakeContainer : public FormContainer {
 public:
  int ScaleWidth() const override { return 9000; }
  int ScaleHeight() const override { return 6001; }
};

// A picture that records where it is asked to draw itself.
class ImagenFalsa : public Picture {
 public:
  ImagenFalsa(int ancho, int alto) : ancho_(ancho), alto_(alto) {}
  int Width() const override { return ancho_; }
  int Height() const override { return alto_; }
  std::shared_ptr<Picture> Tile(int ancho, int alto,
                                const std::vector<Rect>& zonas) const override {
    auto hecha = std::make_shared<ImagenFalsa>(ancho, alto);
    hecha->zonas = zonas;
    return hecha;
  }
  std::vector<Rect> zonas;

 private:
  int ancho_, alto_;
};

class AcGraphTest : public ::testing::Test {
 protected:
  FakeWindowFactory fabrica;
  a_c_graph graph{fabrica};
};

}  // namespace

TEST_F(AcGraphTest, CentresOnTheScreenOrAChildInItsContainer) {
  FakeFormWindow ventana(6001, 3000);
  graph.CentrarFormulario(ventana);
  EXPECT_EQ(ventana.left_, (15360 - 6001) / 2);
  EXPECT_EQ(ventana.top_, (11520 - 3000) / 2);

  FakeContainer marco;
  FakeFormWindow hija(3000, 2001, true);
  graph.CentrarFormulario(hija, &marco);
  EXPECT_EQ(hija.left_, 3000);
  EXPECT_EQ(hija.top_, 2000);

  FakeFormWindow suelta(3000, 2000, true);
  graph.CentrarFormulario(suelta);
  EXPECT_EQ(suelta.movido_, 0);

  // A window larger than the screen goes up and left by half the excess.
  FakeFormWindow grande(20000, 12000);
  graph.CentrarFormulario(grande);
  EXPECT_EQ(grande.left_, -2320);
  EXPECT_EQ(grande.top_, -240);
}

TEST_F(AcGraphTest, DarPropiedadFindsTheFiveNamesAndFlagsWhatIsMissing) {
  auto ventana = std::make_shared<ControlFalso>(std::map<std::string, Variant>{});
  auto texto = ventana->Agregar({{"enabled", true}, {"text", "hola"}});

  auto v = a_c_graph::DarPropiedad(*texto, "TEXT");
  EXPECT_TRUE(v.encontrada);
  EXPECT_EQ(v.valor.ToString(), "hola");
  EXPECT_TRUE(a_c_graph::DarPropiedad(*texto, "Enabled").valor.ToBool());
  v = a_c_graph::DarPropiedad(*texto, "Container");
  ASSERT_TRUE(v.encontrada && v.objeto);
  EXPECT_EQ(v.objeto->Identity(), ventana.get());
  v = a_c_graph::DarPropiedad(*texto, "parent");
  ASSERT_TRUE(v.encontrada && v.objeto);
  EXPECT_EQ(v.objeto->Identity(), ventana.get());

  v = a_c_graph::DarPropiedad(*texto, "Value");
  EXPECT_FALSE(v.encontrada);
  EXPECT_EQ(v.valor.Type(), Variant().Type());
  EXPECT_FALSE(a_c_graph::DarPropiedad(*ventana, "Parent").encontrada);

  // Outside the five: found, with nothing read.
  v = a_c_graph::DarPropiedad(*texto, "Caption");
  EXPECT_TRUE(v.encontrada);
  EXPECT_EQ(v.valor.Type(), Variant().Type());
  EXPECT_EQ(v.objeto, nullptr);
}

TEST_F(AcGraphTest, DisablingAFrameClearsItsOwnControlsOnly) {
  auto ventana = std::make_shared<ControlFalso>(std::map<std::string, Variant>{});
  auto marco = ventana->Agregar({{"enabled", true}});
  auto texto = ventana->Agregar({{"enabled", true}, {"text", "Calle 1"}}, marco);
  auto casilla = ventana->Agregar({{"enabled", true}, {"value", int16_t{1}}}, marco);
  auto etiqueta = ventana->Agregar({{"enabled", true}}, marco);  // neither Text nor Value
  auto linea = ventana->Agregar({}, marco);                      // not even Enabled
  auto anidado = ventana->Agregar({{"enabled", true}}, marco);
  auto profundo = ventana->Agregar({{"enabled", true}, {"text", "adentro"}}, anidado);
  auto fuera = ventana->Agregar({{"enabled", true}, {"text", "fuera"}});

  graph.HabilitarControlesContenedor(*marco, false);
  EXPECT_FALSE((*marco)["Enabled"].ToBool());
  EXPECT_FALSE((*texto)["Enabled"].ToBool());
  EXPECT_EQ((*texto)["Text"].ToString(), "");
  EXPECT_FALSE((*casilla)["Enabled"].ToBool());
  EXPECT_EQ((*casilla)["Value"].ToLong(), 0);
  EXPECT_FALSE((*etiqueta)["Enabled"].ToBool());
  EXPECT_FALSE((*anidado)["Enabled"].ToBool());
  EXPECT_TRUE((*profundo)["Enabled"].ToBool());
  EXPECT_EQ((*profundo)["Text"].ToString(), "adentro");
  EXPECT_TRUE((*fuera)["Enabled"].ToBool());
  EXPECT_EQ((*fuera)["Text"].ToString(), "fuera");

  (*texto).SetProperty("Text", "otra");
  graph.HabilitarControlesContenedor(*marco, true);
  EXPECT_TRUE((*marco)["Enabled"].ToBool());
  EXPECT_TRUE((*texto)["Enabled"].ToBool());
  EXPECT_TRUE((*casilla)["Enabled"].ToBool());
  EXPECT_EQ((*texto)["Text"].ToString(), "otra");
  EXPECT_EQ((*casilla)["Value"].ToLong(), 0);
}

TEST_F(AcGraphTest, AContainerWithoutAParentOnlyChangesItself) {
  auto suelto = std::make_shared<ControlFalso>(std::map<std::string, Variant>{{"enabled", true}});
  graph.HabilitarControlesContenedor(*suelto, false);
  EXPECT_FALSE((*suelto)["Enabled"].ToBool());
  // Enabled itself is the one property the routine does not skip.
  auto nada = std::make_shared<ControlFalso>(std::map<std::string, Variant>{});
  EXPECT_EQ(ErrorOf([&] { graph.HabilitarControlesContenedor(*nada, true); }), 438);
}

TEST_F(AcGraphTest, DarMosaicoDrawsThePlacesOfTheTiles) {
  ImagenFalsa origen(32, 16);
  auto mosaico = graph.DarMosaico(origen, 100, 40, 100);
  ASSERT_NE(mosaico, nullptr);
  EXPECT_EQ(mosaico->Width(), 100);
  EXPECT_EQ(mosaico->Height(), 40);
  EXPECT_EQ(static_cast<ImagenFalsa&>(*mosaico).zonas, Tiling::Teselas(32, 16, 100, 40, 100));
  EXPECT_EQ(ErrorOf([&] { graph.DarMosaico(origen, 100, 40, 0); }), 5);
}

TEST_F(AcGraphTest, DarRectColorNeverMakesAPicture) {
  EXPECT_EQ(graph.DarRectColor(255, 0, 0, 100, 100), nullptr);
  EXPECT_EQ(graph.DarRectColor(0, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(graph.DarRectColor(-1, 300, 7, -5, 1 << 30), nullptr);
}
