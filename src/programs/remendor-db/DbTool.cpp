/*
** The commands of remendor-db. See DbTool.h.
*/
#include "DbTool.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "RowPrinter.h"
#include "ScriptReader.h"
#include "common/NativePath.h"
#include "common/SystemError.h"
#include "dao/DBEngine.h"
#include "dao/FileHeader.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "platform/PathSeparator.h"
#include "repair/RepairRun.h"
#include "samples/SampleAddresses.h"
#include "samples/SampleInstallation.h"

namespace {

bool FirstByteNonZero(const std::string& path) {
  std::ifstream in(NativePath::From(path), std::ios::binary);
  char c = 0;
  return in.get(c) && c != 0;
}

// A database opened through ClsKolm; its scrambling is put back as found
// when it goes out of scope, also when a stop request ends the work with
// 3059 (main turns the signals that end the program into such a request,
// so the program never ends while the file lies unscrambled).
class OpenedFile {
 public:
  OpenedFile(ClsKolm& kolm, const std::string& path, std::vector<std::string>& notRestored)
      : kolm_(kolm), path_(path), notRestored_(notRestored) {
    scrambled_ = FirstByteNonZero(path);
    if (!kolm_.AbrirBaseMdb(path, db)) throw *kolm_.LastError();
  }
  ~OpenedFile() {
    db.Close();
    if (!scrambled_) return;
    kolm_.encriptoDesencripto(path_);
    if (kolm_.LastScrambleFailed()) notRestored_.push_back(path_);
  }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  dao::Database db;

 private:
  ClsKolm& kolm_;
  std::string path_;
  std::vector<std::string>& notRestored_;
  bool scrambled_ = false;
};

AppError ScrambleFailed(const std::string& file) {
  return AppError(rterr::kPathFileAccess,
                  std::string(ClsKolm::kScrambleFailedMessage) + ": '" + file + "'.");
}

// The result lines of a repair, one per output line, after their kind.
class PrintedLines : public ResultSink {
 public:
  explicit PrintedLines(std::ostream& out) : out_(out) {}
  void AgregarInfo(const std::string& d) override { out_ << "Información: " << d << std::endl; }
  void AgregarAdvertencia(const std::string& d) override {
    out_ << "Advertencia: " << d << std::endl;
  }
  void AgregarErr(const std::string& d) override { out_ << "Error: " << d << std::endl; }

 private:
  std::ostream& out_;
};

}  // namespace

void RunScript(dao::Database& db, const std::string& script) {
  std::ifstream in(NativePath::From(script), std::ios::binary);
  if (!in) throw AppError(rterr::kFileNotFound, "No se encontró el guion '" + script + "'.");
  for (const ScriptStatement& s : ReadScript(in)) {
    try {
      db.Execute(s.text);
    } catch (const AppError& e) {
      throw AppError(e.Number(), script + ":" + std::to_string(s.line) + ": " + e.Description());
    }
  }
}

void DbTool::Create(const std::string& file, const std::string& script) {
  const std::string pwd = kolm_.DarPWD().substr(5);
  dao::Database db = dao::DBEngine::CreateDatabase(file, pwd);
  if (script.empty()) return;
  try {
    RunScript(db, script);
  } catch (...) {
    // A half-built file is worse than none.
    db.Close();
    std::remove(file.c_str());
    throw;
  }
}

void DbTool::Exec(const std::string& file, const std::string& statement) {
  OpenedFile f(kolm_, file, notRestored_);
  f.db.Execute(statement);
  out_ << f.db.RecordsAffected() << '\n';
}

void DbTool::Query(const std::string& file, const std::string& query, bool csv) {
  OpenedFile f(kolm_, file, notRestored_);
  dao::Recordset rs = f.db.OpenRecordset(query, dao::dbOpenSnapshot);
  if (csv) {
    PrintCsv(rs, out_);
  } else {
    PrintTable(rs, out_);
  }
  rs.Close();
}

void DbTool::Tables(const std::string& file) {
  OpenedFile f(kolm_, file, notRestored_);
  for (const dao::TableDef& td : f.db.TableDefs()) {
    out_ << td.Name();
    if (!td.Connect().empty())
      out_ << "  (vinculada: " << td.Connect() << ", " << td.SourceTableName() << ")";
    out_ << '\n';
    for (const dao::Field& field : td.Fields()) {
      std::string type = dao::JetTypeName(field.Type(), field.Size());
      out_ << "    " << field.Name() << ' ' << (type.empty() ? "(sin tipo)" : type) << '\n';
    }
  }
}

