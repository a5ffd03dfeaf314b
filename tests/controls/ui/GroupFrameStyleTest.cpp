// A group box looks the same with the frame style as with Fusion's own
// drawing, whether the style draws its frame or leaves it to Fusion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QStyle>

#include "controls/ui/GroupFrameStyle.h"

namespace {

QImage Drawn(QGroupBox& box, bool withFrameStyle) {
  box.resize(281, 113);
  if (withFrameStyle) {
    EXPECT_TRUE(GroupFrameStyle::Install(box));
  }
  return box.grab().toImage();
}

}  // namespace

TEST(GroupFrameStyle, DrawsTheFrameAsFusionDoes) {
  if (QApplication::style()->name() != QStringLiteral("fusion")) GTEST_SKIP() << "not Fusion";
  // Without a title (the style's own drawing), then titled, checkable and
  // flat (Fusion's).
  for (int kind = 0; kind < 4; ++kind) {
    QGroupBox fusion, ours;
    for (QGroupBox* box : {&fusion, &ours}) {
      if (kind == 1) box->setTitle(QStringLiteral("Título"));
      box->setCheckable(kind == 2);
      box->setFlat(kind == 3);
    }
    EXPECT_EQ(Drawn(fusion, false), Drawn(ours, true)) << kind;
  }
}
