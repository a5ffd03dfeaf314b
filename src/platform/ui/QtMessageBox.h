/*
** QtMessageBox: the message-box service of the windowed program, on
** QMessageBox.
**
** A style (buttons + icon + default button, added up as in
** MessageBoxService.h) becomes the dialog's buttons, its icon and its
** default button; the button pressed becomes the answer.
** The buttons read as on a Spanish Windows (msgbox::ButtonCaption),
** whatever Qt's catalogue says. An empty title shows the program's title. Texts are shown as plain
*text:
** an error description that happens to hold "<" is not read as markup.
**
** Test hook: SetNextAnswer(answer) makes the next box answer by itself,
** without being shown, so that a test can run a routine that asks the
** operator without a screen. Answers queue up, one per box.
*/
#pragma once

#include <memory>
#include <string>

#include "platform/MessageBoxService.h"

class QMessageBox;
class QWidget;

class QtMessageBox : public MessageBoxService {
 public:
  int Show(const std::string& text, int style, const std::string& title) override;

  // Makes a QtMessageBox the program's message-box service; the service
  // it replaces is returned, so that a test can put it back.
  static std::shared_ptr<MessageBoxService> Install();

  // The dialog that Show runs for these arguments, not yet shown.
  static std::unique_ptr<QMessageBox> Build(const std::string& text, int style,
                                            const std::string& title, QWidget* parent = nullptr);
  // The answer of the button pressed in `box`, or of closing it without
  // pressing one.
  static int AnswerOf(const QMessageBox& box, int style);

  static void SetNextAnswer(int answer);
  static void ClearNextAnswers();
};
