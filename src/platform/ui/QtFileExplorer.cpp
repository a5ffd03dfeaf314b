/*
** The desktop's file manager through QDesktopServices. See QtFileExplorer.h.
*/
#include "platform/ui/QtFileExplorer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <deque>

namespace {

std::deque<bool>& NextResults() {
  static std::deque<bool> results;
  return results;
}

}  // namespace

bool QtFileExplorer::Open(const std::string& folder) {
  if (!NextResults().empty()) {
    const bool result = NextResults().front();
    NextResults().pop_front();
    return result;
  }
  const QString path = QString::fromStdString(folder);
  if (!QFileInfo(path).isDir()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::shared_ptr<FileExplorerService> QtFileExplorer::Install() {
  return FileExplorerService::Install(std::make_shared<QtFileExplorer>());
}

void QtFileExplorer::SetNextResult(bool started) {
  NextResults().push_back(started);
}

void QtFileExplorer::ClearNextResults() {
  NextResults().clear();
}
