/*
** Placeholders of the tree's queries. See NOVUTreeSql.h.
**
** One pass over the query tracks whether the current character is inside
** a literal and which, so that each placeholder is filled for the place it
** stands in. The quote rules are the engine's: a doubled quote inside a
** literal of that quote is one character of it.
*/
#include "controls/NOVUTreeSql.h"

#include <algorithm>
#include <cctype>

#include "common/AppError.h"
#include "common/ValueFormat.h"

namespace {

enum class Lugar { Fuera, Simple, Doble, Fecha, Corchete };

bool EsNumeroSimple(const std::string& s) {
  size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
  const size_t inicio = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) i++;
  if (i == inicio) return false;
  if (i < s.size() && s[i] == '.') {
    const size_t fraccion = ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) i++;
    if (i == fraccion) return false;
  }
  return i == s.size();
}

std::string Duplicar(const std::string& s, char comilla) {
  std::string out;
  out.reserve(s.size() + 2);
  for (char c : s) {
    out += c;
    if (c == comilla) out += c;
  }
  return out;
}

std::string Escrito(const Variant& valor, Lugar lugar) {
  if (valor.IsNull()) (void)valor.ToString();  // AppError 94, as for any text use of Null
  switch (lugar) {
    case Lugar::Simple:
      return Duplicar(ValueFormat::ToText(valor), '\'');
    case Lugar::Doble:
      return Duplicar(ValueFormat::ToText(valor), '"');
    case Lugar::Fecha:
    case Lugar::Corchete: {
      const std::string texto = ValueFormat::ToText(valor);
      const char cierre = lugar == Lugar::Fecha ? '#' : ']';
      if (texto.find(cierre) != std::string::npos) {
        throw AppError(NOVUTreeSql::kValorNoCabe, "El valor \"" + texto + "\" no puede ir entre " +
                                                      (lugar == Lugar::Fecha ? "#" : "[]") +
                                                      " en la consulta del árbol");
      }
      return texto;
    }
    case Lugar::Fuera:
      break;
  }
  if (valor.Type() == VarType::Boolean) return valor.ToBool() ? "-1" : "0";
  if (valor.IsNumeric() && valor.Type() != VarType::Date) {
    return FormatEngineNumber(valor.ToDouble());
  }
  if (valor.Type() == VarType::String && EsNumeroSimple(valor.ToString())) return valor.ToString();
  return "'" + Duplicar(ValueFormat::ToText(valor), '\'') + "'";
}

}  // namespace

std::string NOVUTreeSql::Sustituir(const std::string& sql, const std::vector<std::string>& nombres,
                                   const std::vector<Variant>& valores) {
  const size_t pares = std::min(nombres.size(), valores.size());
  std::string out;
  out.reserve(sql.size());
  Lugar lugar = Lugar::Fuera;
  size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    if (c == '%') {
      bool sustituido = false;
      for (size_t n = 0; n < pares && !sustituido; n++) {
        const std::string marca = "%" + nombres[n] + "%";
        if (sql.compare(i, marca.size(), marca) == 0) {
          out += Escrito(valores[n], lugar);
          i += marca.size();
          sustituido = true;
        }
      }
      if (sustituido) continue;
    }
    out += c;
    i++;
    switch (lugar) {
      case Lugar::Fuera:
        if (c == '\'') lugar = Lugar::Simple;
        if (c == '"') lugar = Lugar::Doble;
        if (c == '#') lugar = Lugar::Fecha;
        if (c == '[') lugar = Lugar::Corchete;
        break;
      case Lugar::Simple:
      case Lugar::Doble: {
        const char comilla = lugar == Lugar::Simple ? '\'' : '"';
        if (c == comilla) {
          if (i < sql.size() && sql[i] == comilla) {
            out += sql[i++];
          } else {
            lugar = Lugar::Fuera;
          }
        }
        break;
      }
      case Lugar::Fecha:
        if (c == '#') lugar = Lugar::Fuera;
        break;
      case Lugar::Corchete:
        if (c == ']') lugar = Lugar::Fuera;
        break;
    }
  }
  return out;
}
