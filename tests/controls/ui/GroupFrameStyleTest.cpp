// A box without a title looks the same with the frame style as with
// Fusion's own drawing; a box with a title is Fusion's whole.
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
  for (const QString& title : {QString(), QStringLiteral("Título")}) {
    QGroupBox fusion(title), ours(title);
    EXPECT_EQ(Drawn(fusion, false), Drawn(ours, true)) << title.toStdString();
    EXPECT_NE(ours.style(), QApplication::style());
  }
  QGroupBox checkable;
  checkable.setCheckable(true);
  QGroupBox fusion;
  fusion.setCheckable(true);
  EXPECT_EQ(Drawn(fusion, false), Drawn(checkable, true));
}
