/*
** A Jet file through libmdb. See MdbSource.h.
*/
#include "jetimport/MdbSource.h"

// glib and iconv first: mdbtools.h includes them inside its extern "C",
// where the C++ parts of glib's headers do not compile.
#include <glib.h>
#include <iconv.h>
#include <mdbtools.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "common/TextCase.h"
#include "dao/functions/JetTypes.h"
#include "jetimport/ImportErrors.h"
#include "jetimport/JetTextDecoder.h"
#include "jetimport/JetValueDecoder.h"

namespace jetimport {

namespace {

// Row offsets on a data page: the low 13 bits; the others are flags.
constexpr unsigned kOffsetMask = 0x1FFF;
// A row pointer names its row in one byte: no page holds more rows.
constexpr uint64_t kMaxRowsPerPage = 256;
// Flags of a long value's length word.
constexpr uint32_t kLongValueInline = 0x80000000;
constexpr uint32_t kLongValueOnePage = 0x40000000;
constexpr uint32_t kLongValueLength = 0x3FFFFFFF;
constexpr size_t kLongValueHeader = 12;
// The engine's largest decimal precision.
constexpr int kEnginePrecision = 18;
// Types of MSysObjects rows that are no data.
constexpr int kQuery = 5;
constexpr int kOdbcLink = 4;
constexpr int kJetLink = 6;
constexpr int kForm = -32768;
constexpr int kMacro = -32766;
constexpr int kReport = -32764;
constexpr int kModule = -32761;

unsigned Le16(const unsigned char* p) {
  return p[0] | (p[1] << 8);
}
uint32_t Le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

MdbColumn* ColumnAt(MdbTableDef* t, unsigned i) {
  return static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
}

bool IsLongValue(int jetType) {
  return jetType == static_cast<int>(JetColumnType::Memo) ||
         jetType == static_cast<int>(JetColumnType::OleObject);
}

}  // namespace

class MdbSource::State {
 public:
  explicit State(const std::string& p) : path(p) {}
  ~State() {
    if (table) mdb_free_tabledef(table);
    if (mdb) mdb_close(mdb);
  }

  [[noreturn]] void Damaged(const std::string& what) const { Raise(msg::kDamaged, {path, what}); }

  MdbCatalogEntry* Entry(const std::string& name) const;
  void Define(MdbCatalogEntry* entry, SourceTable& out);
  SourceColumn Column(MdbColumn* c) const;
  void Walk(const SourceTable& t, const std::vector<bool>& wanted,
            const std::function<void(const JetRow&)>& row);
  std::string LongValue(const unsigned char* field, size_t size, const std::string& where);
  std::string_view LongValueRow(uint32_t pointer, const std::string& where);
  void CountObjects();

  std::string path;
  MdbHandle* mdb = nullptr;
  uint64_t fileSize = 0;
  uint64_t pages = 0;
  SourceCatalog catalog;
  std::unique_ptr<JetTextDecoder> text;
  MdbTableDef* table = nullptr;  // the last one defined
};

MdbSource::MdbSource(const std::string& path) : state_(std::make_unique<State>(path)) {
  State& s = *state_;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) Raise(dao::jeterr::msg::kFileNotFound, {path});
  s.fileSize = static_cast<uint64_t>(st.st_size);
  s.mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
  if (!s.mdb) Raise(msg::kNotJet, {path});
  s.pages = s.fileSize / static_cast<uint64_t>(s.mdb->fmt->pg_size);
  s.catalog.jetVersion = s.mdb->f->jet_version == MDB_VER_JET3 ? 3 : 4;
  s.catalog.codePage = s.mdb->f->code_page;
  try {
    s.text = std::make_unique<JetTextDecoder>(s.catalog.jetVersion, s.catalog.codePage);
  } catch (const std::invalid_argument&) {
    Raise(msg::kCodePage, {path, std::to_string(s.catalog.codePage)});
  }
  if (s.catalog.jetVersion == 3 && s.catalog.codePage != 0 && s.catalog.codePage != 1252) {
    // libmdb reads Jet 3 names as Windows-1252 unless told the file's page.
    const std::string page = "CP" + std::to_string(s.catalog.codePage);
    setenv("MDB_JET3_CHARSET", page.c_str(), 1);
    mdb_iconv_close(s.mdb);
    mdb_iconv_init(s.mdb);
  }
  if (!mdb_read_catalog(s.mdb, MDB_ANY)) s.Damaged("no se pudo leer su catálogo");
  for (unsigned i = 0; i < s.mdb->num_catalog; i++) {
    auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(s.mdb->catalog, i));
    if (e->object_type != MDB_TABLE) continue;
    if (mdb_is_user_table(e)) {
      s.catalog.tableNames.push_back(e->object_name);
    } else {
      s.catalog.leftBehind.systemTables++;
    }
  }
  s.CountObjects();
}

