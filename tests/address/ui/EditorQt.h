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

// Runs `usuario` inside the window's modal loop.
inline void AlAbrirse(FrmDomicilios& ventana, std::function<void()> usuario) {
  QTimer::singleShot(0, &ventana, [usuario] { usuario(); });
  QTimer::singleShot(10000, &ventana, [&ventana] {
    ADD_FAILURE() << "the editor was left open";
    ventana.done(QDialog::Rejected);
  });
}

inline void Pulsar(FrmDomicilios& ventana, int boton) {
  QToolButton* b = ventana.Bot()->cmdBtn(boton);
  ASSERT_TRUE(b->isVisibleTo(&ventana) && b->isEnabled()) << "button " << boton;
  b->click();
}

// Types key by key; keys beyond ASCII (accents, "ñ") as a keyboard that
// has them sends them.
inline void Teclear(QWidget* w, const QString& texto) {
  for (const QChar c : texto) {
    if (c.unicode() < 128) {
      QTest::keyClick(w, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
    }
  }
}

// Types into a box as the user would, after emptying it.
inline void Escribir(QLineEdit* caja, const QString& texto) {
  caja->selectAll();
  QTest::keyClick(caja, Qt::Key_Delete);
  Teclear(caja, texto);
}

// Clicks the list's row of that street.
inline void Clic(FrmDomicilios& ventana, const QString& calle) {
  QTreeWidget* lista = ventana.LstDomicilios()->LstDatos();
  const QList<QTreeWidgetItem*> filas = lista->findItems(calle, Qt::MatchExactly, 0);
  ASSERT_EQ(filas.size(), 1) << calle.toStdString();
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                    lista->visualItemRect(filas[0]).center());
}

inline void Activar(QWidget& ventana) {
  QApplication::setActiveWindow(&ventana);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
}

inline void Foto(QWidget& w, const char* archivo) {
  if (const char* carpeta = std::getenv("REMENDOR_ADDRESS_SHOTS")) {
    w.grab().save(QString::fromLocal8Bit(carpeta) + "/" + archivo);
  }
}

}  // namespace editor_qt
