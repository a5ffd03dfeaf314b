// The design settings a form keeps per control.
#include <gtest/gtest.h>

#include "common/AppError.h"
#include "controls/PropertyStore.h"
#include "support/FakePicture.h"

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

  const auto picture = FakePicture::Of(4, 4);
  store.WritePicture("Image", picture);
  EXPECT_EQ(store.ReadPicture("image"), picture);
  EXPECT_THROW(store.Read("Image", Variant()), AppError);
  EXPECT_THROW(store.ReadPicture("a"), AppError);
  // No picture, by an empty reference or by one without pixels, is never
  // written and drops the one stored before.
  store.WritePicture("Image", nullptr);
  EXPECT_FALSE(store.Contains("Image"));
  EXPECT_EQ(store.ReadPicture("Image"), nullptr);
  store.WritePicture("Image", picture);
  store.WritePicture("Image", FakePicture::Of(0, 4));
  EXPECT_FALSE(store.Contains("Image"));

  EXPECT_FALSE(store.IsChanged("Estado"));
  store.MarkChanged("Estado");
  EXPECT_TRUE(store.IsChanged("estado"));
}