MdbSource::~MdbSource() = default;

const SourceCatalog& MdbSource::Catalog() const {
  return state_->catalog;
}

SourceTable MdbSource::Table(const std::string& name) {
  MdbCatalogEntry* e = state_->Entry(name);
  if (!e) Raise(dao::jeterr::msg::kTableNotFoundInFile, {name, state_->path});
  SourceTable t;
  state_->Define(e, t);
  return t;
}

void MdbSource::Rows(const SourceTable& table, const std::function<void(const JetRow&)>& row) {
  std::vector<bool> wanted;
  for (const SourceColumn& c : table.columns) wanted.push_back(c.skipReason.empty());
  state_->Walk(table, wanted, row);
}

MdbCatalogEntry* MdbSource::State::Entry(const std::string& name) const {
  // A form or a query may share a table's name: only tables count here.
  for (unsigned i = 0; i < mdb->num_catalog; i++) {
    auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (e->object_type == MDB_TABLE && name == e->object_name) return e;
  }
  return nullptr;
}

void MdbSource::State::Define(MdbCatalogEntry* entry, SourceTable& out) {
  if (table) {
    mdb_free_tabledef(table);
    table = nullptr;
  }
  const std::string name = entry->object_name;
  table = mdb_read_table(entry);
  if (!table) Damaged("no se pudo leer la definición de la tabla '" + name + "'");
  if (!mdb_read_columns(table) || table->columns->len != table->num_cols ||
      table->num_cols > MDB_MAX_COLS) {
    Damaged("no se pudieron leer las columnas de la tabla '" + name + "'");
  }
  // libmdb 1.0 returns no array from here even when it read every index.
  mdb_read_indices(table);
  if (table->num_idxs > 0 && (!table->indices || table->indices->len != table->num_idxs))
    Damaged("no se pudieron leer los índices de la tabla '" + name + "'");
  out.name = name;
  out.declaredRows = table->num_rows;
  for (unsigned i = 0; i < table->num_cols; i++) out.columns.push_back(Column(ColumnAt(table, i)));
  const unsigned indexes = table->indices ? table->indices->len : 0;
  for (unsigned i = 0; i < indexes; i++) {
    auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, i));
    // Type 2 is the hidden index of a relation's foreign key.
    if (idx->index_type == 2) continue;
    SourceIndex x;
    x.name = idx->name;
    x.primary = idx->index_type == 1;
    x.unique = x.primary || (idx->flags & MDB_IDX_UNIQUE);
    if (idx->num_keys == 0 || idx->num_keys > MDB_MAX_IDX_COLS)
      Damaged("el índice '" + x.name + "' de la tabla '" + name + "' no es válido");
    for (unsigned k = 0; k < idx->num_keys; k++) {
      const int column = idx->key_col_num[k] - 1;
      if (column < 0 || static_cast<unsigned>(column) >= table->num_cols)
        Damaged("el índice '" + x.name + "' de la tabla '" + name + "' no es válido");
      x.columns.push_back(column);
      x.descending.push_back(idx->key_col_order[k] == MDB_DESC);
    }
    out.indexes.push_back(std::move(x));
  }
}

