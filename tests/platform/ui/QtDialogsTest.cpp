// The windowed program's file dialog, input box and file manager: the
// dialogs they build, the real file dialog driven as an operator would,
// and their answers given ahead of time, without a screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "platform/FileDialogService.h"
#include "platform/FileExplorerService.h"
#include "platform/InputBoxService.h"
#include "platform/ScopedService.h"
#include "platform/ui/QtFileDialog.h"
#include "platform/ui/QtFileExplorer.h"
#include "platform/ui/QtInputBox.h"
#include "support/TempDir.h"

TEST(QtFileDialog, NextFileNamesAnswerTheDialogsInTurn) {
  ScopedService<FileDialogService> qt(std::make_shared<QtFileDialog>());
  QtFileDialog::SetNextFileName("/tmp/datos.mdb");
  QtFileDialog::SetNextCancel();
  EXPECT_EQ(FileDialogService::Current().Ask(FileDialogMode::Open, "Bases (*.mdb)", ""),
            "/tmp/datos.mdb");
  EXPECT_FALSE(FileDialogService::Current().Ask(FileDialogMode::Save, "", "").has_value());
  QtFileDialog::ClearNextAnswers();
}

// "Guardar como" opens on the file shown, speaks Spanish, and a name typed
// without an extension gets the chosen filter's, as the Windows dialog
// gives it; one typed with its own keeps it, and "Todos" adds none.
TEST(QtFileDialog, TheSaveDialogOpensOnTheFileShownAndAddsTheFiltersExtension) {
  TempDir dir;
  std::ofstream(dir.File("informe anterior.txt")) << "x";
  const auto guardar = [&](const QString& typed, int entry) {
    auto dialog = QtFileDialog::Build(FileDialogMode::Save, "Textos (*.txt);;Todos (*)",
                                      dir.File("informe anterior.txt"));
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    EXPECT_EQ(dialog->directory().absolutePath().toStdString(), dir.Path().string());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    EXPECT_EQ(name->text(), "informe anterior.txt");
    for (int k = 0; k < entry; ++k) QTest::keyClick(types, Qt::Key_Down);
    name->clear();
    QTest::keyClicks(name, typed);
    QTest::keyClick(name, Qt::Key_Return);
    return dialog->result() == QDialog::Accepted ? dialog->selectedFiles().value(0).toStdString()
                                                 : std::string("(sin aceptar)");
  };
  EXPECT_EQ(guardar("informe", 0), dir.File("informe.txt"));
  EXPECT_EQ(guardar("informe.2024", 0), dir.File("informe.2024"));
  EXPECT_EQ(guardar("informe", 1), dir.File("informe"));

  auto dialog = QtFileDialog::Build(FileDialogMode::Save, "", "");
  EXPECT_EQ(dialog->windowTitle(), "Guardar como");
  auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Cancelar");
  EXPECT_EQ(QtFileDialog::Build(FileDialogMode::Open, "", "")->windowTitle(), "Abrir");
}

TEST(QtInputBox, BuildsAPromptWithItsTitleAndAnswersAhead) {
  auto caja = QtInputBox::Build("Ingrese el nombre para la carpeta nueva", "Nueva carpeta", "x");
  EXPECT_EQ(caja->windowTitle(), "Nueva carpeta");
  EXPECT_EQ(caja->labelText(), "Ingrese el nombre para la carpeta nueva");
  EXPECT_EQ(caja->textValue(), "x");
  EXPECT_EQ(caja->inputMode(), QInputDialog::TextInput);
  EXPECT_EQ(QtInputBox::Build("p", "", "")->windowTitle(), "Remendor");
  EXPECT_EQ(caja->okButtonText(), "Aceptar");
  EXPECT_EQ(caja->cancelButtonText(), "Cancelar");

  ScopedService<InputBoxService> qt(std::make_shared<QtInputBox>());
  QtInputBox::SetNextAnswer("Respaldo");
  QtInputBox::SetNextAnswer("");
  EXPECT_EQ(InputBox("p", "t"), "Respaldo");
  EXPECT_EQ(InputBox("p", "t"), "");
  QtInputBox::ClearNextAnswers();
}

TEST(QtFileExplorer, AMissingFolderStartsNothingAndResultsCanBeGivenAhead) {
  ScopedService<FileExplorerService> qt(std::make_shared<QtFileExplorer>());
  EXPECT_FALSE(FileExplorerService::Current().Open("/no/such/folder/anywhere"));
  QtFileExplorer::SetNextResult(true);
  EXPECT_TRUE(FileExplorerService::Current().Open("/no/such/folder/anywhere"));
  QtFileExplorer::ClearNextResults();
}
