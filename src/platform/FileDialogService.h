/*
** FileDialogService: the seam through which the core asks the operator for
** a file to open or a file name to save under. The core never opens a
** dialog itself.
**
** Ask shows the dialog in the given mode with a filter in the dialog's own
** form ("Bases de datos (*.mdb);;Todos (*)", see FileFilter), opened on
** `start` (a folder, or a file whose folder it opens with the file's name
** offered; empty: the dialog's own choice), and returns the chosen file's
** full path, or nothing when the operator cancelled. A name typed without
** an extension in the save dialog gets the extension of the filter chosen
** (FileFilter::DefaultExtension), as the Windows dialog adds it.
** A dialog that cannot be shown raises an AppError.
**
** The program installs QtFileDialog (platform/ui); tests install a
** RecordingFileDialog that answers ahead of time. With nothing installed
** every dialog is cancelled.
*/
#pragma once

#include <memory>
#include <optional>
#include <string>

enum class FileDialogMode { Open, Save };

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual std::optional<std::string> Ask(FileDialogMode mode, const std::string& filter,
                                         const std::string& start) = 0;

  static std::shared_ptr<FileDialogService> Install(std::shared_ptr<FileDialogService> service);
  static FileDialogService& Current();
};
