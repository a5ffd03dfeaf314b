// The window routines on fake objects: centring, the property reads with
// their found flag, and enabling and disabling a container's controls (the
// tiling picture routine is drawn on real pictures in QtWindowsTest).
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "common/TextCase.h"
#include "forms/FakeWindows.h"
#include "forms/a_c_graph.h"
#include "support/ErrorOf.h"

namespace {

// A control of a fake window: only the properties it was given exist, and
// their names are matched whatever their case.
class FakeControl : public GraphicObject, public std::enable_shared_from_this<FakeControl> {
 public:
  explicit FakeControl(std::map<std::string, Variant> properties,
                       std::shared_ptr<FakeControl> container = nullptr)
      : properties_(std::move(properties)), container_(std::move(container)) {}

  Variant Property(const std::string& name) const override {
    auto it = properties_.find(TextCase::Fold(name));
    if (it == properties_.end()) throw NoSuchProperty();
    return it->second;
  }
  void SetProperty(const std::string& name, const Variant& value) override {
    auto it = properties_.find(TextCase::Fold(name));
    if (it == properties_.end()) throw NoSuchProperty();
    it->second = value;
  }
  std::shared_ptr<GraphicObject> ObjectProperty(const std::string& name) const override {
    const auto found = TextCase::Fold(name) == "container" ? container_.lock()
                       : TextCase::Fold(name) == "parent"  ? window_.lock()
                                                           : nullptr;
    if (!found) throw NoSuchProperty();
    return found;
  }
  std::vector<std::shared_ptr<GraphicObject>> Controls() const override {
    if (!isWindow_) throw NoSuchProperty();
    return {controls_.begin(), controls_.end()};
  }
  const void* Identity() const override { return this; }

  // Puts a control on this window, in `container` or in the window itself.
  std::shared_ptr<FakeControl> Add(std::map<std::string, Variant> properties,
                                   std::shared_ptr<FakeControl> container = nullptr) {
    isWindow_ = true;
    auto control = std::make_shared<FakeControl>(std::move(properties),
                                                 container ? container : shared_from_this());
    control->window_ = shared_from_this();
    controls_.push_back(control);
    return control;
  }
  Variant operator[](const std::string& name) const { return Property(name); }

 private:
  std::map<std::string, Variant> properties_;
  // The window owns its controls; a control only points back at its
  // window and container, so that a test's window and controls are freed.
  std::weak_ptr<FakeControl> container_;
  std::weak_ptr<FakeControl> window_;
  std::vector<std::shared_ptr<FakeControl>> controls_;
  bool isWindow_ = false;
};

class FakeContainer : public FormContainer {
 public:
  int ScaleWidth() const override { return 9000; }
  int ScaleHeight() const override { return 6001; }
};

class AcGraphTest : public ::testing::Test {
 protected:
  FakeWindowFactory factory;
  a_c_graph graph{factory};
};

}  // namespace

TEST_F(AcGraphTest, CentresOnTheScreenOrAChildInItsContainer) {
  FakeContainer frame;
  const std::tuple<int, int, bool, FormContainer*, int, int> cases[] = {
      {6001, 3000, false, nullptr, (15360 - 6001) / 2, (11520 - 3000) / 2},
      {3000, 2001, true, &frame, 3000, 2000},
      {3000, 2000, true, nullptr, -1, -1},          // a child without its container: not moved
      {20000, 12000, false, nullptr, -2320, -240},  // too large: up and left by half the excess
  };
  for (const auto& [width, height, mdi, in, left, top] : cases) {
    FakeFormWindow window(width, height, mdi);
    graph.CentrarFormulario(window, in);
    EXPECT_EQ(std::make_pair(window.left, window.top), std::make_pair(left, top)) << width;
  }
}

TEST_F(AcGraphTest, DarPropiedadFindsTheFiveNamesAndFlagsWhatIsMissing) {
  auto window = std::make_shared<FakeControl>(std::map<std::string, Variant>{});
  auto textBox = window->Add({{"enabled", true}, {"text", "hola"}});

  auto v = a_c_graph::DarPropiedad(*textBox, "TEXT");
  EXPECT_TRUE(v.encontrada);
  EXPECT_EQ(v.valor.ToString(), "hola");
  EXPECT_TRUE(a_c_graph::DarPropiedad(*textBox, "Enabled").valor.ToBool());
  v = a_c_graph::DarPropiedad(*textBox, "Container");
  ASSERT_TRUE(v.encontrada && v.objeto);
  EXPECT_EQ(v.objeto->Identity(), window.get());
  v = a_c_graph::DarPropiedad(*textBox, "parent");
  ASSERT_TRUE(v.encontrada && v.objeto);
  EXPECT_EQ(v.objeto->Identity(), window.get());

  v = a_c_graph::DarPropiedad(*textBox, "Value");
  EXPECT_FALSE(v.encontrada);
  EXPECT_EQ(v.valor.Type(), Variant().Type());
  EXPECT_FALSE(a_c_graph::DarPropiedad(*window, "Parent").encontrada);

  // Outside the five: found, with nothing read.
  v = a_c_graph::DarPropiedad(*textBox, "Caption");
  EXPECT_TRUE(v.encontrada);
  EXPECT_EQ(v.valor.Type(), Variant().Type());
  EXPECT_EQ(v.objeto, nullptr);
}

TEST_F(AcGraphTest, DisablingAFrameClearsItsOwnControlsOnlyAndAnOrphanOnlyItself) {
  auto window = std::make_shared<FakeControl>(std::map<std::string, Variant>{});
  auto frame = window->Add({{"enabled", true}});
  auto textBox = window->Add({{"enabled", true}, {"text", "Calle 1"}}, frame);
  auto checkBox = window->Add({{"enabled", true}, {"value", int16_t{1}}}, frame);
  auto label = window->Add({{"enabled", true}}, frame);  // neither Text nor Value
  auto line = window->Add({}, frame);                    // not even Enabled
  auto nested = window->Add({{"enabled", true}}, frame);
  auto deep = window->Add({{"enabled", true}, {"text", "adentro"}}, nested);
  auto outside = window->Add({{"enabled", true}, {"text", "fuera"}});

  // Each control as "enabled text value", "-" for what it lacks.
  const auto states = [&] {
    std::string out;
    for (const auto& c : {frame, textBox, checkBox, label, nested, deep, outside}) {
      out += (*c)["Enabled"].ToBool() ? "1" : "0";
      for (const char* name : {"Text", "Value"}) {
        const auto v = a_c_graph::DarPropiedad(*c, name);
        out += " " + (v.encontrada ? v.valor.ToString() : "-");
      }
      out += "|";
    }
    return out;
  };
  graph.HabilitarControlesContenedor(*frame, false);
  EXPECT_EQ(states(), "0 - -|0  -|0 - 0|0 - -|0 - -|1 adentro -|1 fuera -|");
  textBox->SetProperty("Text", "otra");
  graph.HabilitarControlesContenedor(*frame, true);
  EXPECT_EQ(states(), "1 - -|1 otra -|1 - 0|1 - -|1 - -|1 adentro -|1 fuera -|");

  // A container without a parent only changes itself.
  auto orphan = std::make_shared<FakeControl>(std::map<std::string, Variant>{{"enabled", true}});
  graph.HabilitarControlesContenedor(*orphan, false);
  EXPECT_FALSE((*orphan)["Enabled"].ToBool());
  // Enabled itself is the one property the routine does not skip.
  auto bare = std::make_shared<FakeControl>(std::map<std::string, Variant>{});
  EXPECT_EQ(ErrorOf([&] { graph.HabilitarControlesContenedor(*bare, true); }), 438);
}