SourceColumn MdbSource::State::Column(MdbColumn* col) const {
  SourceColumn c;
  c.name = col->name;
  c.jetType = col->col_type;
  const char* required = mdb_col_get_prop(col, "Required");
  c.required = required && TextCase::Equal(required, "yes");
  if (const char* def = mdb_col_get_prop(col, "DefaultValue")) c.defaultValue = def;
  switch (static_cast<JetColumnType>(col->col_type)) {
    case JetColumnType::Boolean:
      c.engineType = dao::dbBoolean;
      break;
    case JetColumnType::Byte:
      c.engineType = dao::dbByte;
      break;
    case JetColumnType::Integer:
      c.engineType = dao::dbInteger;
      break;
    case JetColumnType::Long:
      c.engineType = dao::dbLong;
      c.counter = col->is_long_auto != 0;
      break;
    case JetColumnType::Currency:
      c.engineType = dao::dbCurrency;
      break;
    case JetColumnType::Single:
      c.engineType = dao::dbSingle;
      break;
    case JetColumnType::Double:
      c.engineType = dao::dbDouble;
      break;
    case JetColumnType::DateTime:
      c.engineType = dao::dbDate;
      break;
    case JetColumnType::Text: {
      // Jet 4 counts a text column's size in bytes of UTF-16.
      const int chars = catalog.jetVersion == 3 ? col->col_size : col->col_size / 2;
      c.engineType = dao::dbText;
      c.size = chars < 1 || chars > dao::kDefaultTextSize ? dao::kDefaultTextSize : chars;
      break;
    }
    case JetColumnType::Memo:
      c.engineType = dao::dbMemo;
      break;
    case JetColumnType::Binary:
    case JetColumnType::OleObject:
      c.engineType = dao::dbLongBinary;
      break;
    case JetColumnType::ReplicationId:
      c.engineType = dao::dbText;
      c.size = 38;
      break;
    case JetColumnType::Numeric: {
      // libmdb 1.0 reads a decimal's precision into col_scale and its scale
      // into col_prec; a later one may not: the pair that makes sense wins.
      int p = col->col_scale, s = col->col_prec;
      auto valid = [](int p, int s) { return p >= 1 && p <= 28 && s >= 0 && s <= p; };
      if (!valid(p, s)) std::swap(p, s);
      if (!valid(p, s))
        Damaged("la columna decimal '" + c.name + "' tiene precisión y escala no válidas");
      c.engineType = dao::dbDecimal;
      c.precision = std::min(p, kEnginePrecision);
      c.scale = std::min(s, c.precision);
      c.jetScale = s;
      if (p > kEnginePrecision) {
        c.note = "precisión " + std::to_string(p) + " y escala " + std::to_string(s) +
                 " guardadas como (" + std::to_string(c.precision) + ", " +
                 std::to_string(c.scale) + "): el motor no admite más de 18 dígitos";
      }
      break;
    }
    case JetColumnType::Complex:
      c.skipReason = "columna de datos adjuntos o de varios valores";
      break;
    default:
      c.skipReason = "tipo de columna desconocido (" + std::to_string(col->col_type) + ")";
      break;
  }
  if (col->is_uuid_auto) {
    // Its default is Jet's GenGUID(), which the engine does not have.
    c.note = "sus nuevas filas no reciben un identificador propio (" + c.defaultValue + ")";
    c.defaultValue.clear();
  }
  return c;
}

