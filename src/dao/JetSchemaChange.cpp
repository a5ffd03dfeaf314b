/*
** Table definitions that take several SQLite statements. See
** JetSchemaChange.h.
**
** Relations are listed in the internal table "__jet_relations", one row per
** column pair, so that DROP COLUMN, DROP TABLE and DROP CONSTRAINT can tell
** what a relation holds without reading trigger texts.
*/
#include "dao/JetSchemaChange.h"

#include <sqlite3.h>

#include <cctype>

#include "common/TextCase.h"
#include "dao/Connection.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetDdlParser.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

namespace {

constexpr const char* kPrimaryKeyMarker = "/*PrimaryKey*/";
constexpr const char* kCounters = "\"__jet_counters\"";
constexpr const char* kRelations = "\"__jet_relations\"";
constexpr const char* kRebuild = "\"__jet_rebuild\"";

std::string Q(const std::string& name) {
  return QuoteIdentifier(name);
}

std::string Literal(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// "NEW.a IS NULL OR NEW.b IS NULL" and the like, over several columns.
std::string Each(const std::vector<std::string>& columns, const std::string& pattern,
                 const std::string& joiner) {
  std::string out;
  for (const std::string& c : columns) {
    std::string part = pattern;
    for (size_t at; (at = part.find('@')) != std::string::npos;) part.replace(at, 1, Q(c));
    out += (out.empty() ? "" : joiner) + part;
  }
  return out;
}

std::string Names(const std::vector<std::string>& columns) {
  return Each(columns, "@", ", ");
}

std::string Trigger(const std::string& name, const std::string& event, const std::string& table,
                    const std::string& when, const std::string& raise) {
  return "CREATE TRIGGER " + Q(name) + " BEFORE " + event + " ON " + Q(table) + " WHEN " + when +
         " BEGIN SELECT RAISE(ABORT, " + Literal(raise) + "); END";
}

}  // namespace

void JetSchemaChange::Run(const std::string& sql) {
  connection_.RunOnce(sql, context_);
}

std::vector<std::vector<std::string>> JetSchemaChange::Rows(const std::string& sql,
                                                            const std::vector<std::string>& args) {
  return connection_.RowsOnce(sql, args, context_);
}

bool JetSchemaChange::Exists(const std::string& sql, const std::vector<std::string>& args) {
  return !Rows(sql, args).empty();
}

bool JetSchemaChange::HasTable(const std::string& name) {
  return Exists(
      "SELECT 1 FROM main.sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", {name});
}

void JetSchemaChange::InSavepoint(const std::function<void()>& work) {
  Run("SAVEPOINT jet_schema");
  try {
    work();
  } catch (...) {
    Run("PRAGMA legacy_alter_table = OFF");
    Run("ROLLBACK TO jet_schema");
    Run("RELEASE jet_schema");
    throw;
  }
  Run("RELEASE jet_schema");
}

void JetSchemaChange::CreateTable(const TranslatedStatement& t) {
  InSavepoint([&] {
    Run(t.sql);
    for (const std::string& s : t.extraSql) Run(s);
    for (const JetColumn& c : t.columns) {
      if (c.counter) AddCounter(t.table, c, false);
    }
    for (const JetConstraint& c : t.constraints) AddConstraint(t.table, c);
  });
}

void JetSchemaChange::AddCounter(const std::string& table, const JetColumn& column,
                                 bool numberRows) {
  Run(std::string("CREATE TABLE IF NOT EXISTS main.") + kCounters +
      " (TableName TEXT COLLATE NOCASE, ColumnName TEXT COLLATE NOCASE, Next INTEGER, Step "
      "INTEGER, PRIMARY KEY (TableName, ColumnName))");
  const std::string t = Q(table), c = Q(column.name);
  const std::string seed = std::to_string(column.seed), step = std::to_string(column.step);
  if (numberRows) {
    Run("UPDATE " + t + " SET " + c + " = r.n FROM (SELECT rowid AS id, " + seed + " + " + step +
        " * (row_number() OVER (ORDER BY rowid) - 1) AS n FROM " + t + " WHERE " + c +
        " IS NULL) AS r WHERE " + t + ".rowid = r.id");
  }
  // A number once given is never given again: the next one is past the
  // seed and past every number in the column.
  const std::string edge = column.step > 0 ? "max" : "min";
  Run(std::string("INSERT OR REPLACE INTO main.") + kCounters + " VALUES (" + Literal(table) +
      ", " + Literal(column.name) + ", " + edge + "(" + seed + ", coalesce((SELECT " + edge + "(" +
      c + ") FROM " + t + ") + " + step + ", " + seed + ")), " + step + ")");
  const std::string where =
      " WHERE TableName = " + Literal(table) + " AND ColumnName = " + Literal(column.name);
  Run("CREATE TRIGGER " + Q("counter:" + table + ":" + column.name + ":insert") +
      " AFTER INSERT ON " + t + " BEGIN UPDATE " + t + " SET " + c + " = (SELECT Next FROM " +
      kCounters + where + ") WHERE rowid = NEW.rowid AND NEW." + c + " IS NULL; UPDATE " +
      kCounters + " SET Next = CASE WHEN NEW." + c +
      " IS NULL THEN Next + Step WHEN Step > 0 AND NEW." + c + " >= Next THEN NEW." + c +
      " + Step ELSE Next END" + where + "; END");
  Run(Trigger("counter:" + table + ":" + column.name + ":update", "UPDATE OF " + c, table,
              "OLD." + c + " IS NOT NULL AND NEW." + c + " IS NOT OLD." + c,
              "counter:" + column.name));
}

std::vector<std::string> JetSchemaChange::ParentKey(const std::string& parent) {
  const auto key = Rows(
      "SELECT name FROM main.sqlite_master WHERE type = 'index' AND tbl_name = ?1 COLLATE NOCASE "
      "AND instr(sql, ?2) > 0",
      {parent, kPrimaryKeyMarker});
  if (key.empty()) {
    jeterr::Raise(jeterr::kConstraintNotFound,
                  "No se encuentra la tabla o la restricción 'PrimaryKey' de '" + parent + "'.");
  }
  std::vector<std::string> columns;
  for (const auto& row : Rows("PRAGMA main.index_info(" + Q(key[0][0]) + ")")) {
    columns.push_back(row[2]);
  }
  return columns;
}

void JetSchemaChange::AddConstraint(const std::string& table, const JetConstraint& c) {
  const std::string t = Q(table);
  if (c.kind != JetConstraintKind::ForeignKey) {
    const bool primary = c.kind == JetConstraintKind::PrimaryKey;
    if (primary) {
      if (Exists("SELECT 1 FROM main.sqlite_master WHERE type = 'index' AND tbl_name = ?1 COLLATE "
                 "NOCASE AND instr(sql, ?2) > 0",
                 {table, kPrimaryKeyMarker})) {
        jeterr::Raise(jeterr::kPrimaryKeyExists, "Ya existe la clave principal.");
      }
      if (Exists("SELECT 1 FROM " + t + " WHERE " + Each(c.columns, "@ IS NULL", " OR "))) {
        jeterr::Raise(jeterr::kNullInKey,
                      "El índice o la clave principal no pueden contener un valor Null.");
      }
    }
    Run("CREATE UNIQUE INDEX " + Q(JetDdlParser::IndexName(table, c.name)) + " ON " + t + " (" +
        Names(c.columns) + (primary ? std::string(" ") + kPrimaryKeyMarker : "") + ")");
    if (primary) {
      // A counter is Null until its number is written, after the insert.
      std::vector<std::string> checked;
      for (const std::string& col : c.columns) {
        if (!Exists("SELECT 1 FROM main.pragma_table_info(?1) WHERE name = ?2 COLLATE NOCASE AND "
                    "upper(type) = 'COUNTER'",
                    {table, col})) {
          checked.push_back(col);
        }
      }
      if (checked.empty()) return;
      const std::string when = Each(checked, "NEW.@ IS NULL", " OR ");
      Run(Trigger("key:" + table + ":" + c.name + ":insert", "INSERT", table, when, "nullkey:"));
      Run(Trigger("key:" + table + ":" + c.name + ":update", "UPDATE OF " + Names(checked), table,
                  when, "nullkey:"));
    }
    return;
  }
  if (!HasTable(c.parent)) {
    jeterr::Raise(jeterr::kTableNotFound, "No se encuentra la tabla '" + c.parent + "'.");
  }
  const std::vector<std::string> parentColumns =
      c.parentColumns.empty() ? ParentKey(c.parent) : c.parentColumns;
  if (parentColumns.size() != c.columns.size()) {
    jeterr::Raise(jeterr::kSyntaxInFieldDefinition,
                  "Error de sintaxis en la definición de campo: la relación '" + c.name +
                      "' no une tantos campos como la clave de '" + c.parent + "'.");
  }
  const std::string p = Q(c.parent);
  std::string childMatch, parentMatch, changed;
  for (size_t i = 0; i < c.columns.size(); ++i) {
    const std::string and_ = i ? " AND " : "";
    childMatch += and_ + p + "." + Q(parentColumns[i]) + " = NEW." + Q(c.columns[i]);
    parentMatch += and_ + t + "." + Q(c.columns[i]) + " = OLD." + Q(parentColumns[i]);
    changed += (i ? " OR " : "") + std::string("NEW.") + Q(parentColumns[i]) + " IS NOT OLD." +
               Q(parentColumns[i]);
  }
  const std::string orphan = Each(c.columns, "NEW.@ IS NOT NULL", " AND ") +
                             " AND NOT EXISTS (SELECT 1 FROM " + p + " WHERE " + childMatch + ")";
  const std::string children = "EXISTS (SELECT 1 FROM " + t + " WHERE " + parentMatch + ")";
  // Rows already there must keep the rule too.
  if (Exists("SELECT 1 FROM " + t + " AS NEW WHERE " + orphan)) {
    RaiseEngineConstraint("fkchild:" + c.parent);
  }
  const std::string base = "fk:" + table + ":" + c.name + ":";
  Run(Trigger(base + "insert", "INSERT", table, orphan, "fkchild:" + c.parent));
  Run(Trigger(base + "update", "UPDATE OF " + Names(c.columns), table, orphan,
              "fkchild:" + c.parent));
  Run(Trigger(base + "delete", "DELETE", c.parent, children, "fkparent:" + table));
  Run(Trigger(base + "parentupdate", "UPDATE OF " + Names(parentColumns), c.parent,
              "(" + changed + ") AND " + children, "fkparent:" + table));
  Run(std::string("CREATE TABLE IF NOT EXISTS main.") + kRelations +
      " (Name TEXT COLLATE NOCASE, Child TEXT COLLATE NOCASE, ChildColumn TEXT COLLATE NOCASE, "
      "Parent TEXT COLLATE NOCASE, ParentColumn TEXT COLLATE NOCASE)");
  for (size_t i = 0; i < c.columns.size(); ++i) {
    Run(std::string("INSERT INTO main.") + kRelations + " VALUES (" + Literal(c.name) + ", " +
        Literal(table) + ", " + Literal(c.columns[i]) + ", " + Literal(c.parent) + ", " +
        Literal(parentColumns[i]) + ")");
  }
}

void JetSchemaChange::DropConstraint(const std::string& table, const std::string& name) {
  const auto index =
      Rows("SELECT name FROM main.sqlite_master WHERE type = 'index' AND name = ?1 COLLATE NOCASE",
           {JetDdlParser::IndexName(table, name)});
  const bool relation =
      HasTable("__jet_relations") &&
      Exists(std::string("SELECT 1 FROM main.") + kRelations + " WHERE Child = ?1 AND Name = ?2",
             {table, name});
  if (index.empty() && !relation) {
    jeterr::Raise(jeterr::kConstraintNotFound,
                  "No se encuentra la tabla o la restricción '" + name + "'.");
  }
  if (!index.empty()) Run("DROP INDEX main." + Q(index[0][0]));
  // The key's and the relation's triggers, whichever exist.
  for (const auto& row :
       Rows("SELECT name FROM main.sqlite_master WHERE type = 'trigger' AND (substr(name, 1, "
            "length(?1)) = ?1 COLLATE NOCASE OR substr(name, 1, length(?2)) = ?2 COLLATE NOCASE)",
            {"key:" + table + ":" + name + ":", "fk:" + table + ":" + name + ":"})) {
    Run("DROP TRIGGER main." + Q(row[0]));
  }
  if (relation) {
    Run(std::string("DELETE FROM main.") + kRelations + " WHERE Child = " + Literal(table) +
        " AND Name = " + Literal(name));
  }
}

void JetSchemaChange::DropTable(const std::string& table) {
  InSavepoint([&] {
    if (HasTable("__jet_relations")) {
      if (Exists(std::string("SELECT 1 FROM main.") + kRelations +
                     " WHERE Parent = ?1 AND Child <> ?1 COLLATE NOCASE",
                 {table})) {
        jeterr::Raise(jeterr::kTableInRelation, "No se puede eliminar la tabla '" + table +
                                                    "'; participa en una o más relaciones.");
      }
      for (const auto& row :
           Rows("SELECT name FROM main.sqlite_master WHERE type = 'trigger' AND substr(name, 1, "
                "length(?1)) = ?1 COLLATE NOCASE",
                {"fk:" + table + ":"})) {
        Run("DROP TRIGGER main." + Q(row[0]));
      }
      Run(std::string("DELETE FROM main.") + kRelations + " WHERE Child = " + Literal(table));
    }
    if (HasTable("__jet_counters")) {
      Run(std::string("DELETE FROM main.") + kCounters + " WHERE TableName = " + Literal(table));
    }
    Run("DROP TABLE main." + Q(table));
  });
}

void JetSchemaChange::AlterTable(const TranslatedStatement& t) {
  const auto found =
      Rows("SELECT name FROM main.sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE",
           {t.table});
  if (found.empty()) {
    jeterr::Raise(jeterr::kTableNotFound, "No se encuentra la tabla '" + t.table + "'.");
  }
  const std::string table = found[0][0];
  InSavepoint([&] {
    switch (t.alter) {
      case JetAlterAction::AddConstraint:
        AddConstraint(table, t.constraints.at(0));
        return;
      case JetAlterAction::DropConstraint:
        DropConstraint(table, t.target);
        return;
      default:
        break;
    }
    TranslatedStatement named = t;
    named.table = table;
    Rebuild(named);
    for (const JetConstraint& c : t.constraints) AddConstraint(table, c);
  });
}

void JetSchemaChange::Rebuild(const TranslatedStatement& t) {
  const std::string& table = t.table;
  // The columns as they stand, with the declaration of any the engine does
  // not type.
  std::vector<JetColumn> columns;
  std::vector<std::string> declared;
  for (const auto& row : Rows("PRAGMA main.table_info(" + Q(table) + ")")) {
    JetColumn c;
    c.name = row[1];
    const JetType type = JetTypeFromDeclared(row[2]);
    c.type = type.type;
    c.size = type.size;
    c.precision = type.precision;
    c.scale = type.scale;
    c.counter = Upper(row[2]) == "COUNTER";
    c.required = row[3] == "1";
    // The schema gives an expression default without the parentheses that
    // SQLite needs around it.
    if (!row[4].empty()) c.defaultSql = "(" + row[4] + ")";
    columns.push_back(std::move(c));
    declared.push_back(row[2]);
  }
  auto position = [&](const std::string& name) {
    for (size_t i = 0; i < columns.size(); ++i) {
      if (TextCase::Equal(columns[i].name, name)) return i;
    }
    return columns.size();
  };
  std::vector<std::string> copied;
  for (const JetColumn& c : columns) copied.push_back(c.name);
  const std::string subject =
      t.alter == JetAlterAction::DropColumn ? t.target : t.columns.at(0).name;
  const size_t at = position(subject);
  bool numberNewCounter = false;
  if (t.alter == JetAlterAction::AddColumn) {
    if (at != columns.size()) {
      jeterr::Raise(jeterr::kFieldExists,
                    "Ya existe un campo llamado '" + subject + "' en la tabla '" + table + "'.");
    }
    columns.push_back(t.columns[0]);
    declared.emplace_back();
    numberNewCounter = t.columns[0].counter;
  } else {
    if (at == columns.size()) {
      jeterr::Raise(jeterr::kItemNotFound,
                    "No se encontró el elemento '" + subject + "' en esta colección.");
    }
    const std::string name = columns[at].name;
    const auto indexed = Rows(
        "SELECT 1 FROM main.sqlite_master AS m, pragma_index_info(m.name) AS i WHERE m.type = "
        "'index' AND m.tbl_name = ?1 COLLATE NOCASE AND i.name = ?2 COLLATE NOCASE",
        {table, name});
    const bool related =
        HasTable("__jet_relations") &&
        Exists(
            std::string("SELECT 1 FROM main.") + kRelations +
                " WHERE (Child = ?1 AND ChildColumn = ?2) OR (Parent = ?1 AND ParentColumn = ?2)",
            {table, name});
    if (t.alter == JetAlterAction::DropColumn) {
      if (!indexed.empty() || related) {
        jeterr::Raise(jeterr::kFieldInIndex,
                      "No se puede eliminar el campo '" + name +
                          "'; forma parte de uno o más índices o relaciones.");
      }
      columns.erase(columns.begin() + static_cast<long>(at));
      declared.erase(declared.begin() + static_cast<long>(at));
      copied.erase(copied.begin() + static_cast<long>(at));
    } else {
      if (related) {
        jeterr::Raise(jeterr::kFieldInIndex, "No se puede cambiar el campo '" + name +
                                                 "'; forma parte de una o más relaciones.");
      }
      JetColumn changed = t.columns[0];
      changed.name = name;
      numberNewCounter = changed.counter && !columns[at].counter;
      columns[at] = changed;
      declared[at].clear();
    }
  }
  // Indexes and triggers go with the table; those of yes/no, decimal and
  // counter columns are made again from the columns.
  const auto others = Rows(
      "SELECT sql FROM main.sqlite_master WHERE tbl_name = ?1 COLLATE NOCASE AND type IN "
      "('index', 'trigger') AND sql IS NOT NULL AND substr(name, 1, 6) <> 'yesno:' AND "
      "substr(name, 1, 8) <> 'counter:' AND substr(name, 1, 8) <> 'decimal:'",
      {table});
  std::string create = std::string("CREATE TABLE ") + kRebuild + " (";
  std::vector<std::string> extra;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) create += ", ";
    create += columns[i].type == 0 && !declared[i].empty() ? Q(columns[i].name) + " " + declared[i]
                                                           : JetDdlParser::ColumnSql(columns[i]);
    JetDdlParser::ColumnTriggers(table, columns[i], extra);
  }
  Run(create + ")");
  Run(std::string("INSERT INTO ") + kRebuild + " (" + Names(copied) + ") SELECT " + Names(copied) +
      " FROM main." + Q(table));
  Run("DROP TABLE main." + Q(table));
  // The new table takes the old name without SQLite rewriting, or checking,
  // the triggers of other tables that name it.
  Run("PRAGMA legacy_alter_table = ON");
  Run(std::string("ALTER TABLE ") + kRebuild + " RENAME TO " + Q(table));
  Run("PRAGMA legacy_alter_table = OFF");
  for (const std::string& s : extra) Run(s);
  for (const auto& row : others) Run(row[0]);
  for (const JetColumn& c : columns) {
    if (!c.counter) continue;
    if (numberNewCounter && TextCase::Equal(c.name, subject)) {
      AddCounter(table, c, true);
    } else {
      // The counter's state row survives: only its triggers are made again.
      JetColumn keep = c;
      const auto state = Rows(std::string("SELECT Next, Step FROM main.") + kCounters +
                                  " WHERE TableName = ?1 AND ColumnName = ?2",
                              {table, c.name});
      if (!state.empty()) {
        keep.seed = std::stoll(state[0][0]);
        keep.step = std::stoll(state[0][1]);
      }
      AddCounter(table, keep, false);
    }
  }
  if (t.alter == JetAlterAction::DropColumn && HasTable("__jet_counters")) {
    Run(std::string("DELETE FROM main.") + kCounters + " WHERE TableName = " + Literal(table) +
        " AND ColumnName = " + Literal(subject));
  }
}

