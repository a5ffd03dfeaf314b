/*
** MessageBoxService: the one seam through which the core shows a message
** box. The core never opens a dialog itself.
**
** The program installs a real dialog (the widgets library has one), the
** command-line tool one that writes to standard error, and tests a
** RecordingMessageBox that keeps every box and answers ahead of time. With
** nothing installed, boxes are recorded by a default recorder that answers
** OK (or the first button), so a core routine never blocks.
**
** Styles are the platform's: buttons + icon + default button, added up.
*/
#pragma once

#include <memory>
#include <string>

namespace msgbox {
// Buttons.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
// Icons.
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
// Default button.
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;
// Answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

inline int ButtonsOf(int style) {
  return style & 0x0F;
}
inline int IconOf(int style) {
  return style & 0xF0;
}
// The answer of the first button of a style (OK, Abort, Yes, Retry).
int FirstAnswer(int style);
// The caption of the button that gives `answer`, as a Spanish Windows
// writes it ("Aceptar", "Cancelar", "&Sí", "&No", "&Anular",
// "&Reintentar", "&Omitir"; '&' before the access key); "" for no answer.
const char* ButtonCaption(int answer);
}  // namespace msgbox

// The program's title, shown on every box.
inline constexpr const char* kAppTitle = "Remendor";

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the box and returns the answer (msgbox::vbOK, vbYes, ...).
  virtual int Show(const std::string& text, int style, const std::string& title) = 0;

  // Installs the service used from now on; the previous one is returned
  // so that a test can put it back.
  static std::shared_ptr<MessageBoxService> Install(std::shared_ptr<MessageBoxService> service);
  static MessageBoxService& Current();
};

// Shows a box through the installed service: OK only, no icon and the
// program's title unless told otherwise.
int MsgBox(const std::string& text, int style = msgbox::vbOKOnly,
           const std::string& title = kAppTitle);
