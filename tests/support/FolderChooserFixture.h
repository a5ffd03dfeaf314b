// The folder chooser's tests: a scratch tree (Datos with Viejos, Anual, a
// hidden folder and a file) and the seams the chooser uses, answered
// ahead of time: drives ("/", the scratch folder and a volume that cannot
// be read), the input box, the file manager and the message box.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "host/DriveService.h"
#include "host/RecordingFileExplorer.h"
#include "host/RecordingInputBox.h"
#include "host/RecordingMessageBox.h"
#include "support/NoticeTexts.h"
#include "support/TempDir.h"

class FolderChooserFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    fs::create_directories(dir.Path() / "Datos" / "Viejos");
    fs::create_directories(dir.Path() / "Datos" / ".oculta");
    fs::create_directories(dir.Path() / "Datos" / "Anual");
    std::ofstream(dir.File("Datos/archivo.txt")) << "x";
    raiz = dir.Path().string();
    cajas = std::make_shared<RecordingMessageBox>();
    anterioresCajas = MessageBoxService::Install(cajas);
    pregunta = std::make_shared<RecordingInputBox>();
    anteriorPregunta = InputBoxService::Install(pregunta);
    explorador = std::make_shared<RecordingFileExplorer>(true);
    anteriorExplorador = FileExplorerService::Install(explorador);
    anterioresUnidades = DriveService::Install(
        std::make_shared<FixedDrives>(std::vector<std::string>{"/", raiz, raiz + "/sin-medio"}));
  }
  void TearDown() override {
    MessageBoxService::Install(anterioresCajas);
    InputBoxService::Install(anteriorPregunta);
    FileExplorerService::Install(anteriorExplorador);
    DriveService::Install(anterioresUnidades);
  }
  std::vector<std::string> Mensajes() { return TakeNoticeTexts(*cajas); }

  TempDir dir;
  std::string raiz;
  std::shared_ptr<RecordingMessageBox> cajas;
  std::shared_ptr<MessageBoxService> anterioresCajas;
  std::shared_ptr<RecordingInputBox> pregunta;
  std::shared_ptr<InputBoxService> anteriorPregunta;
  std::shared_ptr<RecordingFileExplorer> explorador;
  std::shared_ptr<FileExplorerService> anteriorExplorador;
  std::shared_ptr<DriveService> anterioresUnidades;
};
