/*
** RecordingFileExplorer: a file explorer that starts nothing. It keeps the
** folders it is asked to show and answers from a queue of results set
** ahead of time (SetNextResult); with the queue empty it answers
** `defaultResult`.
*/
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/FileExplorerService.h"

class RecordingFileExplorer : public FileExplorerService {
 public:
  explicit RecordingFileExplorer(bool defaultResult = false) : default_(defaultResult) {}

  bool Open(const std::string& folder) override {
    folders_.push_back(folder);
    if (results_.empty()) return default_;
    const bool result = results_.front();
    results_.pop_front();
    return result;
  }

  void SetNextResult(bool started) { results_.push_back(started); }
  const std::vector<std::string>& Folders() const { return folders_; }

 private:
  bool default_;
  std::vector<std::string> folders_;
  std::deque<bool> results_;
};
