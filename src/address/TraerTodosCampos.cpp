/*
** TraerTodosCampos: the column list of a table. See TraerTodosCampos.h.
*/
#include "address/TraerTodosCampos.h"

#include <algorithm>

namespace {

// Lower case of ASCII and of the Latin-1 capitals (À-Þ but ×), which is
// every letter a Spanish column name holds.
std::string Minusculas(const std::string& s) {
  std::string out = s;
  for (size_t i = 0; i < out.size(); i++) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      unsigned char d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 32);
      i++;
    }
  }
  return out;
}

}  // namespace

std::string TraerTodosCampos(dao::Database& Db, const std::string& Tabla,
                             const std::vector<std::string>& Excepto) {
  Db.TableDefs().Refresh();
  return TraerTodosCampos(Db.TableDefs().Item(Tabla), Excepto);
}

std::string TraerTodosCampos(const dao::TableDef& Tabla, const std::vector<std::string>& Excepto) {
  std::vector<std::string> excluidos;
  for (const std::string& e : Excepto) excluidos.push_back(Minusculas(e));
  std::string lista;
  for (const dao::Field& f : Tabla.Fields()) {
    if (std::find(excluidos.begin(), excluidos.end(), Minusculas(f.Name())) != excluidos.end()) {
      continue;
    }
    if (!lista.empty()) lista += ", ";
    lista += f.Name();
  }
  return lista;
}
