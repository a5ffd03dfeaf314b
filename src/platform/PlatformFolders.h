/*
** PlatformFolders: the thin platform layer behind the Windows folders.
**
** On Windows these are the system calls GetWindowsDirectoryW and
** GetSystemDirectoryW (the wide forms, so that no folder name loses a
** character to the ANSI code page). Elsewhere the Windows folder is the value of the
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
