// Where a wrapped path breaks, and when a label shows its text cut.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/ui/ElidedLabel.h"

// A path has no blanks to break at: it breaks after its separators, and
// only a path that needs more lines than its place holds is cut, in its
// middle. A label wide enough takes the short road of one line.
TEST(ElidedLabel, APathBreaksAfterItsSeparatorsAndIsCutOnlyPastItsLines) {
  const QString path = QStringLiteral("/home/operador/Documentos/Instalaciones/VORA12");
  ElidedLabel label;
  label.setWordWrap(true);
  label.SetPath(true);
  label.SetElideMode(Qt::ElideMiddle);
  label.setText(path);
  const QFontMetrics fm(label.font());
  const int half = fm.horizontalAdvance(path) / 2 + 10;

  label.resize(fm.horizontalAdvance(path) + 10, fm.lineSpacing());
  EXPECT_FALSE(label.Elided());
  label.resize(half, 3 * fm.lineSpacing());
  EXPECT_FALSE(label.Elided());
  label.resize(half, fm.lineSpacing());
  EXPECT_TRUE(label.Elided());
  label.setText(QStringLiteral("C:\\Archivos de programa\\Sistemas\\Instalaciones\\VORA12"));
  label.resize(fm.horizontalAdvance(label.text()) / 2 + 10, 3 * fm.lineSpacing());
  EXPECT_FALSE(label.Elided());
}
