/*
** RecordingFileDialog: a file dialog that shows nothing. It keeps every
** request (mode, filter and where it opens) and answers from a queue set ahead of time:
** SetNextFileName names the file the next dialog returns, SetNextCancel
** makes it cancelled, SetNextError makes it fail with an AppError. With the
** queue empty a dialog is cancelled.
*/
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/AppError.h"
#include "platform/FileDialogService.h"

class RecordingFileDialog : public FileDialogService {
 public:
  struct Request {
    FileDialogMode mode;
    std::string filter;
    std::string start;
  };

  std::optional<std::string> Ask(FileDialogMode mode, const std::string& filter,
                                 const std::string& start) override {
    requests_.push_back({mode, filter, start});
    if (answers_.empty()) return std::nullopt;
    Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.error) throw AppError(answer.error, answer.text);
    return answer.name;
  }

  void SetNextFileName(const std::string& name) { answers_.push_back({name, 0, {}}); }
  void SetNextCancel() { answers_.push_back({std::nullopt, 0, {}}); }
  void SetNextError(int number, const std::string& description) {
    answers_.push_back({std::nullopt, number, description});
  }
  const std::vector<Request>& Requests() const { return requests_; }

 private:
  struct Answer {
    std::optional<std::string> name;
    int error;
    std::string text;
  };
  std::vector<Request> requests_;
  std::deque<Answer> answers_;
};
