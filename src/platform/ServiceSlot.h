/*
** ServiceSlot: the one installed instance of a seam (file dialog, input
** box, file explorer, drive list), as MessageBoxService keeps its own.
**
** The program installs the real service at start-up; tests install a
** recording one that answers ahead of time. With nothing installed the
** slot holds a `Default`, which never blocks and never touches the desktop,
** so that a core routine run without a screen cannot hang on a dialog.
*/
#pragma once

#include <memory>

template <typename Service, typename Default>
class ServiceSlot {
 public:
  // Installs `service` (a default one for nullptr) and returns the one it
  // replaces, so that a test can put it back.
  static std::shared_ptr<Service> Install(std::shared_ptr<Service> service) {
    auto previous = Slot();
    Slot() = service ? std::move(service) : std::make_shared<Default>();
    return previous;
  }
  static Service& Current() { return *Slot(); }

 private:
  static std::shared_ptr<Service>& Slot() {
    static std::shared_ptr<Service> service = std::make_shared<Default>();
    return service;
  }
};
