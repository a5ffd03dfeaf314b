/*
** A database's links to tables of other files. See LinkedTables.h.
*/
#include "dao/LinkedTables.h"

#include <cstdio>

#include "common/TextCase.h"
#include "dao/ConnectString.h"
#include "dao/Connection.h"
#include "dao/FileHeader.h"
#include "dao/OffsetVfs.h"
#include "dao/TableDef.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetObjectName.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

namespace {

constexpr const char* kLinksTable = "__jet_links";

// A file name as an SQLite URI, so that ATTACH can name our VFS.
std::string FileUri(const std::string& path) {
  std::string uri = "file:";
  for (unsigned char c : path) {
    // A quote would end the SQL text that carries the URI.
    if (c == '%' || c == '?' || c == '#' || c == ' ' || c == '\'' || c < 0x20) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", c);
      uri += buf;
    } else {
      uri += static_cast<char>(c);
    }
  }
  return uri + "?vfs=" + OffsetVfsName();
}

}  // namespace

std::vector<LinkedTables::Link> LinkedTables::Read() {
  std::vector<Link> links;
  if (!connection_.FindTable("main", kLinksTable)) return links;
  SqlStatement rows =
      connection_.Prepare(std::string("SELECT Name, Connect, SourceTable FROM main.") +
                          kLinksTable + " ORDER BY rowid");
  while (rows.Step()) {
    Link link{rows.Text(0), rows.Text(1), rows.Text(2), ""};
    if (auto it = attachedFiles_.find(ConnectValue(link.connect, "DATABASE"));
        it != attachedFiles_.end()) {
      link.schema = it->second;
    }
    links.push_back(std::move(link));
  }
  return links;
}

bool LinkedTables::IsLink(std::string_view name) {
  for (const Link& link : Read()) {
    if (TextCase::Equal(link.name, name)) return true;
  }
  return false;
}

std::string LinkedTables::PasswordOf(const std::string& connect) const {
  std::string pwd = ConnectValue(connect, "PWD");
  return pwd.empty() ? password_ : pwd;
}

std::string LinkedTables::AttachFile(const std::string& file, const std::string& password) {
  if (auto it = attachedFiles_.find(file); it != attachedFiles_.end()) return it->second;
  FileHeader header = FileHeader::ReadFrom(file);
  if (!header.Accepts(password)) {
    jeterr::Raise(jeterr::msg::kInvalidFilePassword, {file});
  }
  std::string alias = "jetlink" + std::to_string(attachedFiles_.size() + 1);
  // A failure names the linked file, not the database.
  const FailureContext context{&file, nullptr, JetStatementKind::Select};
  connection_.RunOnce("ATTACH DATABASE '" + FileUri(file) + "' AS " + alias, context);
  attachedFiles_.emplace(file, alias);
  return alias;
}

void LinkedTables::CreateView(const Link& link, const std::string& alias) {
  connection_.RunOnce("CREATE TEMP VIEW IF NOT EXISTS " + QuoteIdentifier(link.name) +
                          " AS SELECT * FROM " + alias + "." + QuoteIdentifier(link.source),
                      connection_.Context(JetStatementKind::CreateTable));
}

std::string LinkedTables::TableSql(std::string_view name) const {
  const auto attached = FindAttached(name);
  return attached ? attached->schema + "." + QuoteIdentifier(attached->source)
                  : QuoteIdentifier(name);
}

std::optional<LinkedTables::Attached> LinkedTables::FindAttached(std::string_view name) const {
  for (const Named& l : attached_) {
    if (TextCase::Equal(l.name, name)) return Attached{l.schema, l.source};
  }
  return std::nullopt;
}

void LinkedTables::Note() {
  attached_.clear();
  for (const Link& link : Read()) {
    if (!link.schema.empty() && TextCase::Equal(link.name, link.source)) {
      attached_.push_back({link.name, link.schema, link.source});
    }
  }
  ++generation_;
}

void LinkedTables::AttachAll() {
  for (const Link& link : Read()) {
    try {
      std::string alias =
          AttachFile(ConnectValue(link.connect, "DATABASE"), PasswordOf(link.connect));
      if (!TextCase::Equal(link.name, link.source)) CreateView(link, alias);
    } catch (const AppError&) {
      // The link stays listed; using it reports the missing table. One
      // unusable link never keeps the database itself from opening.
      continue;
    }
  }
  Note();
}

void LinkedTables::Append(const TableDef& def) {
  const FailureContext context = connection_.Context(JetStatementKind::CreateTable);
  if (def.Connect().empty()) {
    jeterr::Raise(jeterr::msg::kNoFieldsDefined, {def.Name()});
  }
  JetObjectName::CheckNew(def.Name());
  if (connection_.FindTable("main", def.Name()) || IsLink(def.Name())) {
    jeterr::Raise(jeterr::msg::kTableExists, {def.Name()});
  }
  // Everything that can refuse the link runs before it is written: a link
  // that is written is one the database can open again.
  Link link{def.Name(), def.Connect(),
            def.SourceTableName().empty() ? def.Name() : def.SourceTableName(), ""};
  const std::string file = ConnectValue(link.connect, "DATABASE");
  const std::string alias = AttachFile(file, PasswordOf(link.connect));
  const auto source = connection_.FindTable(alias, link.source);
  if (!source) {
    jeterr::Raise(jeterr::msg::kTableNotFoundInFile, {link.source, file});
  }
  link.source = *source;
  const bool renamed = !TextCase::Equal(link.name, link.source);
  if (renamed) CreateView(link, alias);
  try {
    connection_.RunOnce(
        std::string("CREATE TABLE IF NOT EXISTS main.") + kLinksTable +
            " (Name TEXT PRIMARY KEY COLLATE NOCASE, Connect TEXT, SourceTable TEXT)",
        context);
    connection_
        .Prepare(std::string("INSERT INTO main.") + kLinksTable +
                     " (Name, Connect, SourceTable) VALUES (?1, ?2, ?3)",
                 context)
        .BindText(1, link.name)
        .BindText(2, link.connect)
        .BindText(3, link.source)
        .Run();
  } catch (const AppError&) {
    if (renamed) {
      connection_.RunOnce("DROP VIEW IF EXISTS temp." + QuoteIdentifier(link.name), context);
    }
    throw;
  }
  Note();
}

bool LinkedTables::Remove(std::string_view name) {
  const FailureContext context = connection_.Context(JetStatementKind::DropTable);
  for (const Link& link : Read()) {
    if (!TextCase::Equal(link.name, name)) continue;
    connection_.RunOnce("DROP VIEW IF EXISTS temp." + QuoteIdentifier(link.name), context);
    connection_
        .Prepare(std::string("DELETE FROM main.") + kLinksTable + " WHERE Name = ?1", context)
        .BindText(1, link.name)
        .Run();
    Note();
    return true;
  }
  return false;
}

}  // namespace dao
