/*
** QtServices: puts the Qt dialogs behind every platform seam at once
** (message box, file dialog, input box, file manager). A windowed program
** calls it once, after its QApplication exists and before its first
** window; tests leave the recorders in place instead.
*/
#pragma once

namespace QtServices {

void InstallAll();

}  // namespace QtServices
