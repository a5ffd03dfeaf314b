/*
** TraerTodosCampos: the column list that copies a table's rows onto
** itself with one column replaced.
**
** The result names every field of the table definition, in column order,
** that equals no entry of `Excepto`, joined with ", "; the empty text when
** none is left. Names are compared ignoring letter case, accented capitals
** of Spanish included ("DUEÑO" is "Dueño"). Given a table name, the
** definition is looked up in the database's table definitions after a
** refresh, so that a column added since the database was opened is
** copied too (a stale list would bring it back empty on a restore); a
** missing table is the engine's 3265.
*/
#pragma once

#include <string>
#include <vector>

#include "dao/Database.h"
#include "dao/TableDef.h"

std::string TraerTodosCampos(dao::Database& Db, const std::string& Tabla,
                             const std::vector<std::string>& Excepto);
std::string TraerTodosCampos(const dao::TableDef& Tabla, const std::vector<std::string>& Excepto);
