// The design settings a form keeps per control, and the twips that
// controls are placed in.
#include <gtest/gtest.h>

#include <QImage>

#include "common/AppError.h"
#include "controls/NOVUInfoRep.h"
#include "controls/PropertyStore.h"
#include "controls/Twips.h"

TEST(PropertyStore, KeysIgnoreCaseAndMissingKeysReadAsTheirDefault) {
  PropertyStore store;
  store.Write("migrar", true);
  EXPECT_TRUE(store.Read("Migrar", false).ToBool());
  EXPECT_TRUE(store.Contains("MIGRAR"));
  EXPECT_EQ(store.Read("Salir", false), Variant(false));
  EXPECT_EQ(store.Read("Estado", int32_t{7}), Variant(int32_t{7}));

  store.Write("MIGRAR", false);  // same key, new value: no second entry
  EXPECT_EQ(store.Keys(), std::vector<std::string>{"migrar"});
  EXPECT_FALSE(store.Read("migrar", true).ToBool());
}

TEST(PropertyStore, ValueEqualToDefaultIsNotWrittenAndDropsAnOlderValue) {
  PropertyStore store;
  store.Write("Enabled", true, true);
  EXPECT_FALSE(store.Contains("Enabled"));

  store.Write("Estado", int32_t{2}, int32_t{0});
  ASSERT_TRUE(store.Contains("estado"));
  // A 16-bit 0 is worth the 32-bit default: the older 2 must go.
  store.Write("estado", int16_t{0}, int32_t{0});
  EXPECT_FALSE(store.Contains("Estado"));
  EXPECT_EQ(store.Read("Estado", int32_t{0}).ToLong(), 0);

  store.Write("Stretch", false);  // no default: always stored
  EXPECT_TRUE(store.Contains("Stretch"));
}

TEST(PropertyStore, KeepsWriteOrderPicturesAndChangeMarks) {
  PropertyStore store;
  store.Write("b", 1);
  store.Write("a", 2);
  store.Write("B", 3);
  EXPECT_EQ(store.Keys(), (std::vector<std::string>{"b", "a"}));

  QImage picture(4, 4, QImage::Format_ARGB32);
  picture.fill(Qt::red);
  store.WritePicture("Image", picture);
  EXPECT_EQ(store.ReadPicture("image"), picture);
  EXPECT_THROW(store.Read("Image", Variant()), AppError);
  EXPECT_THROW(store.ReadPicture("a"), AppError);
  store.WritePicture("Image", QImage());
  EXPECT_FALSE(store.Contains("Image"));
  EXPECT_TRUE(store.ReadPicture("Image").isNull());

  EXPECT_FALSE(store.IsChanged("Estado"));
  store.MarkChanged("Estado");
  EXPECT_TRUE(store.IsChanged("estado"));
}

TEST(Twips, ConvertAtTheScreensResolution) {
  EXPECT_EQ(Twips::ToPixels(555, 96), 37);
  EXPECT_EQ(Twips::ToPixels(800, 96), 53);
  EXPECT_EQ(Twips::ToPixels(1440, 144), 144);
  EXPECT_EQ(Twips::FromPixels(37, 96), 555);
  EXPECT_EQ(Twips::FromPixels(1, 120), 12);
}

// A control keeps the twips its form gave it, however they round to
// pixels, and takes a size in pixels back into twips only when a layout
// sized it.
TEST(TwipsControl, KeepsTwipsExactAndFollowsPixelResizes) {
  NOVUInfoRep control;
  control.Move(120, 1920, 4217, 1337);
  control.show();
  EXPECT_EQ(control.LeftTwips(), 120);
  EXPECT_EQ(control.TopTwips(), 1920);
  EXPECT_EQ(control.WidthTwips(), 4217);
  EXPECT_EQ(control.HeightTwips(), 1337);
  EXPECT_EQ(control.geometry(), Twips::ToPixels(QRect(120, 1920, 4217, 1337), control));

  control.resize(Twips::ToPixelsX(6000, control), Twips::ToPixelsY(2000, control));
  EXPECT_EQ(control.WidthTwips(), Twips::FromPixelsX(control.width(), control));
  EXPECT_EQ(control.Geometria().LstInfo().width(), control.WidthTwips() - 20);
}
