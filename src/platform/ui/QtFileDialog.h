/*
** QtFileDialog: the file dialog of the windowed program, Qt's own open and
** save dialogs ("Abrir", "Guardar como"), never the desktop's, so that it
** speaks Spanish (DesktopSetup) whatever the desktop's language.
**
** The dialog is modal over the active window and opens where it is told
** (a folder, or a file: its folder, with its name offered), else in the
** process's current folder, with the filter given (Qt's form, see
** FileFilter). The save dialog adds the chosen filter's extension to a
** name typed without one and asks before it overwrites a file that
** exists, the name with its extension. Its columns show their texts whole.
** A cancelled dialog answers nothing.
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

class QFileDialog;
class QWidget;

class QtFileDialog : public FileDialogService {
 public:
  std::optional<std::string> Ask(FileDialogMode mode, const std::string& filter,
                                 const std::string& start) override;

  // Makes a QtFileDialog the program's file dialog; the service it
  // replaces is returned, so that a test can put it back.
  static std::shared_ptr<FileDialogService> Install();

  // The dialog that Ask runs for these arguments, not yet shown.
  static std::unique_ptr<QFileDialog> Build(FileDialogMode mode, const std::string& filter,
                                            const std::string& start, QWidget* parent = nullptr);

  static void SetNextFileName(const std::string& name);
  static void SetNextCancel();
  static void ClearNextAnswers();
};
