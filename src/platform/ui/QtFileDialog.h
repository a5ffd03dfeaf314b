/*
** QtFileDialog: the file dialog of the windowed program, on QFileDialog's
** open and save dialogs (the desktop's own where Qt has one).
**
** The dialog is modal over the active window and starts in the process's
** current folder, with the filter given (Qt's form, see FileFilter); the
** save dialog asks before it overwrites a file that exists. A cancelled
** dialog answers nothing.
**
** Test hook, as for message boxes: SetNextFileName(name) makes the next
** dialog answer `name` by itself, without being shown, and SetNextCancel()
** makes it answer as cancelled. Answers queue up, one per dialog.
*/
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/FileDialogService.h"

class QtFileDialog : public FileDialogService {
 public:
  std::optional<std::string> Ask(FileDialogMode mode, const std::string& filter) override;

  // Makes a QtFileDialog the program's file dialog; the service it
  // replaces is returned, so that a test can put it back.
  static std::shared_ptr<FileDialogService> Install();

  static void SetNextFileName(const std::string& name);
  static void SetNextCancel();
  static void ClearNextAnswers();
};
