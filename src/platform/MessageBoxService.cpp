/*
** The installed message-box service. See MessageBoxService.h.
*/
#include "platform/MessageBoxService.h"

#include "platform/RecordingMessageBox.h"

namespace {
std::shared_ptr<MessageBoxService>& Slot() {
  static std::shared_ptr<MessageBoxService> service = std::make_shared<RecordingMessageBox>();
  return service;
}
}  // namespace

int msgbox::FirstAnswer(int style) {
  switch (ButtonsOf(style)) {
    case vbAbortRetryIgnore:
      return vbAbort;
    case vbYesNoCancel:
    case vbYesNo:
      return vbYes;
    case vbRetryCancel:
      return vbRetry;
    default:
      return vbOK;
  }
}

const char* msgbox::ButtonCaption(int answer) {
  switch (answer) {
    case vbOK:
      return "Aceptar";
    case vbCancel:
      return "Cancelar";
    case vbAbort:
      return "&Anular";
    case vbRetry:
      return "&Reintentar";
    case vbIgnore:
      return "&Omitir";
    case vbYes:
      return "&Sí";
    case vbNo:
      return "&No";
    default:
      return "";
  }
}

std::shared_ptr<MessageBoxService> MessageBoxService::Install(
    std::shared_ptr<MessageBoxService> service) {
  auto previous = Slot();
  Slot() = service ? std::move(service) : std::make_shared<RecordingMessageBox>();
  return previous;
}

MessageBoxService& MessageBoxService::Current() {
  return *Slot();
}

int MsgBox(const std::string& text, int style, const std::string& title) {
  return MessageBoxService::Current().Show(text, style, title);
}

int RecordingMessageBox::Show(const std::string& text, int style, const std::string& title) {
  boxes_.push_back({text, style, title});
  if (answers_.empty()) return msgbox::FirstAnswer(style);
  int answer = answers_.front();
  answers_.pop_front();
  return answer;
}
