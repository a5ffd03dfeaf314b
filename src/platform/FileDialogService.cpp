/*
** The installed file dialog. See FileDialogService.h.
*/
#include "platform/FileDialogService.h"

#include "platform/RecordingFileDialog.h"
#include "platform/ServiceSlot.h"

using FileDialogSlot = ServiceSlot<FileDialogService, RecordingFileDialog>;

std::shared_ptr<FileDialogService> FileDialogService::Install(
    std::shared_ptr<FileDialogService> service) {
  return FileDialogSlot::Install(std::move(service));
}

FileDialogService& FileDialogService::Current() {
  return FileDialogSlot::Current();
}
