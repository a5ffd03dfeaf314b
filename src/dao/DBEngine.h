/*
** DBEngine: the one engine object. Opens and creates database files and
** runs the transactions, which span every database open at BeginTrans.
**
** Files: one database is one file: the engine's header block followed by
** SQLite's pages (see FileHeader.h). A file without the header is refused
** with 3343, a wrong password with 3031, a missing file with 3024; a file
** that is refused is never modified.
*/
#pragma once

#include <string>

#include "dao/Database.h"

namespace dao {

class DBEngine {
 public:
  // `exclusive` keeps other connections out until Close; `connect` carries
  // the password as ";PWD=<password>" (letters of the key are matched
  // ignoring case).
  static Database OpenDatabase(const std::string& name, bool exclusive = false,
                               bool readOnly = false, const std::string& connect = "");

  // A new, empty database file protected by `password` (may be empty).
  // 3204 when the file already exists; 3031 when the password holds a ";",
  // which the connect string of every later open would cut off there.
  static Database CreateDatabase(const std::string& name, const std::string& password);

  // Transactions nest; CommitTrans or Rollback without BeginTrans is 3034.
  static void BeginTrans();
  static void CommitTrans();
  static void Rollback();
};

}  // namespace dao
