/*
** The Qt services, installed together. See QtServices.h.
*/
#include "platform/ui/QtServices.h"

#include "platform/ui/QtFileDialog.h"
#include "platform/ui/QtFileExplorer.h"
#include "platform/ui/QtInputBox.h"
#include "platform/ui/QtMessageBox.h"

namespace QtServices {

void InstallAll() {
  QtMessageBox::Install();
  QtFileDialog::Install();
  QtInputBox::Install();
  QtFileExplorer::Install();
}

}  // namespace QtServices
