/*
** JetFunctionCatalog: the Jet library functions that the expression
** translator knows, with the SQL function each becomes, and their
** registration.
**
** A name is found whatever its case. The argument counts are checked by the
** translator (error 3075 for a wrong count); Switch and Choose take up to
** 127 arguments, SQLite's limit for a function. IIf and IsNull have no SQL
** function: the translator writes them itself.
*/
#pragma once

#include <string_view>

struct sqlite3;

namespace dao {

struct JetFunctionSignature {
  std::string_view name;
  std::string_view sqlName;
  int minArgs;
  int maxArgs;
  bool text;  // the result is known to be text
  bool aggregate;
};

class JetFunctionCatalog {
 public:
  // The function of that name, or nullptr.
  static const JetFunctionSignature* Find(std::string_view name);

  // Registers the SQL functions on a connection; returns the first SQLite
  // result code that is not SQLITE_OK.
  static int Register(sqlite3* db);
};

}  // namespace dao
