/*
** Imported tables into the engine. See TargetWriter.h.
*/
#include "jetimport/TargetWriter.h"

#include <cstdlib>

#include "dao/DBEngine.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/ImportDdl.h"
#include "jetimport/ImportErrors.h"

namespace jetimport {

namespace {

constexpr const char* kProbe = "[__remendor_probe]";
// Digits a Decimal holds in 64 bits at any scale.
constexpr size_t kMaxDecimalDigits = 18;

std::string CurrencyText(int64_t tenThousandths) {
  const bool negative = tenThousandths < 0;
  const uint64_t v =
      negative ? 0 - static_cast<uint64_t>(tenThousandths) : static_cast<uint64_t>(tenThousandths);
  std::string fraction = std::to_string(v % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  return (negative ? "-" : "") + std::to_string(v / 10000) + "." + fraction;
}

}  // namespace

TargetWriter::~TargetWriter() {
  if (!inTransaction_) return;
  rs_.Close();
  try {
    dao::DBEngine::Rollback();
  } catch (const AppError&) {
    // The file is being thrown away: its importer removes it after this.
  }
}

void TargetWriter::Begin(const SourceTable& table) {
  table_ = table;
  imported_.clear();
  rows_ = 0;
  for (const SourceColumn& c : table_.columns) {
    if (!c.skipReason.empty()) {
      note_("tabla '" + table_.name + "': la columna '" + c.name + "' no se importa (" +
            c.skipReason + ")");
      continue;
    }
    if (!c.note.empty()) note_("tabla '" + table_.name + "', columna '" + c.name + "': " + c.note);
    imported_.push_back(&c);
  }
  for (const SourceIndex& x : table_.indexes) {
    if (!ImportDdl::Importable(table_, x))
      note_("tabla '" + table_.name + "': el índice '" + x.name +
            "' no se crea (usa una columna que no se importa)");
  }
  if (imported_.empty()) {
    note_("tabla '" + table_.name + "': no tiene columnas que importar; no se crea");
    return;
  }
  Create();
  dao::DBEngine::BeginTrans();
  inTransaction_ = true;
  rs_ = db_.OpenRecordset(ImportDdl::Quote(table_.name), dao::dbOpenDynaset);
}

void TargetWriter::Create() {
  std::vector<bool> withDefault(table_.columns.size(), true);
  try {
    db_.Execute(ImportDdl::CreateTable(table_, withDefault));
    return;
  } catch (const AppError&) {
    bool anyDefault = false;
    for (const SourceColumn* c : imported_) {
      if (!ImportDdl::DefaultExpression(c->defaultValue).empty()) anyDefault = true;
    }
    if (!anyDefault) throw;
  }
  // Some default is not one the engine takes: each is tried alone.
  for (size_t i = 0; i < table_.columns.size(); i++) {
    const SourceColumn& c = table_.columns[i];
    const std::string def = ImportDdl::DefaultExpression(c.defaultValue);
    if (!c.skipReason.empty() || def.empty() || c.counter) continue;
    try {
      db_.Execute(std::string("CREATE TABLE ") + kProbe + " ([x] " + ImportDdl::ColumnType(c) +
                  " DEFAULT " + def + ")");
      db_.Execute(std::string("DROP TABLE ") + kProbe);
    } catch (const AppError& e) {
      withDefault[i] = false;
      note_("tabla '" + table_.name + "', columna '" + c.name + "': el valor predeterminado " +
            def + " no se conserva (" + e.Description() + ")");
    }
  }
  db_.Execute(ImportDdl::CreateTable(table_, withDefault));
}

void TargetWriter::Row(const JetRow& cells) {
  if (imported_.empty()) return;
  rows_++;
  if (cells.size() != imported_.size()) {
    throw msg::kRowRefused.As(dao::jeterr::kUnrecognizedFormat)
        .Error({std::to_string(rows_), table_.name,
                "trae " + std::to_string(cells.size()) + " valores para " +
                    std::to_string(imported_.size()) + " columnas."});
  }
  auto refused = [&](const AppError& e) {
    return msg::kRowRefused.As(e.Number())
        .Error({std::to_string(rows_), table_.name, e.Description()});
  };
  try {
    rs_.AddNew();
  } catch (const AppError& e) {
    throw refused(e);
  }
  for (size_t i = 0; i < cells.size(); i++) {
    const SourceColumn& column = *imported_[i];
    const Variant value = Value(cells[i], column);
    try {
      rs_.SetCollect(static_cast<int>(i), value);
    } catch (const AppError& e) {
      // The engine keeps a decimal with decimals to 15 digits only.
      if (e.Number() == dao::jeterr::kNumericOverflow && column.engineType == dao::dbDecimal)
        NotExact(cells[i].text, column);
      throw refused(e);
    }
  }
  try {
    rs_.Update();
  } catch (const AppError& e) {
    throw refused(e);
  }
}

void TargetWriter::End() {
  if (imported_.empty()) return;
  rs_.Close();
  for (const std::string& statement : ImportDdl::CreateIndexes(table_)) db_.Execute(statement);
  dao::DBEngine::CommitTrans();
  inTransaction_ = false;
}

Variant TargetWriter::Value(const JetCell& cell, const SourceColumn& column) const {
  using K = JetCell::Kind;
  switch (cell.kind) {
    case K::Null:
      return Variant::Null();
    case K::Boolean:
      return Variant(cell.integer != 0);
    case K::Integer:
      return Variant(static_cast<int16_t>(cell.integer));
    case K::Long:
      return Variant(static_cast<int32_t>(cell.integer));
    case K::Currency: {
      // The engine keeps amounts with decimals as the nearest double and
      // rounds them to four decimals when read: that must give them back.
      const int64_t c = cell.integer;
      if (c % 10000 != 0 &&
          Variant::CurrencyFromDouble(static_cast<double>(c) / 10000.0).CurrencyValue() != c)
        NotExact(CurrencyText(c), column);
      return Variant::FromCurrency(c);
    }
    case K::Double:
      return Variant(cell.number);
    case K::Date:
      return Variant::FromDate(cell.number);
    case K::Text:
    case K::Bytes:
      return Variant(cell.text);
    case K::Decimal: {
      const std::string& d = cell.text;
      const bool negative = !d.empty() && d[0] == '-';
      const size_t point = d.find('.');
      std::string whole =
          d.substr(negative ? 1 : 0,
                   point == std::string::npos ? std::string::npos : point - (negative ? 1 : 0));
      std::string fraction = point == std::string::npos ? "" : d.substr(point + 1);
      const size_t scale = static_cast<size_t>(column.scale);
      if (fraction.size() > scale) {
        if (fraction.find_first_not_of('0', scale) != std::string::npos) NotExact(d, column);
        fraction.resize(scale);
      }
      fraction.append(scale - fraction.size(), '0');
      std::string digits = whole + fraction;
      digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
      if (digits.size() > kMaxDecimalDigits) NotExact(d, column);
      const int64_t units = std::strtoll(digits.c_str(), nullptr, 10);
      return Variant::FromDecimal(negative ? -units : units, column.scale);
    }
  }
  return Variant::Null();
}

void TargetWriter::NotExact(const std::string& value, const SourceColumn& column) const {
  Raise(msg::kNotExact, {value, column.name, table_.name});
}

}  // namespace jetimport
