/*
** NativePath: a UTF-8 path text as the platform's path, and back.
**
** Paths are UTF-8 texts everywhere in the system. On Linux a path is those
** bytes. On Windows std::filesystem and the file streams read a narrow
** text in the ANSI code page, where "Año" may become "A?o" or worse, so a
** path is made from the UTF-8 text explicitly and reaches the file system
** through the wide calls. Every file opened, listed, renamed or removed by
** name goes through From(); every name read from the file system comes
** back through ToUtf8(). On Windows an absolute path long enough to pass
** the old limit of 260 characters is given in the extended form
** ("\\?\C:\..."), which the file calls take whole.
*/
#pragma once

#include <filesystem>
#include <string>

class NativePath {
 public:
  static std::filesystem::path From(const std::string& utf8);
  static std::string ToUtf8(const std::filesystem::path& path);
};
