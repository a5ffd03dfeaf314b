// The windowed program's file dialog, input box and file manager: the
// dialogs they build and their answers given ahead of time, without a screen.
#include <gtest/gtest.h>

#include <QInputDialog>

#include "platform/FileDialogService.h"
#include "platform/FileExplorerService.h"
#include "platform/InputBoxService.h"
#include "platform/ScopedService.h"
#include "platform/ui/QtFileDialog.h"
#include "platform/ui/QtFileExplorer.h"
#include "platform/ui/QtInputBox.h"

TEST(QtFileDialog, NextFileNamesAnswerTheDialogsInTurn) {
  ScopedService<FileDialogService> qt(std::make_shared<QtFileDialog>());
  QtFileDialog::SetNextFileName("/tmp/datos.mdb");
  QtFileDialog::SetNextCancel();
  EXPECT_EQ(FileDialogService::Current().Ask(FileDialogMode::Open, "Bases (*.mdb)"),
            "/tmp/datos.mdb");
  EXPECT_FALSE(FileDialogService::Current().Ask(FileDialogMode::Save, "").has_value());
  QtFileDialog::ClearNextAnswers();
}

TEST(QtInputBox, BuildsAPromptWithItsTitleAndAnswersAhead) {
  auto caja = QtInputBox::Build("Ingrese el nombre para la carpeta nueva", "Nueva carpeta", "x");
  EXPECT_EQ(caja->windowTitle(), "Nueva carpeta");
  EXPECT_EQ(caja->labelText(), "Ingrese el nombre para la carpeta nueva");
  EXPECT_EQ(caja->textValue(), "x");
  EXPECT_EQ(caja->inputMode(), QInputDialog::TextInput);
  EXPECT_EQ(QtInputBox::Build("p", "", "")->windowTitle(), "Remendor");

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
