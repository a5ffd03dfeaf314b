/*
** File dialogs on QFileDialog. See QtFileDialog.h.
*/
#include "platform/ui/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>
#include <deque>

#include "platform/FileFilter.h"

namespace {

std::deque<std::optional<std::string>>& NextAnswers() {
  static std::deque<std::optional<std::string>> answers;
  return answers;
}

// The extension the save dialog adds is the one of the filter chosen, and
// changes with it.
void FollowFilter(QFileDialog& dialog, const QString& entry) {
  dialog.setDefaultSuffix(
      QString::fromStdString(FileFilter::DefaultExtension(entry.toStdString())));
}

}  // namespace

std::unique_ptr<QFileDialog> QtFileDialog::Build(FileDialogMode mode, const std::string& filter,
                                                 const std::string& start, QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  // Qt's own dialog, never the desktop's: it speaks Spanish whatever the
  // desktop's language, and its columns are fitted below.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setWindowTitle(mode == FileDialogMode::Save ? QStringLiteral("Guardar como")
                                                      : QStringLiteral("Abrir"));
  dialog->setNameFilter(QString());
  if (!filter.empty()) dialog->setNameFilters(QString::fromStdString(filter).split(";;"));
  dialog->setAcceptMode(mode == FileDialogMode::Save ? QFileDialog::AcceptSave
                                                     : QFileDialog::AcceptOpen);
  dialog->setFileMode(mode == FileDialogMode::Save ? QFileDialog::AnyFile
                                                   : QFileDialog::ExistingFile);
  const QFileInfo where(QString::fromStdString(start));
  if (where.isDir()) {
    dialog->setDirectory(where.absoluteFilePath());
  } else if (!start.empty()) {
    dialog->setDirectory(where.absolutePath());
    dialog->selectFile(where.fileName());
  }
  if (mode == FileDialogMode::Save) {
    FollowFilter(*dialog, dialog->selectedNameFilter());
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                     [d = dialog.get()](const QString& entry) { FollowFilter(*d, entry); });
  }
  // Every column shows its texts whole: size, type and date as wide as
  // they need, the name taking the rest of a dialog wide enough for them.
  if (auto* files = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = files->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column) {
      header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
  }
  const QFontMetrics metrics(dialog->font());
  dialog->resize(dialog->sizeHint().expandedTo(
      QSize(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 30)));
  return dialog;
}

std::optional<std::string> QtFileDialog::Ask(FileDialogMode mode, const std::string& filter,
                                             const std::string& start) {
  if (!NextAnswers().empty()) {
    std::optional<std::string> answer = NextAnswers().front();
    NextAnswers().pop_front();
    return answer;
  }
  std::unique_ptr<QFileDialog> dialog = Build(mode, filter, start, QApplication::activeWindow());
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  const QString chosen = dialog->selectedFiles().first();
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
