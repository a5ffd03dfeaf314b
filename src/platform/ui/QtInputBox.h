/*
** QtInputBox: the input box of the windowed program, on QInputDialog: the
** prompt, one line to type in, "Aceptar" and "Cancelar", modal over the
** active window. A cancelled box answers "".
**
** Test hook: SetNextAnswer(text) makes the next box answer `text` by
** itself, without being shown ("" for a cancelled box). Answers queue up.
*/
#pragma once

#include <memory>
#include <string>

#include "platform/InputBoxService.h"

class QInputDialog;
class QWidget;

class QtInputBox : public InputBoxService {
 public:
  std::string Ask(const std::string& prompt, const std::string& title,
                  const std::string& defaultText) override;

  // Makes a QtInputBox the program's input box; the service it replaces
  // is returned, so that a test can put it back.
  static std::shared_ptr<InputBoxService> Install();
  // The dialog that Ask runs for these arguments, not yet shown.
  static std::unique_ptr<QInputDialog> Build(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText,
                                             QWidget* parent = nullptr);

  static void SetNextAnswer(const std::string& answer);
  static void ClearNextAnswers();
};
