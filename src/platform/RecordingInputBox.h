/*
** RecordingInputBox: an input box that shows nothing. It keeps every
** request and answers from a queue of texts set ahead of time
** (SetNextAnswer; "" stands for a cancelled box); with the queue empty the
** box is cancelled.
*/
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/InputBoxService.h"

class RecordingInputBox : public InputBoxService {
 public:
  struct Request {
    std::string prompt;
    std::string title;
    std::string defaultText;
  };

  std::string Ask(const std::string& prompt, const std::string& title,
                  const std::string& defaultText) override {
    requests_.push_back({prompt, title, defaultText});
    if (answers_.empty()) return std::string();
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  void SetNextAnswer(const std::string& answer) { answers_.push_back(answer); }
  const std::vector<Request>& Requests() const { return requests_; }

 private:
  std::vector<Request> requests_;
  std::deque<std::string> answers_;
};
