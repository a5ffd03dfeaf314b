/*
** The reader process's work. See JetFileReader.h.
*/
#include "jetimport/JetFileReader.h"

#include <new>

#include "common/TextCase.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/ImportErrors.h"
#include "jetimport/MdbSource.h"
#include "jetimport/ReaderProtocol.h"

namespace jetimport {

namespace {

constexpr size_t kBatchBytes = 256 * 1024;

void SendTable(MdbSource& source, const std::string& name, const JetFileReader::Send& send) {
  WireWriter w;
  const SourceTable table = source.Table(name);
  ReaderProtocol::WriteTable(w, table);
  send(w.Bytes());
  WireWriter rows;
  uint32_t inBatch = 0;
  uint64_t total = 0;
  auto flush = [&] {
    if (inBatch == 0) return;
    WireWriter head;
    head.U8(static_cast<uint8_t>(ReaderMessage::Rows));
    head.U32(inBatch);
    send(head.Bytes() + rows.Bytes());
    rows.Clear();
    inBatch = 0;
  };
  source.Rows(table, [&](const JetRow& row) {
    ReaderProtocol::WriteRow(rows, row);
    inBatch++;
    total++;
    if (rows.Size() >= kBatchBytes) flush();
  });
  flush();
  WireWriter end;
  end.U8(static_cast<uint8_t>(ReaderMessage::TableEnd));
  end.I64(static_cast<int64_t>(total));
  send(end.Bytes());
}

}  // namespace

void JetFileReader::Read(const std::string& path, const std::vector<std::string>& tables,
                         const Send& send) {
  WireWriter failure;
  try {
    MdbSource source(path);
    const SourceCatalog& catalog = source.Catalog();
    std::vector<std::string> chosen;
    for (const std::string& wanted : tables) {
      const std::string* found = nullptr;
      for (const std::string& name : catalog.tableNames) {
        if (TextCase::Equal(name, wanted)) found = &name;
      }
      if (!found) Raise(dao::jeterr::msg::kTableNotFoundInFile, {wanted, path});
      chosen.push_back(*found);
    }
    if (tables.empty()) chosen = catalog.tableNames;
    WireWriter w;
    ReaderProtocol::WriteCatalog(w, catalog);
    send(w.Bytes());
    for (const std::string& name : chosen) SendTable(source, name, send);
    WireWriter done;
    done.U8(static_cast<uint8_t>(ReaderMessage::Done));
    send(done.Bytes());
    return;
  } catch (const AppError& e) {
    ReaderProtocol::WriteError(failure, e.Number(), e.Description());
  } catch (const std::bad_alloc&) {
    ReaderProtocol::WriteError(failure, dao::jeterr::msg::kOutOfMemory.number,
                               std::string(dao::jeterr::msg::kOutOfMemory.text));
  } catch (const std::exception& e) {
    ReaderProtocol::WriteError(failure, dao::jeterr::kUnrecognizedFormat,
                               msg::kDamaged.Format({path, e.what()}));
  }
  send(failure.Bytes());
}

}  // namespace jetimport
