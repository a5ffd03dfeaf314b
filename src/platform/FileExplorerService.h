/*
** FileExplorerService: the seam through which the core shows a folder in
** the desktop's file manager.
**
** Open starts the file manager on the folder and returns at once, without
** waiting for it: true when it could be started, false when not. It
** raises nothing.
**
** The program installs QtFileExplorer (platform/ui); tests install a
** RecordingFileExplorer, which starts nothing. With nothing installed no
** file manager is started and Open answers false.
*/
#pragma once

#include <memory>
#include <string>

class FileExplorerService {
 public:
  virtual ~FileExplorerService() = default;
  virtual bool Open(const std::string& folder) = 0;

  static std::shared_ptr<FileExplorerService> Install(std::shared_ptr<FileExplorerService> service);
  static FileExplorerService& Current();
};