void MdbSource::State::Walk(const SourceTable& t, const std::vector<bool>& wanted,
                            const std::function<void(const JetRow&)>& row) {
  const std::string where = "tabla '" + t.name + "'";
  const unsigned pg = static_cast<unsigned>(mdb->fmt->pg_size);
  const unsigned rco = mdb->fmt->row_count_offset;
  const JetValueDecoder decoder(*text);
  MdbField fields[MDB_MAX_COLS];
  uint64_t read = 0;
  mdb_rewind_table(table);
  while (mdb_fetch_row(table)) {
    if (++read > pages * kMaxRowsPerPage) Damaged("la " + where + " no termina");
    // libmdb found the row; its bounds are checked here before it is split
    // again, so that the null bits and the exact bytes can be read.
    const unsigned char* page = mdb->pg_buf;
    const unsigned count = Le16(page + rco);
    const unsigned index = table->cur_row - 1;
    if (index >= count || rco + 2 + 2 * count > pg)
      Damaged("página de filas no válida en la " + where);
    const unsigned start = Le16(page + rco + 2 + 2 * index) & kOffsetMask;
    const unsigned end = index == 0 ? pg : Le16(page + rco + 2 * index) & kOffsetMask;
    if (start < rco + 2 + 2 * count || start >= end || end > pg)
      Damaged("fila no válida en la " + where);
    // A row written before columns were added holds fewer columns than
    // the table; libmdb gives the missing ones as Null. Any field it leaves
    // unset is Null too.
    for (unsigned i = 0; i < table->num_cols; i++) fields[i] = MdbField{nullptr, 0, 0, 1, 0, 0, 0};
    if (mdb_crack_row(table, static_cast<int>(start), end - start, fields) < 0)
      Damaged("fila no válida en la " + where);
    JetRow cells;
    uint64_t longBytes = 0;
    for (unsigned i = 0; i < table->num_cols; i++) {
      if (!wanted[i]) continue;
      const MdbField& f = fields[i];
      const SourceColumn& c = t.columns[i];
      const std::string at = "columna '" + c.name + "' de la " + where;
      if (c.jetType == static_cast<int>(JetColumnType::Boolean)) {
        // Yes/No lives in the null bits: set is True.
        cells.push_back(JetValueDecoder::Boolean(!f.is_null));
        continue;
      }
      if (f.is_null) {
        cells.emplace_back();
        continue;
      }
      if (f.siz < 0 || f.start < static_cast<int>(start) ||
          static_cast<int64_t>(f.start) + f.siz > static_cast<int64_t>(end))
        Damaged("valor fuera de su fila en la " + at);
      std::string_view raw(reinterpret_cast<const char*>(page) + f.start,
                           static_cast<size_t>(f.siz));
      std::string assembled;
      if (IsLongValue(c.jetType)) {
        assembled = LongValue(page + f.start, static_cast<size_t>(f.siz), at);
        longBytes += assembled.size();
        if (longBytes > fileSize) Damaged("valores largos mayores que el archivo en la " + at);
        raw = assembled;
      }
      auto cell = decoder.Decode(c.jetType, raw, c.jetScale);
      if (!cell) Damaged("valor ilegible en la " + at);
      cells.push_back(std::move(*cell));
    }
    row(cells);
  }
  // Jet counts a table's rows in its definition. Fewer rows found than
  // counted means pages that could not be read (a file cut at a page's
  // edge reads as a shorter table); more is harmless.
  if (read < table->num_rows) {
    Damaged("la " + where + " tiene " + std::to_string(table->num_rows) +
            " filas y solo se pudieron leer " + std::to_string(read));
  }
}

std::string MdbSource::State::LongValue(const unsigned char* field, size_t size,
                                        const std::string& where) {
  if (size < kLongValueHeader) Damaged("valor largo incompleto en la " + where);
  const uint32_t head = Le32(field);
  const uint64_t length = head & kLongValueLength;
  if (length > fileSize) Damaged("valor largo mayor que el archivo en la " + where);
  if (head & kLongValueInline) {
    if (kLongValueHeader + length > size) Damaged("valor largo incompleto en la " + where);
    return std::string(reinterpret_cast<const char*>(field) + kLongValueHeader, length);
  }
  uint32_t pointer = Le32(field + 4);
  if (head & kLongValueOnePage) {
    std::string_view data = LongValueRow(pointer, where);
    if (data.size() < length) Damaged("valor largo incompleto en la " + where);
    return std::string(data.substr(0, length));
  }
  // A chain of rows, each opening with the pointer to the next.
  std::string value;
  for (uint64_t hops = 0; value.size() < length; hops++) {
    if (pointer == 0 || hops > pages) Damaged("cadena de valor largo rota en la " + where);
    std::string_view data = LongValueRow(pointer, where);
    if (data.size() < 4) Damaged("cadena de valor largo rota en la " + where);
    pointer = Le32(reinterpret_cast<const unsigned char*>(data.data()));
    data.remove_prefix(4);
    value.append(data.substr(0, length - value.size()));
  }
  return value;
}

