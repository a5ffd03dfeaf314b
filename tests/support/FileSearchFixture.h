// The file search box's tests: a scratch folder holding datos.mdb, and the
// file dialog and message box answered ahead of time.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "host/RecordingFileDialog.h"
#include "host/RecordingMessageBox.h"
#include "support/NoticeTexts.h"
#include "support/TempDir.h"

class FileSearchFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    cajas = std::make_shared<RecordingMessageBox>();
    anterioresCajas = MessageBoxService::Install(cajas);
    dialogo = std::make_shared<RecordingFileDialog>();
    anteriorDialogo = FileDialogService::Install(dialogo);
    std::ofstream(dir.File("datos.mdb")) << "x";
  }
  void TearDown() override {
    MessageBoxService::Install(anterioresCajas);
    FileDialogService::Install(anteriorDialogo);
  }
  std::vector<std::string> Mensajes() { return TakeNoticeTexts(*cajas); }

  TempDir dir;
  std::shared_ptr<RecordingMessageBox> cajas;
  std::shared_ptr<MessageBoxService> anterioresCajas;
  std::shared_ptr<RecordingFileDialog> dialogo;
  std::shared_ptr<FileDialogService> anteriorDialogo;
};
