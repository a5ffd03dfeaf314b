/*
** Input boxes on QInputDialog. See QtInputBox.h.
*/
#include "platform/ui/QtInputBox.h"

#include <QApplication>
#include <QInputDialog>
#include <deque>

#include "platform/MessageBoxService.h"

namespace {

std::deque<std::string>& NextAnswers() {
  static std::deque<std::string> answers;
  return answers;
}

}  // namespace

std::unique_ptr<QInputDialog> QtInputBox::Build(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText, QWidget* parent) {
  auto box = std::make_unique<QInputDialog>(parent);
  box->setInputMode(QInputDialog::TextInput);
  box->setWindowTitle(QString::fromStdString(title.empty() ? std::string(kAppTitle) : title));
  box->setLabelText(QString::fromStdString(prompt));
  box->setTextValue(QString::fromStdString(defaultText));
  box->setOkButtonText(QString::fromUtf8(msgbox::ButtonCaption(msgbox::vbOK)));
  box->setCancelButtonText(QString::fromUtf8(msgbox::ButtonCaption(msgbox::vbCancel)));
  return box;
}

std::string QtInputBox::Ask(const std::string& prompt, const std::string& title,
                            const std::string& defaultText) {
  if (!NextAnswers().empty()) {
    std::string answer = NextAnswers().front();
    NextAnswers().pop_front();
    return answer;
  }
  std::unique_ptr<QInputDialog> box =
      Build(prompt, title, defaultText, QApplication::activeWindow());
  if (box->exec() != QDialog::Accepted) return std::string();
  return box->textValue().toStdString();
}

std::shared_ptr<InputBoxService> QtInputBox::Install() {
  return InputBoxService::Install(std::make_shared<QtInputBox>());
}

void QtInputBox::SetNextAnswer(const std::string& answer) {
  NextAnswers().push_back(answer);
}

void QtInputBox::ClearNextAnswers() {
  NextAnswers().clear();
}