long JetSchemaChange::SelectInto(const TranslatedStatement& t) {
  if (Exists("SELECT 1 FROM main.sqlite_master WHERE name = ?1 COLLATE NOCASE", {t.target})) {
    jeterr::Raise(jeterr::kTableExists, "La tabla '" + t.target + "' ya existe.");
  }
  std::vector<JetColumn> columns;
  {
    // Finalized before the new table is made.
    SqlStatement select = connection_.PrepareOnce(t.sql, context_);
    sqlite3_stmt* raw = select.Raw();
    const int count = select.ColumnCount();
    columns.resize(static_cast<size_t>(count));
    int untyped = 0;
    for (int i = 0; i < count; ++i) {
      JetColumn& c = columns[static_cast<size_t>(i)];
      c.name = select.ColumnName(i);
      for (int j = 0; j < i; ++j) {
        if (TextCase::Equal(columns[static_cast<size_t>(j)].name, c.name)) {
          jeterr::Raise(jeterr::kFieldDefinedTwice,
                        "No se puede definir el campo '" + c.name + "' más de una vez.");
        }
      }
      const char* declared = sqlite3_column_decltype(raw, i);
      JetType type = declared ? JetTypeFromDeclared(declared) : JetType{};
      // A typed expression gives its type; a text still sizes by its value.
      if (const int typed = t.OutputType(c.name); !declared && typed != dbText)
        type = JetTypeFromDeclared(DeclaredType(typed, 0));
      c.type = type.type;
      c.size = type.size;
      c.precision = type.precision;
      c.scale = type.scale;
      if (c.type == 0) ++untyped;
    }
    // Expressions take the type of their first value.
    while (untyped > 0 && select.Step()) {
      for (int i = 0; i < count; ++i) {
        JetColumn& c = columns[static_cast<size_t>(i)];
        if (c.type != 0) continue;
        switch (sqlite3_column_type(raw, i)) {
          case SQLITE_INTEGER: {
            const sqlite3_int64 v = sqlite3_column_int64(raw, i);
            c.type = v >= -2147483648LL && v <= 2147483647LL ? dbLong : dbDouble;
            break;
          }
          case SQLITE_FLOAT:
            c.type = dbDouble;
            break;
          case SQLITE_TEXT:
            c.type = sqlite3_column_bytes(raw, i) > kDefaultTextSize ? dbMemo : dbText;
            break;
          case SQLITE_BLOB:
            c.type = dbLongBinary;
            break;
          default:
            continue;
        }
        --untyped;
      }
    }
  }
  std::string create = "CREATE TABLE main." + Q(t.target) + " (";
  std::vector<std::string> extra;
  for (JetColumn& c : columns) {
    if (c.type == 0) c.type = dbText;
    if (c.type == dbText && c.size == 0) c.size = kDefaultTextSize;
    if (&c != &columns.front()) create += ", ";
    create += JetDdlParser::ColumnSql(c);
    JetDdlParser::ColumnTriggers(t.target, c, extra);
  }
  long rows = 0;
  InSavepoint([&] {
    Run(create + ")");
    for (const std::string& s : extra) Run(s);
    std::vector<std::string> names;
    for (const JetColumn& c : columns) names.push_back(c.name);
    Run("INSERT INTO main." + Q(t.target) + " (" + Names(names) + ") " + t.sql);
    rows = static_cast<long>(connection_.Changes());
  });
  return rows;
}

}  // namespace dao
