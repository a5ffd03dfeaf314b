/*
** The installed file explorer. See FileExplorerService.h.
*/
#include "platform/FileExplorerService.h"

#include "platform/RecordingFileExplorer.h"
#include "platform/ServiceSlot.h"

using FileExplorerSlot = ServiceSlot<FileExplorerService, RecordingFileExplorer>;

std::shared_ptr<FileExplorerService> FileExplorerService::Install(
    std::shared_ptr<FileExplorerService> service) {
  return FileExplorerSlot::Install(std::move(service));
}

FileExplorerService& FileExplorerService::Current() {
  return FileExplorerSlot::Current();
}
