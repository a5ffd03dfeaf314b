// Nothing cut: every page of the gallery, every standard window, the
// address editor (browsing and entering an address, with the sample's
// host labels), the input controls and the dialogs Qt draws for the
// program (a message box, an input box, the open and save dialogs) are
// shown offscreen and walked; a label, button, caption, column header or
// tab that cannot show its whole text fails the test, which prints every
// such text with the room it needs and the room it has. The main window
// is walked by its own test (tests/repair/ui).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <memory>

#include "address/ui/FrmDomicilios.h"
#include "controls/NOVUBotModel.h"
#include "controls/ui/NOVUBot.h"
#include "gallery/ui/AddressPage.h"
#include "gallery/ui/GalleryWindow.h"
#include "gallery/ui/WindowsPage.h"
#include "platform/MessageBoxService.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "platform/ui/QtFileDialog.h"
#include "platform/ui/QtInputBox.h"
#include "platform/ui/QtMessageBox.h"
#include "samples/SampleGalleryData.h"
#include "support/ClippedTexts.h"

namespace {

std::unique_ptr<FrmDomiciliosView> Editor(QWidget* parent) {
  return std::make_unique<FrmDomicilios>(parent);
}

class ClippedTextsTest : public ::testing::Test {
 protected:
  void Walk(const QWidget& window) {
    for (const clipped::Finding& f : clipped::In(window)) findings.push_back(f);
  }

  // Presses `button`, walks the modal window it opens (after `before`, if
  // given) and closes it.
  void WalkModal(QAbstractButton& button, const std::function<void(QWidget&)>& before = {}) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      seen = true;
      if (before) before(*modal);
      QCoreApplication::processEvents();
      Walk(*modal);
      modal->close();
    });
    QTimer::singleShot(10000, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    button.click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen) << button.text().toStdString();
  }

  QPushButton* ButtonOf(QWidget& page, const char* text) {
    for (QPushButton* b : page.findChildren<QPushButton*>()) {
      if (b->text() == QString::fromUtf8(text)) return b;
    }
    ADD_FAILURE() << "no button " << text;
    return nullptr;
  }

  void Report() {
    for (const clipped::Finding& f : findings) std::cout << "  " << f.Line() << '\n';
    std::cout << clipped::Cut(findings) << " text(s) cut, "
              << findings.size() - clipped::Cut(findings) << " elided\n";
    EXPECT_EQ(clipped::Cut(findings), 0u);
  }

  SampleGalleryData demo;
  ScopedService<RecordingMessageBox> boxes;
  std::vector<clipped::Finding> findings;
};

}  // namespace

TEST_F(ClippedTextsTest, EveryGalleryPageAndWindowShowsItsWholeTexts) {
  GalleryWindow gallery(demo, Editor);
  gallery.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&gallery));
  for (int i = 0; i < gallery.Pestanas()->count(); ++i) {
    gallery.Pestanas()->setCurrentIndex(i);
    QCoreApplication::processEvents();
    Walk(gallery);
  }

  auto* windows = dynamic_cast<WindowsPage*>(gallery.Pagina("ventanas"));
  ASSERT_NE(windows, nullptr);
  gallery.MostrarPagina("ventanas");
  ButtonOf(*windows, "Acerca de...")->click();
  QCoreApplication::processEvents();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->objectName() == "frmXAcercaDe") {
      Walk(*top);
      top->close();
    }
  }
  WalkModal(*ButtonOf(*windows, "Bienvenida"));
  demo.Propia().Execute("delete from Configuracion");
  WalkModal(*ButtonOf(*windows, "Mensaje de una vez"));

  // The editor on the sample's first owner, browsing and then entering a
  // new address.
  auto* addresses = dynamic_cast<AddressPage*>(gallery.Pagina("domicilios"));
  ASSERT_NE(addresses, nullptr);
  gallery.MostrarPagina("domicilios");
  WalkModal(addresses->Control()->cmd());
  WalkModal(addresses->Control()->cmd(), [](QWidget& editor) {
    static_cast<FrmDomicilios&>(editor).Bot()->cmdBtn(NOVUBotModel::kNuevo)->click();
  });

  Report();
}

TEST_F(ClippedTextsTest, TheDialogsQtDrawsShowTheirWholeTexts) {
  std::unique_ptr<QMessageBox> box = QtMessageBox::Build(
      "¿Confirma la eliminación del domicilio seleccionado?", msgbox::vbYesNoCancel, "");
  box->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
  Walk(*box);

  std::unique_ptr<QInputDialog> input =
      QtInputBox::Build("Ingrese el nombre para la carpeta nueva", "Nueva carpeta", "");
  input->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(input.get()));
  Walk(*input);

  for (FileDialogMode mode : {FileDialogMode::Open, FileDialogMode::Save}) {
    std::unique_ptr<QFileDialog> dialog =
        QtFileDialog::Build(mode, "Textos (*.txt);;Todos los archivos (*)", REMENDOR_TEST_DATA);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    // The folder is read in the background; its rows set nothing here, but
    // the columns are measured once they are there.
    QTest::qWait(300);
    Walk(*dialog);
  }
  Report();
}
