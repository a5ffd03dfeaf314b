/*
** PlatformFolders: the thin platform layer behind the Windows folders.
**
** On Windows these are the system calls GetWindowsDirectoryA and
** GetSystemDirectoryA. Elsewhere the Windows folder is the value of the
** environment variable WINDIR and the system folder is its subfolder
** "system32". Each answers with the folder as the system gives it (no
** trailing separator is promised), or an empty text when there is none.
*/
#pragma once

#include <string>

namespace platform {

std::string WindowsDirectory();
std::string SystemDirectory();

}  // namespace platform
