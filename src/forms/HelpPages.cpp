/*
** Help pages by context. See HelpPages.h.
*/
#include "forms/HelpPages.h"

#include <filesystem>
#include <system_error>

std::string HelpPages::Pagina(const std::string& carpeta, int32_t contexto) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (contexto != 0) {
    const fs::path propia = fs::path(carpeta) / (std::to_string(contexto) + ".html");
    if (fs::is_regular_file(propia, ec)) return fs::absolute(propia, ec).string();
  }
  const fs::path indice = fs::path(carpeta) / "index.html";
  if (fs::is_regular_file(indice, ec)) return fs::absolute(indice, ec).string();
  return {};
}
