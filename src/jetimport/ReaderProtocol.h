/*
** ReaderProtocol: the messages from the Jet reader to the importer.
**
** The reader runs in a process of its own (ReaderProcess.h) and sends, in
** order: the catalog; then, for each table it reads, the table's
** definition, its rows in batches, and the table's end with its row count;
** finally Done. Instead of any of these it may send an error (number and
** description) and stop. Each message is framed as a 32-bit length and the
** message, whose first byte is its kind.
**
** Decoding checks everything it reads (WireReader); a kind, a cell kind or
** a count that makes no sense raises WireReader::Malformed.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jetimport/JetCell.h"
#include "jetimport/SourceCatalog.h"
#include "jetimport/SourceTable.h"
#include "jetimport/WireReader.h"
#include "jetimport/WireWriter.h"

namespace jetimport {

enum class ReaderMessage : uint8_t {
  Catalog = 'C',
  Table = 'T',
  Rows = 'R',
  TableEnd = 'E',
  Error = 'X',
  Done = 'D',
};

using JetRow = std::vector<JetCell>;

class ReaderProtocol {
 public:
  static void WriteCatalog(WireWriter& w, const SourceCatalog& catalog);
  static SourceCatalog ReadCatalog(WireReader& r);

  static void WriteTable(WireWriter& w, const SourceTable& table);
  static SourceTable ReadTable(WireReader& r);

  // A batch of rows: the count, then each row's cells.
  static void WriteRow(WireWriter& w, const JetRow& row);
  static JetRow ReadRow(WireReader& r);

  static void WriteError(WireWriter& w, int number, const std::string& description);
};

}  // namespace jetimport
