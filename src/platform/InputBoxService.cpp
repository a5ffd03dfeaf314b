/*
** The installed input box. See InputBoxService.h.
*/
#include "platform/InputBoxService.h"

#include "platform/RecordingInputBox.h"
#include "platform/ServiceSlot.h"

using InputBoxSlot = ServiceSlot<InputBoxService, RecordingInputBox>;

std::shared_ptr<InputBoxService> InputBoxService::Install(
    std::shared_ptr<InputBoxService> service) {
  return InputBoxSlot::Install(std::move(service));
}

InputBoxService& InputBoxService::Current() {
  return InputBoxSlot::Current();
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
  return InputBoxService::Current().Ask(prompt, title, defaultText);
}
