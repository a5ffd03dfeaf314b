/*
** RecordingMessageBox: a message-box service that shows nothing. It keeps
** every box it is asked to show and answers from a queue of answers set
** ahead of time (SetNextAnswer); with the queue empty it answers with the
** style's first button. Tests install one; so does the core by default.
*/
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBoxService.h"

class RecordingMessageBox : public MessageBoxService {
 public:
  struct Box {
    std::string text;
    int style;
    std::string title;
  };

  int Show(const std::string& text, int style, const std::string& title) override;

  void SetNextAnswer(int answer) { answers_.push_back(answer); }
  const std::vector<Box>& Boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  std::vector<Box> boxes_;
  std::deque<int> answers_;
};
