// The folder chooser's tests: a scratch tree (Datos with Viejos, Anual, a
// hidden folder and a file) and the seams the chooser uses, answered
// ahead of time: drives (the root, the scratch folder and a volume that
// cannot be read), the input box, the file manager and the message box.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/NativePath.h"
#include "platform/DriveService.h"
#include "platform/PathSeparator.h"
#include "platform/RecordingFileExplorer.h"
#include "platform/RecordingInputBox.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
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
  }
  std::vector<std::string> Notices() { return TakeNoticeTexts(*messageBoxes); }
  // A path inside the scratch tree, written with "/" and given with the
  // system's separator.
  std::string In(std::string relative) const {
    std::replace(relative.begin(), relative.end(), '/', kPathSeparator);
    return rootPath + kPathSeparatorText + relative;
  }
  // The root of the scratch tree's file system: "/", or its drive's "C:\".
  std::string Root() const { return NativePath::ToUtf8(dir.Path().root_path()); }

  TempDir dir;
  std::string rootPath = NativePath::ToUtf8(dir.Path());
  ScopedService<RecordingMessageBox> messageBoxes;
  ScopedService<RecordingInputBox> inputBox;
  ScopedService<RecordingFileExplorer> explorer{std::make_shared<RecordingFileExplorer>(true)};
  ScopedService<DriveService> unidades{
      std::make_shared<FixedDrives>(std::vector<std::string>{Root(), rootPath, In("sin-medio")})};
};
