/*
** a_c_w: the library's class for the Windows installation itself: the
** Windows folder and the system folder, each ending in the separator, and
** the two text routines behind them. No stored state.
**
** A folder the platform cannot give comes back as an empty text, which
** callers then use as a relative path (the current folder).
*/
#pragma once

#include <string>

class a_c_w {
 public:
  std::string DirWindows() const;
  std::string DirSystemWindows() const;

  // pString up to, not including, its first character of code 0.
  static std::string SacarUltimo(const std::string& pString);
  // Makes PPath end in the separator: trailing blanks are dropped first,
  // unless it already ends in the separator (then it is left untouched).
  static void agregarBarra(std::string& PPath);
};
