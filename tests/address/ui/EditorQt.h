// Driving the address editor's real window in tests: the user's actions
// run once the modal window is up, with a guard that closes it if a
// failing test leaves it open; bar buttons are pressed only when the user
// could see them; typing goes key by key through the boxes; pictures are
// taken when REMENDOR_ADDRESS_SHOTS names a folder.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <cstdlib>
#include <functional>

#include "address/ui/FrmDomicilios.h"
#include "controls/NOVUBotModel.h"
#include "controls/ui/NOVUBot.h"
#include "controls/ui/NOVUList.h"

namespace editor_qt {

// Runs `user` inside the window's modal loop.
inline void WhenShown(FrmDomicilios& window, std::function<void()> user) {
  QTimer::singleShot(0, &window, [user] { user(); });
  QTimer::singleShot(10000, &window, [&window] {
    ADD_FAILURE() << "the editor was left open";
    window.done(QDialog::Rejected);
  });
}

inline void Press(FrmDomicilios& window, int button) {
  QToolButton* b = window.Bot()->cmdBtn(button);
  ASSERT_TRUE(b->isVisibleTo(&window) && b->isEnabled()) << "button " << button;
  b->click();
}

// Types key by key; keys beyond ASCII (accents, "ñ") as a keyboard that
// has them sends them.
inline void TypeKeys(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(w, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
    }
  }
}

// Types into a box as the user would, after emptying it.
inline void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  TypeKeys(box, text);
}

// Clicks the list's row of that street.
inline void ClickRow(FrmDomicilios& window, const QString& street) {
  QTreeWidget* list = window.LstDomicilios()->LstDatos();
  const QList<QTreeWidgetItem*> rows = list->findItems(street, Qt::MatchExactly, 0);
  ASSERT_EQ(rows.size(), 1) << street.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(rows[0]).center());
}

inline void Activate(QWidget& window) {
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

inline void Snapshot(QWidget& w, const char* file) {
  if (const char* folder = std::getenv("REMENDOR_ADDRESS_SHOTS"))
    w.grab().save(QString::fromLocal8Bit(folder) + "/" + file);
}

}  // namespace editor_qt
