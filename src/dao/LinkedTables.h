/*
** LinkedTables: a database's links to tables of other engine files.
**
** The links are kept in the internal table "__jet_links" (name, connect,
** source table). When the database opens, each linked file is attached
** (through OffsetVfs, after its header and password are checked; the
** password is the link's own ";PWD=", else the database's). A link named
** as its source table then resolves straight to the attached table,
** readable and writable; a link under another name becomes a temporary
** view, readable only. A linked file that is missing or refused leaves its
** link listed but unusable until it is there again. Statements name a link
** of the first kind in its file's schema (TableSql), since another attached
** file may hold a table of the same name.
**
** Generation() changes whenever a link comes or goes: a translation made
** before named the tables as the old links did.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dao {

class Connection;
class TableDef;

class LinkedTables {
 public:
  struct Link {
    std::string name, connect, source;
    std::string schema;  // the attached file's schema; "" when not attached
  };

  LinkedTables(Connection& connection, std::string password)
      : connection_(connection), password_(std::move(password)) {}

  // Attaches every linked file; one that cannot be attached never keeps
  // the database itself from opening.
  void AttachAll();

  // The links as stored, in the order they were made.
  std::vector<Link> Read();
  bool IsLink(std::string_view name);

  // A table as the engine's SQL names it: "name", or schema."source" for a
  // link named as its source table.
  std::string TableSql(std::string_view name) const;
  // The schema and the source of a link named as its source table, when
  // its file is attached.
  struct Attached {
    std::string schema, source;
  };
  std::optional<Attached> FindAttached(std::string_view name) const;

  // Makes a link (3010 when the name is taken, 3024 when the linked file is
  // missing, 3078 when the source table is not in it); nothing is written
  // unless the link can be opened again.
  void Append(const TableDef& def);
  // Forgets a link; false when there is none of that name.
  bool Remove(std::string_view name);

  long Generation() const { return generation_; }

 private:
  // Attaches a linked file once, after checking its header and password;
  // gives its schema alias, or raises the engine's error.
  std::string AttachFile(const std::string& file, const std::string& password);
  std::string PasswordOf(const std::string& connect) const;
  void CreateView(const Link& link, const std::string& alias);
  // Reads the links named as their source again.
  void Note();

  struct Named {
    std::string name, schema, source;
  };

  Connection& connection_;
  std::string password_;
  std::unordered_map<std::string, std::string> attachedFiles_;  // file path -> schema alias
  std::vector<Named> attached_;
  long generation_ = 0;
};

}  // namespace dao
