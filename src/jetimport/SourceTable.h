/*
** SourceTable: the definition of one table of a Jet file, as the reader
** found it, in the terms of the engine it is going to: each column already
** carries the engine type that keeps its values, or the reason why it
** cannot be imported.
**
** Jet's own type is kept beside the engine's (`jetType`, the code in the
** file) because a few engine types stand for more than one Jet type
** (Binary and OLE object both become LONGBINARY; Replication ID becomes
** TEXT (38)). Indexes name their columns by position in `columns`.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jetimport {

// Jet's column type codes, as they are stored in the file.
enum class JetColumnType : int {
  Boolean = 0x01,
  Byte = 0x02,
  Integer = 0x03,
  Long = 0x04,
  Currency = 0x05,
  Single = 0x06,
  Double = 0x07,
  DateTime = 0x08,
  Binary = 0x09,
  Text = 0x0a,
  OleObject = 0x0b,
  Memo = 0x0c,
  ReplicationId = 0x0f,
  Numeric = 0x10,
  Complex = 0x12,
};

struct SourceColumn {
  std::string name;
  int jetType = 0;  // a JetColumnType, or a code this reader does not know
  // The engine's type (dao::dbText, ...) and size: characters for text;
  // precision and scale for decimals. 0 when the column is not imported.
  int engineType = 0;
  int size = 0;
  int precision = 0;
  int scale = 0;
  int jetScale = 0;          // a decimal's scale in the file, which the engine's may cap
  bool counter = false;      // AutoNumber (Long): numbered on insert
  bool required = false;     // the file's "Required" property
  std::string defaultValue;  // the file's "DefaultValue" property, as written
  std::string skipReason;    // why the column is not imported; empty when it is
  std::string note;          // what the engine keeps differently (a precision it caps)
};

struct SourceIndex {
  std::string name;
  bool primary = false;
  bool unique = false;
  std::vector<int> columns;  // positions in SourceTable::columns
  std::vector<bool> descending;
};

struct SourceTable {
  std::string name;
  std::vector<SourceColumn> columns;
  std::vector<SourceIndex> indexes;  // keys of relations left out: they are no data
  uint32_t declaredRows = 0;         // the row count the file keeps, for progress
};

}  // namespace jetimport
