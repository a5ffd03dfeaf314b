// The file search box's tests: a scratch folder holding datos.mdb, and the
// file dialog and message box answered ahead of time.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/RecordingFileDialog.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/NoticeTexts.h"
#include "support/TempDir.h"

class FileSearchFixture : public ::testing::Test {
 protected:
  void SetUp() override { std::ofstream(dir.File("datos.mdb")) << "x"; }
  std::vector<std::string> Notices() { return TakeNoticeTexts(*messageBoxes); }

  TempDir dir;
  ScopedService<RecordingMessageBox> messageBoxes;
  ScopedService<RecordingFileDialog> fileDialog;
};
