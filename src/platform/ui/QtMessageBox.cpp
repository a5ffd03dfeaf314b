/*
** Message boxes on QMessageBox. See QtMessageBox.h.
*/
#include "platform/ui/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <deque>
#include <vector>

namespace {

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  int answer;
};

// The buttons of each style, in the order the style names them.
std::vector<ButtonAnswer> ButtonsOf(int style) {
  using QMB = QMessageBox;
  switch (msgbox::ButtonsOf(style)) {
    case msgbox::vbOKCancel:
      return {{QMB::Ok, msgbox::vbOK}, {QMB::Cancel, msgbox::vbCancel}};
    case msgbox::vbAbortRetryIgnore:
      return {{QMB::Abort, msgbox::vbAbort},
              {QMB::Retry, msgbox::vbRetry},
              {QMB::Ignore, msgbox::vbIgnore}};
    case msgbox::vbYesNoCancel:
      return {{QMB::Yes, msgbox::vbYes}, {QMB::No, msgbox::vbNo}, {QMB::Cancel, msgbox::vbCancel}};
    case msgbox::vbYesNo:
      return {{QMB::Yes, msgbox::vbYes}, {QMB::No, msgbox::vbNo}};
    case msgbox::vbRetryCancel:
      return {{QMB::Retry, msgbox::vbRetry}, {QMB::Cancel, msgbox::vbCancel}};
    default:
      return {{QMB::Ok, msgbox::vbOK}};
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (msgbox::IconOf(style)) {
    case msgbox::vbCritical:
      return QMessageBox::Critical;
    case msgbox::vbQuestion:
      return QMessageBox::Question;
    case msgbox::vbExclamation:
      return QMessageBox::Warning;
    case msgbox::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// 0 for the first button, 1 for the second, 2 for the third.
int DefaultPosition(int style) {
  if (style & msgbox::vbDefaultButton3) return 2;
  if (style & msgbox::vbDefaultButton2) return 1;
  return 0;
}

std::deque<int>& NextAnswers() {
  static std::deque<int> answers;
  return answers;
}

}  // namespace

std::unique_ptr<QMessageBox> QtMessageBox::Build(const std::string& text, int style,
                                                 const std::string& title, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(QString::fromStdString(title.empty() ? std::string(kAppTitle) : title));
  box->setTextFormat(Qt::PlainText);
  box->setText(QString::fromStdString(text));
  box->setIcon(IconOf(style));
  const std::vector<ButtonAnswer> buttons = ButtonsOf(style);
  QMessageBox::StandardButtons set;
  for (const ButtonAnswer& b : buttons) set |= b.button;
  box->setStandardButtons(set);
  // Named here rather than by Qt's catalogue, so that they read as the
  // operator's Windows writes them even where the catalogue is missing.
  for (const ButtonAnswer& b : buttons) {
    box->button(b.button)->setText(QString::fromUtf8(msgbox::ButtonCaption(b.answer)));
  }
  // A default position past the last button falls back to the first.
  size_t position = static_cast<size_t>(DefaultPosition(style));
  if (position >= buttons.size()) position = 0;
  box->setDefaultButton(buttons[position].button);
  return box;
}

int QtMessageBox::AnswerOf(const QMessageBox& box, int style) {
  const std::vector<ButtonAnswer> buttons = ButtonsOf(style);
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonAnswer& b : buttons) {
    if (clicked && box.button(b.button) == clicked) return b.answer;
  }
  // Closed without a button: Cancel where the box has one, otherwise the
  // last button, which is the one that does the least.
  for (const ButtonAnswer& b : buttons) {
    if (b.answer == msgbox::vbCancel) return b.answer;
  }
  return buttons.back().answer;
}

int QtMessageBox::Show(const std::string& text, int style, const std::string& title) {
  if (!NextAnswers().empty()) {
    const int answer = NextAnswers().front();
    NextAnswers().pop_front();
    return answer;
  }
  std::unique_ptr<QMessageBox> box = Build(text, style, title, QApplication::activeWindow());
  // A box waits for the operator, so it shows the ordinary pointer even
  // while the program shows that it is busy.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box->exec();
  if (busy) QApplication::restoreOverrideCursor();
  return AnswerOf(*box, style);
}

std::shared_ptr<MessageBoxService> QtMessageBox::Install() {
  return MessageBoxService::Install(std::make_shared<QtMessageBox>());
}

void QtMessageBox::SetNextAnswer(int answer) {
  NextAnswers().push_back(answer);
}

void QtMessageBox::ClearNextAnswers() {
  NextAnswers().clear();
}