std::string_view MdbSource::State::LongValueRow(uint32_t pointer, const std::string& where) {
  const uint32_t pageNumber = pointer >> 8;
  const unsigned index = pointer & 0xFF;
  const unsigned pg = static_cast<unsigned>(mdb->fmt->pg_size);
  const unsigned rco = mdb->fmt->row_count_offset;
  if (pageNumber == 0 || pageNumber >= pages ||
      mdb_read_alt_pg(mdb, pageNumber) != static_cast<ssize_t>(pg))
    Damaged("valor largo fuera del archivo en la " + where);
  const unsigned char* page = mdb->alt_pg_buf;
  const unsigned count = Le16(page + rco);
  if (index >= count || rco + 2 + 2 * count > pg) Damaged("valor largo perdido en la " + where);
  const unsigned start = Le16(page + rco + 2 + 2 * index) & kOffsetMask;
  const unsigned end = index == 0 ? pg : Le16(page + rco + 2 * index) & kOffsetMask;
  if (start < rco + 2 + 2 * count || start > end || end > pg)
    Damaged("valor largo perdido en la " + where);
  return std::string_view(reinterpret_cast<const char*>(page) + start, end - start);
}

void MdbSource::State::CountObjects() {
  LeftBehind& l = catalog.leftBehind;
  // Every Jet file lists itself in MSysObjects: libmdb gives an empty
  // catalog, not a failure, when it cannot read that table's pages.
  MdbCatalogEntry* objects = Entry("MSysObjects");
  if (!objects) Damaged("no se pudo leer su catálogo");
  {
    SourceTable t;
    Define(objects, t);
    int type = -1, name = -1;
    std::vector<bool> wanted(t.columns.size(), false);
    for (size_t i = 0; i < t.columns.size(); i++) {
      if (t.columns[i].name == "Type") type = static_cast<int>(i);
      if (t.columns[i].name == "Name") name = static_cast<int>(i);
    }
    if (type < 0 || name < 0) Damaged("su tabla de objetos no es válida");
    wanted[static_cast<size_t>(type)] = wanted[static_cast<size_t>(name)] = true;
    const size_t typeCell = type < name ? 0 : 1, nameCell = 1 - typeCell;
    Walk(t, wanted, [&](const JetRow& r) {
      const int kind = static_cast<int>(r[typeCell].integer);
      // Queries whose names start with "~" are the hidden ones of forms.
      if (kind == kQuery && r[nameCell].text.rfind('~', 0) != 0) l.queries++;
      if (kind == kOdbcLink || kind == kJetLink) l.links++;
      if (kind == kForm) l.forms++;
      if (kind == kReport) l.reports++;
      if (kind == kMacro) l.macros++;
      if (kind == kModule) l.modules++;
    });
  }
  if (MdbCatalogEntry* relations = Entry("MSysRelationships")) {
    SourceTable t;
    Define(relations, t);
    std::vector<bool> wanted(t.columns.size(), false);
    for (size_t i = 0; i < t.columns.size(); i++) wanted[i] = t.columns[i].name == "szRelationship";
    std::set<std::string> names;
    Walk(t, wanted, [&](const JetRow& r) {
      if (!r.empty()) names.insert(TextCase::Fold(r[0].text));
    });
    l.relations = static_cast<int>(names.size());
  }
}

}  // namespace jetimport
