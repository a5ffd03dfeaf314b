// The texts of the notices a recording message box has shown, in order,
// and the box emptied. A notice is an OK-only box under the program's
// title; any other box fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RecordingMessageBox.h"

inline std::vector<std::string> TakeNoticeTexts(RecordingMessageBox& messageBoxes) {
  std::vector<std::string> textos;
  for (const auto& m : messageBoxes.Boxes()) {
    EXPECT_EQ(m.style, msgbox::vbOKOnly);
    EXPECT_EQ(m.title, "Remendor");
    textos.push_back(m.text);
  }
  messageBoxes.Clear();
  return textos;
}
