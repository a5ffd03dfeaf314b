// A message-box recorder that lets a test act at the moment a box is
// shown, as the operator could: look at the window then, or click again.
#pragma once

#include <functional>
#include <string>

#include "platform/RecordingMessageBox.h"

class BoxWatcher : public RecordingMessageBox {
 public:
  int Show(const std::string& text, int style, const std::string& title) override {
    if (onShow) onShow();
    return RecordingMessageBox::Show(text, style, title);
  }
  std::function<void()> onShow;
};
