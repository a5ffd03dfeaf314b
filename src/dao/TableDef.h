/*
** TableDef: the definition of a table: a local table of the database, or a
** link to a table of another engine database file.
**
** A linked table has Connect ";DATABASE=<path>" (optionally followed by
** ";PWD=<password>") and the name of the table in that file as
** SourceTableName; a local table has an empty Connect. A TableDef made with
** Database::CreateTableDef becomes part of the database when appended to
** its TableDefs.
*/
#pragma once

#include <string>
#include <vector>

#include "dao/Field.h"

namespace dao {

// TableDef attributes.
inline constexpr int dbAttachedTable = 0x40000000;

class TableDef {
 public:
  TableDef() = default;
  TableDef(std::string name, std::string connect, std::string sourceTableName,
           std::vector<Field> fields = {})
      : name_(std::move(name)),
        connect_(std::move(connect)),
        sourceTableName_(std::move(sourceTableName)),
        fields_(std::move(fields)) {}

  const std::string& Name() const { return name_; }
  const std::string& Connect() const { return connect_; }
  const std::string& SourceTableName() const { return sourceTableName_; }
  int Attributes() const;                                       // dbAttachedTable for a link
  const std::vector<Field>& Fields() const { return fields_; }  // in column order

  void SetConnect(std::string connect) { connect_ = std::move(connect); }
  void SetSourceTableName(std::string name) { sourceTableName_ = std::move(name); }

 private:
  std::string name_;
  std::string connect_;
  std::string sourceTableName_;
  std::vector<Field> fields_;
};

}  // namespace dao
