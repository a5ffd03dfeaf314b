// The seams' scoped guard: what it installs is the seam's service while it
// lives, and what it found there comes back when it goes, from nested
// scopes and from a scope left by an exception.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/DriveService.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"

TEST(ScopedService, PutsBackWhatItFoundHoweverItsScopeEnds) {
  MessageBoxService* const before = &MessageBoxService::Current();
  {
    ScopedService<RecordingMessageBox> outer;
    EXPECT_EQ(&MessageBoxService::Current(), outer.Get().get());
    try {
      ScopedService<RecordingMessageBox> inner;
      MsgBox("dentro");
      EXPECT_EQ(inner->Boxes().size(), 1u);
      throw std::runtime_error("scope left by an error");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(&MessageBoxService::Current(), outer.Get().get());
    MsgBox("fuera");
    ASSERT_EQ(outer->Boxes().size(), 1u);
    EXPECT_EQ(outer->Boxes()[0].text, "fuera");
  }
  EXPECT_EQ(&MessageBoxService::Current(), before);

  // A service given is installed as it is; none stands for the seam's default.
  ScopedService<DriveService> fixed(std::make_shared<FixedDrives>(std::vector<std::string>{"/x"}));
  {
    ScopedService<DriveService> machine(nullptr);
    EXPECT_EQ(DriveService::Current().Drives(), SystemDrives().Drives());
  }
  EXPECT_EQ(DriveService::Current().Drives(), std::vector<std::string>{"/x"});
}
