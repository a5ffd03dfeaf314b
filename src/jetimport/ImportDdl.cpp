/*
** Jet SQL for imported tables. See ImportDdl.h.
*/
#include "jetimport/ImportDdl.h"

#include "common/TextCase.h"
#include "dao/functions/JetTypes.h"
#include "jetimport/ImportErrors.h"

namespace jetimport {

namespace {

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

std::string KeyColumns(const SourceTable& t, const SourceIndex& x, bool withOrder) {
  std::string out;
  for (size_t k = 0; k < x.columns.size(); k++) {
    if (k) out += ", ";
    out += ImportDdl::Quote(t.columns[static_cast<size_t>(x.columns[k])].name);
    if (withOrder && x.descending[k]) out += " DESC";
  }
  return out;
}

}  // namespace

std::string ImportDdl::Quote(const std::string& name) {
  bool valid = !name.empty();
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F || c == '[' || c == ']') valid = false;
  }
  if (!valid) Raise(msg::kInvalidName, {name});
  return "[" + name + "]";
}

std::string ImportDdl::ColumnType(const SourceColumn& c) {
  switch (c.engineType) {
    case dao::dbText:
      return "TEXT (" + std::to_string(c.size) + ")";
    case dao::dbMemo:
      return "MEMO";
    case dao::dbBoolean:
      return "LOGICAL";
    case dao::dbByte:
      return "BYTE";
    case dao::dbInteger:
      return "SHORT";
    case dao::dbLong:
      return c.counter ? "COUNTER" : "LONG";
    case dao::dbCurrency:
      return "CURRENCY";
    case dao::dbSingle:
      return "SINGLE";
    case dao::dbDouble:
      return "DOUBLE";
    case dao::dbDate:
      return "DATETIME";
    case dao::dbLongBinary:
      return "LONGBINARY";
    case dao::dbDecimal:
      return "DECIMAL (" + std::to_string(c.precision) + ", " + std::to_string(c.scale) + ")";
    default:
      return "";
  }
}

std::string ImportDdl::DefaultExpression(const std::string& jetDefault) {
  std::string e = Trim(jetDefault);
  if (!e.empty() && e[0] == '=') e = Trim(e.substr(1));
  for (const char* truth : {"Yes", "On", "True"}) {
    if (TextCase::Equal(e, truth)) return "True";
  }
  for (const char* falsehood : {"No", "Off", "False"}) {
    if (TextCase::Equal(e, falsehood)) return "False";
  }
  return e;
}

std::string ImportDdl::CreateTable(const SourceTable& t, const std::vector<bool>& withDefault) {
  std::string sql = "CREATE TABLE " + Quote(t.name) + " (";
  bool first = true;
  for (size_t i = 0; i < t.columns.size(); i++) {
    const SourceColumn& c = t.columns[i];
    if (!c.skipReason.empty()) continue;
    sql += first ? "" : ", ";
    first = false;
    sql += Quote(c.name) + " " + ColumnType(c);
    if (c.required && c.engineType != dao::dbBoolean) sql += " NOT NULL";
    const std::string def = DefaultExpression(c.defaultValue);
    if (withDefault[i] && !def.empty() && !c.counter) sql += " DEFAULT " + def;
  }
  for (const SourceIndex& x : t.indexes) {
    if (x.primary && Importable(t, x)) {
      sql += ", CONSTRAINT " + Quote(x.name) + " PRIMARY KEY (" + KeyColumns(t, x, false) + ")";
    }
  }
  return sql + ")";
}

std::vector<std::string> ImportDdl::CreateIndexes(const SourceTable& t) {
  std::vector<std::string> out;
  for (const SourceIndex& x : t.indexes) {
    if (x.primary || !Importable(t, x)) continue;
    out.push_back(std::string(x.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + Quote(x.name) +
                  " ON " + Quote(t.name) + " (" + KeyColumns(t, x, true) + ")");
  }
  return out;
}

bool ImportDdl::Importable(const SourceTable& t, const SourceIndex& x) {
  for (int column : x.columns) {
    if (!t.columns[static_cast<size_t>(column)].skipReason.empty()) return false;
  }
  return !x.columns.empty();
}

}  // namespace jetimport
