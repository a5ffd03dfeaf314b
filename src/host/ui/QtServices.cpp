/*
** The Qt services, installed together. See QtServices.h.
*/
#include "host/ui/QtServices.h"

#include "host/ui/QtFileDialog.h"
#include "host/ui/QtFileExplorer.h"
#include "host/ui/QtInputBox.h"
#include "host/ui/QtMessageBox.h"

namespace QtServices {

void InstallAll() {
  QtMessageBox::Install();
  QtFileDialog::Install();
  QtInputBox::Install();
  QtFileExplorer::Install();
}

}  // namespace QtServices
