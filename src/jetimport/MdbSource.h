/*
** MdbSource: a Jet file read through MDB Tools' libmdb: its catalog, the
** definitions of its tables and their rows as exact JetCells.
**
** libmdb finds the pages and splits each row into its columns; the bytes
** of every value are then read and decoded here (JetValueDecoder), long
** values (Memo, OLE object) included, because libmdb's own text forms
** round currency through a double, lose the difference between Null and
** "" and cut long values at a buffer's size.
**
** The file is opened read-only and never written. libmdb trusts what it
** reads, so this class does not: every offset and length it takes from a
** page is checked against the page before use, a long value may not be
** longer than the file nor follow more links than the file has pages, a
** table may not yield more rows than its pages could hold, nor fewer than
** the count its definition keeps (pages lost, as in a file cut at a page's
** edge: libmdb skips pages it cannot read). MSysObjects is walked too, so
** a catalog cut short is caught the same way. What fails a check raises
** AppError 3343 (ImportErrors.h) naming the table. libmdb
** itself may still fail on a damaged file in ways no caller can check;
** that is why it runs in a process of its own (ReaderProcess.h).
**
** Column types become the engine's as follows: Yes/No, Byte, Integer,
** Long, Currency, Single, Double, Date/Time, Text (its size in
** characters), Memo and Decimal as their own; AutoNumber as COUNTER;
** OLE object and Binary as LONGBINARY; Replication ID as TEXT (38) holding
** "{...}". A Decimal of a precision above the engine's 18 is made (18, s)
** with a note; values that do not fit are refused when written. Attachment
** and multi-valued columns, and types this reader does not know, are left
** out with their reason.
*/
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "jetimport/ReaderProtocol.h"
#include "jetimport/SourceCatalog.h"
#include "jetimport/SourceTable.h"

namespace jetimport {

class MdbSource {
 public:
  // Opens the file and reads its catalog. 3343 when libmdb cannot.
  explicit MdbSource(const std::string& path);
  ~MdbSource();
  MdbSource(const MdbSource&) = delete;
  MdbSource& operator=(const MdbSource&) = delete;

  const SourceCatalog& Catalog() const;

  // The definition of the data table `name` (as the catalog names it).
  SourceTable Table(const std::string& name);

  // Each row of `table` (from Table()), with one cell per imported column.
  void Rows(const SourceTable& table, const std::function<void(const JetRow&)>& row);

 private:
  class State;
  std::unique_ptr<State> state_;
};

}  // namespace jetimport
