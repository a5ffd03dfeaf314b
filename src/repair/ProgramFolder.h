/*
** ProgramFolder: the folder of the running program's real executable, where
** the repair metadata lies beside it.
**
** Links are resolved: an executable reached through a link in bin/ answers
** with the folder of the file the link points to. The answer carries no
** trailing separator, as every folder text of the system.
*/
#pragma once

#include <string>

// `argv0` serves only where the platform cannot name the running executable.
std::string ProgramFolder(const char* argv0 = nullptr);
