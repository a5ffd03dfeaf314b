/*
** QtFileExplorer: shows a folder in the desktop's file manager through
** QDesktopServices::openUrl, which hands the folder's file: URL to the
** desktop (xdg-open on Linux) and returns without waiting for the file
** manager. It answers false for a folder that does not exist, without
** starting anything, and false when the desktop could not be asked.
**
** Test hook: SetNextResult(started) makes the next Open answer by itself,
** without starting anything. Results queue up.
*/
#pragma once

#include <memory>
#include <string>

#include "platform/FileExplorerService.h"

class QtFileExplorer : public FileExplorerService {
 public:
  bool Open(const std::string& folder) override;

  // Makes a QtFileExplorer the program's file explorer; the service it
  // replaces is returned, so that a test can put it back.
  static std::shared_ptr<FileExplorerService> Install();

  static void SetNextResult(bool started);
  static void ClearNextResults();
};
