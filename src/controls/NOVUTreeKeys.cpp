/*
** The lazy tree's keys. See NOVUTreeKeys.h.
*/
#include "controls/NOVUTreeKeys.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "common/ValueFormat.h"

namespace {

bool EsBlanco(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

double Base(const std::string& digitos, int base) {
  double valor = 0;
  for (char c : digitos) {
    const int d = std::isdigit(static_cast<unsigned char>(c))
                      ? c - '0'
                      : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    if (d < 0 || d >= base) break;
    valor = valor * base + d;
  }
  return valor;
}

}  // namespace

double NOVUTreeKeys::Val(std::string_view texto) {
  std::string s;
  for (char c : texto) {
    if (!EsBlanco(c)) s += c;
  }
  if (s.size() >= 2 && s[0] == '&') {
    const char tipo = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
    if (tipo == 'H') return Base(s.substr(2), 16);
    if (tipo == 'O') return Base(s.substr(2), 8);
  }
  // The longest prefix that is a number: sign, digits, fraction, exponent.
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) i++;
  const size_t inicioDigitos = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) i++;
  if (i < s.size() && s[i] == '.') {
    i++;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) i++;
  }
  if (i == inicioDigitos || (i == inicioDigitos + 1 && s[inicioDigitos] == '.')) return 0;
  size_t fin = i;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) j++;
    const size_t inicioExponente = j;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) j++;
    if (j > inicioExponente) {
      s[i] = 'e';
      fin = j;
    }
  }
  return std::strtod(s.substr(0, fin).c_str(), nullptr);
}

double NOVUTreeKeys::ValorDe(const Variant& valor) {
  return Val(ValueFormat::ToText(valor));
}

std::string NOVUTreeKeys::Codigo(double valor) {
  return ValueFormat::FormatNumber(valor, "000000");
}

std::string NOVUTreeKeys::Clave(const std::vector<Variant>& valores, const Variant& codigo) {
  std::string clave = "A";
  for (const Variant& v : valores) clave += Codigo(ValorDe(v));
  return clave + Codigo(ValorDe(codigo));
}

std::string NOVUTreeKeys::ClaveNodo(const std::vector<double>& codigos) {
  std::string clave = "A";
  for (auto it = codigos.rbegin(); it != codigos.rend(); ++it) clave += Codigo(*it);
  return clave;
}

std::vector<double> NOVUTreeKeys::ClavesDesdeKey(const std::string& clave) {
  std::vector<double> codigos;
  codigos.push_back(Val(clave.size() > 6 ? clave.substr(clave.size() - 6) : clave));
  if (clave.size() >= 13) codigos.push_back(Val(clave.substr(1, 6)));
  if (clave.size() >= 21) codigos.push_back(Val(clave.substr(7, 6)));
  return codigos;
}
