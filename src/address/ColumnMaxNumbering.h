/*
** ColumnMaxNumbering: a host object whose new address code is one more than
** the highest code in a column of the table (1 for an empty table). It
** stands in for the host application in the demonstration and the tests;
** the host application brings its own numbering.
**
** Backup rows count: they keep their codes, and a new row must not take
** one that a restore would bring back.
*/
#pragma once

#include <string>

#include "address/ObjSistema.h"
#include "dao/Database.h"

class ColumnMaxNumbering : public ObjSistema {
 public:
  ColumnMaxNumbering(dao::Database db, std::string columna)
      : db_(std::move(db)), columna_(std::move(columna)) {}

  Variant DevolverMaximo(const std::string& tabla) override;

 private:
  dao::Database db_;
  std::string columna_;
};
