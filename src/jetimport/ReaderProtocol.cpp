/*
** The reader's messages. See ReaderProtocol.h.
*/
#include "jetimport/ReaderProtocol.h"

namespace jetimport {

namespace {

void WriteCount(WireWriter& w, size_t n) {
  w.U32(static_cast<uint32_t>(n));
}

// A count no larger than `limit`, so that a damaged count cannot make us
// reserve gigabytes.
size_t ReadCount(WireReader& r, size_t limit) {
  const size_t n = r.U32();
  if (n > limit) throw WireReader::Malformed();
  return n;
}

constexpr size_t kMaxColumns = 4096;
constexpr size_t kMaxIndexes = 4096;
constexpr size_t kMaxTables = 1 << 20;

}  // namespace

void ReaderProtocol::WriteCatalog(WireWriter& w, const SourceCatalog& c) {
  w.U8(static_cast<uint8_t>(ReaderMessage::Catalog));
  w.I32(c.jetVersion);
  w.I32(c.codePage);
  WriteCount(w, c.tableNames.size());
  for (const auto& name : c.tableNames) w.Text(name);
  const LeftBehind& l = c.leftBehind;
  for (int n :
       {l.systemTables, l.queries, l.links, l.forms, l.reports, l.macros, l.modules, l.relations})
    w.I32(n);
}

SourceCatalog ReaderProtocol::ReadCatalog(WireReader& r) {
  SourceCatalog c;
  c.jetVersion = r.I32();
  c.codePage = r.I32();
  const size_t n = ReadCount(r, kMaxTables);
  for (size_t i = 0; i < n; i++) c.tableNames.push_back(r.Text());
  LeftBehind& l = c.leftBehind;
  for (int* n : {&l.systemTables, &l.queries, &l.links, &l.forms, &l.reports, &l.macros, &l.modules,
                 &l.relations})
    *n = r.I32();
  return c;
}

void ReaderProtocol::WriteTable(WireWriter& w, const SourceTable& t) {
  w.U8(static_cast<uint8_t>(ReaderMessage::Table));
  w.Text(t.name);
  w.U32(t.declaredRows);
  WriteCount(w, t.columns.size());
  for (const SourceColumn& c : t.columns) {
    w.Text(c.name);
    for (int v : {c.jetType, c.engineType, c.size, c.precision, c.scale, c.jetScale}) w.I32(v);
    w.U8(c.counter);
    w.U8(c.required);
    w.Text(c.defaultValue);
    w.Text(c.skipReason);
    w.Text(c.note);
  }
  WriteCount(w, t.indexes.size());
  for (const SourceIndex& x : t.indexes) {
    w.Text(x.name);
    w.U8(x.primary);
    w.U8(x.unique);
    WriteCount(w, x.columns.size());
    for (size_t k = 0; k < x.columns.size(); k++) {
      w.I32(x.columns[k]);
      w.U8(x.descending[k]);
    }
  }
}

SourceTable ReaderProtocol::ReadTable(WireReader& r) {
  SourceTable t;
  t.name = r.Text();
  t.declaredRows = r.U32();
  const size_t columns = ReadCount(r, kMaxColumns);
  for (size_t i = 0; i < columns; i++) {
    SourceColumn c;
    c.name = r.Text();
    for (int* v : {&c.jetType, &c.engineType, &c.size, &c.precision, &c.scale, &c.jetScale})
      *v = r.I32();
    c.counter = r.U8() != 0;
    c.required = r.U8() != 0;
    c.defaultValue = r.Text();
    c.skipReason = r.Text();
    c.note = r.Text();
    t.columns.push_back(std::move(c));
  }
  const size_t indexes = ReadCount(r, kMaxIndexes);
  for (size_t i = 0; i < indexes; i++) {
    SourceIndex x;
    x.name = r.Text();
    x.primary = r.U8() != 0;
    x.unique = r.U8() != 0;
    const size_t keys = ReadCount(r, columns);
    for (size_t k = 0; k < keys; k++) {
      const int32_t column = r.I32();
      if (column < 0 || static_cast<size_t>(column) >= columns) throw WireReader::Malformed();
      x.columns.push_back(column);
      x.descending.push_back(r.U8() != 0);
    }
    t.indexes.push_back(std::move(x));
  }
  return t;
}

void ReaderProtocol::WriteRow(WireWriter& w, const JetRow& row) {
  WriteCount(w, row.size());
  for (const JetCell& c : row) {
    w.U8(static_cast<uint8_t>(c.kind));
    switch (c.kind) {
      case JetCell::Kind::Null:
        break;
      case JetCell::Kind::Boolean:
      case JetCell::Kind::Integer:
      case JetCell::Kind::Long:
      case JetCell::Kind::Currency:
        w.I64(c.integer);
        break;
      case JetCell::Kind::Double:
      case JetCell::Kind::Date:
        w.F64(c.number);
        break;
      case JetCell::Kind::Text:
      case JetCell::Kind::Bytes:
      case JetCell::Kind::Decimal:
        w.Text(c.text);
        break;
    }
  }
}

JetRow ReaderProtocol::ReadRow(WireReader& r) {
  JetRow row(ReadCount(r, kMaxColumns));
  for (JetCell& c : row) {
    const uint8_t kind = r.U8();
    if (kind > static_cast<uint8_t>(JetCell::Kind::Decimal)) throw WireReader::Malformed();
    c.kind = static_cast<JetCell::Kind>(kind);
    switch (c.kind) {
      case JetCell::Kind::Null:
        break;
      case JetCell::Kind::Boolean:
      case JetCell::Kind::Integer:
      case JetCell::Kind::Long:
      case JetCell::Kind::Currency:
        c.integer = r.I64();
        break;
      case JetCell::Kind::Double:
      case JetCell::Kind::Date:
        c.number = r.F64();
        break;
      case JetCell::Kind::Text:
      case JetCell::Kind::Bytes:
      case JetCell::Kind::Decimal:
        c.text = r.Text();
        break;
    }
  }
  return row;
}

void ReaderProtocol::WriteError(WireWriter& w, int number, const std::string& description) {
  w.U8(static_cast<uint8_t>(ReaderMessage::Error));
  w.I32(number);
  w.Text(description);
}

}  // namespace jetimport