void DbTool::Status(const std::string& file) {
  // Only a file can be a database; a folder would read as an empty stream.
  std::error_code ec;
  const auto kind = std::filesystem::status(NativePath::From(file), ec).type();
  if (kind == std::filesystem::file_type::not_found) {
    throw AppError(rterr::kFileNotFound, "No se encontró el archivo '" + file + "'.");
  }
  if (kind == std::filesystem::file_type::directory) {
    throw AppError(rterr::kPathFileAccess,
                   "Error de acceso a '" + file + "': es una carpeta, no un archivo.");
  }
  std::ifstream in(NativePath::From(file), std::ios::binary);
  if (!in) {
    const int err = errno;
    throw AppError(SystemError::Number(err),
                   "No se puede leer el archivo '" + file + "': " + SystemError::Reason(err) + ".");
  }
  std::array<unsigned char, dao::FileHeader::kSize> block{};
  in.read(reinterpret_cast<char*>(block.data()), block.size());
  const bool complete = in.gcount() == static_cast<std::streamsize>(block.size());
  const bool scrambled = block[0] != 0;
  if (scrambled) {
    for (size_t i = 0; i <= 390; i += 10) block[i] ^= 0x3B;
  }
  out_ << "Archivo: " << file << '\n';
  std::optional<dao::FileHeader> header;
  if (complete) {
    try {
      header = dao::FileHeader::Decode(block, file);
    } catch (const AppError&) {
      // Not the engine's header: that is the answer, not a failure.
    }
  }
  if (!header) {
    out_ << "Base de datos del motor: no\n";
    return;
  }
  out_ << "Base de datos del motor: sí\n";
  out_ << "Estado: " << (scrambled ? "encriptada" : "sin encriptar") << '\n';
  out_ << "Contraseña: "
       << (!header->HasPassword()                      ? "no tiene"
           : header->Accepts(kolm_.DarPWD().substr(5)) ? "aceptada"
                                                       : "rechazada")
       << '\n';
}

void DbTool::Check(const std::string& file) {
  OpenedFile f(kolm_, file, notRestored_);
  const std::string result = f.db.CheckIntegrity();
  if (result != "ok") {
    throw AppError(dao::jeterr::kUnrecognizedFormat,
                   "La base de datos '" + file +
                       "' está dañada: " + result.substr(0, result.find('\n')) + ".");
  }
  out_ << result << '\n';
}

void DbTool::Scramble(const std::string& file) {
  kolm_.encriptoDesencripto(file);
  if (kolm_.LastScrambleFailed()) throw ScrambleFailed(file);
}

void DbTool::CheckLeftAsFound() const {
  if (!notRestored_.empty()) throw ScrambleFailed(notRestored_.front());
}

void DbTool::Demo(const std::string& folder) {
  std::error_code ec;
  if (std::filesystem::exists(folder, ec) && !std::filesystem::is_directory(folder, ec)) {
    throw AppError(rterr::kPathFileAccess,
                   "Error de acceso a '" + folder +
                       "': no es una carpeta. La instalación de muestra se crea en una carpeta.");
  }
  const std::string host = SampleInstallation::Create(folder, kolm_, SampleInstallation::Sizes{});
  {
    OpenedFile base(kolm_, host, notRestored_);
    SampleAddresses::Crear(base.db);
  }
  const std::filesystem::path root = std::filesystem::absolute(NativePath::From(folder));
  out_ << "Instalación de muestra creada en " << NativePath::ToUtf8(root) << '\n'
       << "  base del VORA (encriptada): " << host << '\n'
       << "  domicilios: tablas " << SampleAddresses::kTabla << ", " << SampleAddresses::kTitulares
       << " y " << SampleAddresses::kProvincias << '\n'
       << "  base de contribuyentes (encriptada): "
       << NativePath::ToUtf8(root / "novu" / "Novu.mdb") << '\n'
       << "  archivo de ruta: " << NativePath::ToUtf8(root / "windows" / "novuPath.sys") << '\n';
#ifdef _WIN32
  // Windows' own folder cannot be moved for one program: the sample's path
  // file stays in the sample, and the repair is pointed at the folder.
  out_ << "Para repararla:\n"
       << "  remendor-db repair --version 27 --install "
       << NativePath::ToUtf8(root / "novu" / "VORA12") << '\n';
#else
  out_ << "Para que los programas la usen, la carpeta de Windows debe ser la de la muestra:\n"
       << "  WINDIR=" << NativePath::ToUtf8(root / "windows")
       << " remendor-db repair --version 27\n";
#endif
}

bool DbTool::Repair(const std::string& version, const std::string& install,
                    const std::string& programFolder) {
  std::string folder = install;
  if (folder.empty()) {
    // A blank first line names no folder, as for the window: the run would
    // otherwise look for the database under the root of the file system.
    const std::string novu = kolm_.DarPathNOVU();
    if (novu.find_first_not_of(" \t") == std::string::npos) {
      throw AppError(rterr::kPathNotFound,
                     "La primera línea de novuPath.sys está en blanco: no indica la carpeta de "
                     "instalación del VORA.");
    }
    folder = novu + kPathSeparatorText + "VORA12";
  }
  PrintedLines lines(out_);
  dao::Database db;
  RepairRun run(kolm_, lines, programFolder);
  const bool ok = run.Ejecutar(version, folder, db);
  db.Close();
  if (!ok && run.UltimoError()) throw *run.UltimoError();
  // The installation as the window labels it, so that the operator sees
  // which one was repaired.
  if (ok) out_ << "Instalación reparada: " << folder << '\n';
  // The run's last step scrambles the host again; the window reports the
  // success regardless, but the file is not left as a repair leaves it.
  if (ok && kolm_.LastScrambleFailed())
    notRestored_.push_back(folder + kPathSeparatorText + "VORA12.mdb");
  return ok;
}
