/*
** SourceCatalog: what a Jet file holds, as the reader found it: its format,
** its data tables, and a count of each kind of object that is no data and
** is therefore left behind (system tables, queries, links to other files,
** forms, reports, macros, modules and the relations between tables).
*/
#pragma once

#include <string>
#include <vector>

#include "jetimport/SourceTable.h"

namespace jetimport {

struct LeftBehind {
  int systemTables = 0;
  int queries = 0;
  int links = 0;
  int forms = 0;
  int reports = 0;
  int macros = 0;
  int modules = 0;
  int relations = 0;
};

struct SourceCatalog {
  int jetVersion = 0;  // 3 for Jet 3 (Access 97), 4 for Jet 4 and the later formats
  int codePage = 0;    // of Jet 3 text
  std::vector<std::string> tableNames;  // every data table, in the file's order
  LeftBehind leftBehind;
};

}  // namespace jetimport
