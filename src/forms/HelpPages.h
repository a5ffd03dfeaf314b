/*
** HelpPages: where the help of a help context is, on a desktop that
** opens help as pages rather than through a help engine.
**
** The help is a folder of pages: the page of context N is "N.html" in it,
** and "index.html" stands for every context without a page of its own (and
** for context 0, which names none). Pagina gives the first of those that
** exists, as an absolute path (a relative folder is taken from the current
** folder), or an empty text when neither does.
*/
#pragma once

#include <cstdint>
#include <string>

class HelpPages {
 public:
  static std::string Pagina(const std::string& carpeta, int32_t contexto);
};
