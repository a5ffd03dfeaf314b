/*
** File dialogs on QFileDialog. See QtFileDialog.h.
*/
#include "platform/ui/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <deque>

namespace {

std::deque<std::optional<std::string>>& NextAnswers() {
  static std::deque<std::optional<std::string>> answers;
  return answers;
}

}  // namespace

std::optional<std::string> QtFileDialog::Ask(FileDialogMode mode, const std::string& filter) {
  if (!NextAnswers().empty()) {
    std::optional<std::string> answer = NextAnswers().front();
    NextAnswers().pop_front();
    return answer;
  }
  QWidget* parent = QApplication::activeWindow();
  const QString qtFilter = QString::fromStdString(filter);
  const QString chosen = mode == FileDialogMode::Save
                             ? QFileDialog::getSaveFileName(parent, QString(), QString(), qtFilter)
                             : QFileDialog::getOpenFileName(parent, QString(), QString(), qtFilter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::shared_ptr<FileDialogService> QtFileDialog::Install() {
  return FileDialogService::Install(std::make_shared<QtFileDialog>());
}

void QtFileDialog::SetNextFileName(const std::string& name) {
  NextAnswers().push_back(name);
}

void QtFileDialog::SetNextCancel() {
  NextAnswers().push_back(std::nullopt);
}

void QtFileDialog::ClearNextAnswers() {
  NextAnswers().clear();
}
