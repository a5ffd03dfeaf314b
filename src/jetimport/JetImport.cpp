/*
** A Jet file into a new engine database. See JetImport.h.
*/
#include "jetimport/JetImport.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "dao/DBEngine.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/ImportErrors.h"
#include "jetimport/JetFileReader.h"
#include "jetimport/ReaderProcess.h"
#include "jetimport/ReaderProtocol.h"
#include "jetimport/TargetWriter.h"

namespace jetimport {

namespace {

namespace fs = std::filesystem;

// Page 0 of a Jet file opens with 00 01 00 00 and the engine's name; the
// format's version is the byte at 0x14.
constexpr std::array<unsigned char, 4> kMagic = {0x00, 0x01, 0x00, 0x00};
constexpr size_t kNameAt = 4;
constexpr size_t kVersionAt = 0x14;
constexpr const char* kJetName = "Standard Jet DB";
constexpr const char* kAceName = "Standard ACE DB";
constexpr int kLastVersion = 6;  // Access 2019

// The hidden file that becomes the target; removed unless released.
class WorkFile {
 public:
  explicit WorkFile(std::string path) : path_(std::move(path)) { Remove(); }
  ~WorkFile() {
    if (!released_) Remove();
  }
  WorkFile(const WorkFile&) = delete;
  WorkFile& operator=(const WorkFile&) = delete;

  const std::string& Path() const { return path_; }
  void Release() { released_ = true; }

