/*
** ProgramHelp: the parts that remendor's and remendor-db's --version and
** --help have in common.
**
** Both programs find the installation the same way and read the same
** repair metadata, so both helps end with the same paragraph saying where
** they look, filled with the folders of the moment: an operator reading it
** learns at once whether WINDIR is set and which metadata would be used.
** The version is the project's, fixed by the build.
*/
#pragma once

#include <string>

// "PROGRAM VERSION" and a line end, the answer to --version.
std::string VersionLine(const std::string& program);

// Where novuPath.sys and Remendor.mdb are looked for. `windowsFolder` is
// the Windows folder as the platform gives it (empty when there is none:
// WINDIR not set), `programFolder` the folder of the real executable.
std::string WhereItLooks(const std::string& windowsFolder, const std::string& programFolder);
