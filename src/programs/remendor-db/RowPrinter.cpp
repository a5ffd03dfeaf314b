/*
** Printing rows. See RowPrinter.h.
*/
#include "RowPrinter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string Shown(const Variant& v) {
  return v.IsNull() ? "Null" : v.ToString();
}

size_t Width(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) {
    if ((c & 0xC0) != 0x80) n++;
  }
  return n;
}

std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

}  // namespace

void PrintTable(dao::Recordset& rs, std::ostream& out) {
  const int n = rs.FieldCount();
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> header;
  for (int i = 0; i < n; i++) header.push_back(rs.Fields(i).Name());
  rows.push_back(header);
  for (; !rs.Eof(); rs.MoveNext()) {
    std::vector<std::string> row;
    for (int i = 0; i < n; i++) row.push_back(Shown(rs.Fields(i).Value()));
    rows.push_back(std::move(row));
  }
  std::vector<size_t> widths(static_cast<size_t>(n), 0);
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); i++) widths[i] = std::max(widths[i], Width(row[i]));
  }
  auto line = [&](const std::vector<std::string>& row) {
    std::string text;
    for (size_t i = 0; i < row.size(); i++) {
      if (i) text += " | ";
      text += row[i];
      if (i + 1 < row.size()) text += std::string(widths[i] - Width(row[i]), ' ');
    }
    out << text << '\n';
  };
  line(rows[0]);
  std::string rule;
  for (size_t i = 0; i < widths.size(); i++) {
    if (i) rule += "-+-";
    rule += std::string(widths[i], '-');
  }
  out << rule << '\n';
  for (size_t r = 1; r < rows.size(); r++) line(rows[r]);
  out << "(" << rows.size() - 1 << (rows.size() == 2 ? " fila)" : " filas)") << '\n';
}

void PrintCsv(dao::Recordset& rs, std::ostream& out) {
  const int n = rs.FieldCount();
  for (int i = 0; i < n; i++) out << (i ? "," : "") << CsvField(rs.Fields(i).Name());
  out << "\r\n";
  for (; !rs.Eof(); rs.MoveNext()) {
    for (int i = 0; i < n; i++) {
      Variant v = rs.Fields(i).Value();
      out << (i ? "," : "") << (v.IsNull() ? std::string() : CsvField(v.ToString()));
    }
    out << "\r\n";
  }
}