 private:
  void Remove() {
    std::error_code ec;
    fs::remove(path_, ec);
    fs::remove(path_ + "-journal", ec);
  }
  std::string path_;
  bool released_ = false;
};

// Closes the database when the import leaves, before its file is removed.
struct Closing {
  dao::Database& db;
  ~Closing() { db.Close(); }
};

// The whole import is one transaction: the file is flushed to disk once,
// before it takes the target's name, instead of at every statement. One
// that is left uncommitted is rolled back, so that the engine's
// transactions, which span every open database, stay balanced.
class Transaction {
 public:
  Transaction() { dao::DBEngine::BeginTrans(); }
  ~Transaction() {
    if (open_) {
      try {
        dao::DBEngine::Rollback();
      } catch (const AppError&) {
        // The file is thrown away right after: nothing of it is kept.
      }
    }
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit() {
    dao::DBEngine::CommitTrans();
    open_ = false;
  }

 private:
  bool open_ = true;
};

void Sync(const std::string& path, bool directory) {
  const int fd = ::open(path.c_str(), O_RDONLY | (directory ? O_DIRECTORY : 0));
  const bool ok = fd >= 0 && ::fsync(fd) == 0;
  if (fd >= 0) ::close(fd);
  if (!ok) Raise(dao::jeterr::msg::kWriteFailed, {path});
}

std::string Parent(const fs::path& p) {
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

}  // namespace

uint64_t JetImport::CheckSource(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) Raise(dao::jeterr::msg::kFileNotFound, {path});
  if (!fs::is_regular_file(status)) Raise(msg::kNotJet, {path});
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) Raise(dao::jeterr::msg::kCannotReadFile, {path});
  std::array<unsigned char, kVersionAt + 1> head{};
  const ssize_t got = ::read(fd, head.data(), head.size());
  ::close(fd);
  const uint64_t size = fs::file_size(path, ec);
  if (got < static_cast<ssize_t>(head.size()) ||
      std::memcmp(head.data(), kMagic.data(), kMagic.size()) != 0 ||
      (std::memcmp(head.data() + kNameAt, kJetName, std::strlen(kJetName)) != 0 &&
       std::memcmp(head.data() + kNameAt, kAceName, std::strlen(kAceName)) != 0)) {
    Raise(msg::kNotJet, {path});
  }
  const int version = head[kVersionAt];
  if (version > kLastVersion) Raise(msg::kUnsupportedVersion, {path, std::to_string(version)});
  const uint64_t page = version == 0 ? 2048 : 4096;
  if (size < page || size % page != 0) {
    Raise(msg::kTruncated, {path, std::to_string(size), std::to_string(page)});
  }
  return size;
}

ImportSummary JetImport::Run(const ImportOptions& o, ImportProgress& progress) {
  const uint64_t size = CheckSource(o.source);
  const fs::path target(o.target);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec))) {
    if (fs::equivalent(o.source, target, ec)) Raise(msg::kSameFile, {o.target, o.source});
    if (!o.replace) Raise(dao::jeterr::msg::kDatabaseExists, {o.target});
    if (fs::is_directory(target, ec)) Raise(dao::jeterr::msg::kCannotWriteFile, {o.target});
  }
  WorkFile work((target.has_parent_path() ? target.parent_path() : fs::path(".")) /
                ("." + target.filename().string() + ".importando-" + std::to_string(::getpid())));

  ReaderProcess reader(
      o.source, size,
      [&](const ReaderProcess::Send& send) { JetFileReader::Read(o.source, o.tables, send); },
      {o.silenceSeconds, o.stop});
  std::string during = "al leer el catálogo";
  ImportSummary summary;
  dao::Database db;
  Closing closing{db};
  std::optional<Transaction> transaction;
  TargetWriter writer(db, [&](const std::string& text) {
    summary.notes++;
    progress.Note(text);
  });
  int index = 0, count = 0;
  std::string table;
  uint64_t declared = 0;
  try {
    for (;;) {
      const std::string message = reader.Next(during, o.target);
      WireReader r(message);
      switch (static_cast<ReaderMessage>(r.U8())) {
        case ReaderMessage::Catalog: {
          const SourceCatalog catalog = ReaderProtocol::ReadCatalog(r);
          summary.jetVersion = catalog.jetVersion;
          summary.leftBehind = catalog.leftBehind;
          count = static_cast<int>(o.tables.empty() ? catalog.tableNames.size() : o.tables.size());
          db = dao::DBEngine::CreateDatabase(work.Path(), o.password);
          transaction.emplace();
          break;
        }
        case ReaderMessage::Table: {
          if (!transaction) throw WireReader::Malformed();  // tables come after the catalog
          const SourceTable t = ReaderProtocol::ReadTable(r);
          table = t.name;
          declared = t.declaredRows;
          during = "al leer la tabla '" + table + "'";
          progress.TableStarted(table, t.declaredRows, ++index, count);
          writer.Begin(t);
          break;
        }
        case ReaderMessage::Rows:
          for (uint32_t n = r.U32(); n > 0; n--) {
            writer.Row(ReaderProtocol::ReadRow(r));
            const uint64_t done = writer.RowsWritten();
            if (done > 0 && done % ImportProgress::kRowStep == 0)
              progress.RowsDone(table, done, declared);
          }
          if (o.stop && o.stop()) Raise(msg::kInterrupted, {o.target});
          break;
        case ReaderMessage::TableEnd: {
          const auto sent = static_cast<uint64_t>(r.I64());
          if (writer.Created() && sent != writer.RowsWritten())
            Raise(msg::kReaderStopped, {o.source, during, "filas perdidas en el camino"});
          writer.End();
          if (writer.Created()) summary.tables++;
          summary.rows += writer.RowsWritten();
          progress.TableDone(table, writer.RowsWritten(), index, count);
          during = "tras la tabla '" + table + "'";
          break;
        }
        case ReaderMessage::Error: {
          const int number = r.I32();
          throw AppError(number, r.Text());
        }
        case ReaderMessage::Done:
          if (!transaction) throw WireReader::Malformed();
          transaction->Commit();
          db.Close();
          Sync(work.Path(), false);
          // The last moment a stop can still leave no target: the file is
          // whole but has not taken its name. One that came during the
          // commit and the flush is honoured here, not let through to a
          // target that the caller would then report as stopped.
          if (o.stop && o.stop()) Raise(msg::kInterrupted, {o.target});
          if (std::rename(work.Path().c_str(), o.target.c_str()) != 0)
            Raise(dao::jeterr::msg::kCannotWriteFile, {o.target});
          work.Release();
          Sync(Parent(target), true);
          return summary;
        default:
          throw WireReader::Malformed();
      }
    }
  } catch (const WireReader::Malformed&) {
    Raise(msg::kReaderStopped, {o.source, during, "mensaje del lector no válido"});
  }
}

}  // namespace jetimport
