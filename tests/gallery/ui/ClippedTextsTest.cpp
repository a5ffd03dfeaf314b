// Nothing cut in the dialogs Qt draws for the program (a message box, an
// input box, the open and save dialogs): each is shown offscreen and
// walked; a label, button, caption, column header or tab that cannot show
// its whole text fails the test, which prints every such text with the
// room it needs and the room it has. The gallery's pages and windows are
// walked by GalleryTest, the main window by its own test (tests/repair/ui).
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <iostream>
#include <memory>

#include "platform/MessageBoxService.h"
#include "platform/ui/QtFileDialog.h"
#include "platform/ui/QtInputBox.h"
#include "platform/ui/QtMessageBox.h"
#include "support/ClippedTexts.h"

namespace {

class ClippedTextsTest : public ::testing::Test {
 protected:
  void Walk(const QWidget& window) {
    for (const clipped::Finding& f : clipped::In(window)) findings.push_back(f);
  }
  void Report() {
    for (const clipped::Finding& f : findings) std::cout << "  " << f.Line() << '\n';
    std::cout << clipped::Cut(findings) << " text(s) cut, "
              << findings.size() - clipped::Cut(findings) << " elided\n";
    EXPECT_EQ(clipped::Cut(findings), 0u);
  }
  std::vector<clipped::Finding> findings;
};

}  // namespace

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
