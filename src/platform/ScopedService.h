/*
** ScopedService: puts a service in its seam for as long as the guard lives,
** and the service it found there back when the guard goes, however the
** scope is left (a failed assertion, an exception). Tests put their
** recorders in this way; so does code that borrows a seam for one call.
**
**   ScopedService<RecordingMessageBox> boxes;   // a new recorder, installed
**   boxes->SetNextAnswer(msgbox::vbNo);
**   ScopedService<DriveService> drives(std::make_shared<FixedDrives>(list));
**
** Service is a seam (MessageBoxService, FileDialogService, InputBoxService,
** FileExplorerService, DriveService, FontPlatform) or a class of one: the
** seam's own Install, which every class of it inherits, does the work.
** Without an argument the guard installs a new Service; with one, the
** service given (nullptr installs the seam's default, reached through
** Current()). Guards nest as scopes do: each puts back what it found, so
** they must end in the reverse order of their making. A guard is neither
** copied nor moved: one guard, one restore.
*/
#pragma once

#include <memory>
#include <utility>

template <typename Service>
class ScopedService {
 public:
  ScopedService() : ScopedService(std::make_shared<Service>()) {}
  explicit ScopedService(std::shared_ptr<Service> service)
      : service_(std::move(service)), previous_(Service::Install(service_)) {}
  ~ScopedService() { Service::Install(std::move(previous_)); }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

  Service& operator*() const { return *service_; }
  Service* operator->() const { return service_.get(); }
  const std::shared_ptr<Service>& Get() const { return service_; }

 private:
  std::shared_ptr<Service> service_;
  decltype(Service::Install(nullptr)) previous_;
};
