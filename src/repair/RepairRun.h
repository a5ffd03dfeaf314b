/*
** RepairRun: the repair of an installed host database, from the open to
** the success line. The main window and the command-line front run the
** same code.
**
** The caller hands in what it holds: its ClsKolm, the sink for result
** lines, the database handle that it owns and keeps between runs, the
** selected version code and the installation folder (the folder that
** holds VORA12.mdb, without a trailing separator). The run, in order:
**
**   1. a code other than "26" or "27" is a silent no-op;
**   2. VORA12.mdb is copied as it lies on disk to a backup beside it (see
**      HostBackup; the newest five are kept), then unscrambled and opened
**      into the caller's handle;
**   3. NULL amounts become 0 in seven columns of 22Cuiles and seven of
**      21Declaraciones_Juradas, one statement per column;
**   4. the tables marked in the metadata are rebuilt (SchemaRebuild);
**   5. VersionBase is created holding "0" + code when the host has none;
**      an existing one is left as it is;
**   6. the file is scrambled again (the handle stays open) and the line
**      "Reparación de base de datos exitosa" is added.
**
** Failures: a missing or unopenable VORA12.mdb shows the open's message
** box and nothing else happens (the backup just made is removed, since
** the file was not touched). A backup that cannot be made stops the run
** before any change. Any other failure stops the run where it happens:
** what was done stays done, the file stays unscrambled and open, and an
** error line gives the engine's description and the backup's full path.
** No success line follows a failure. Each statement runs on its own,
** outside any transaction.
*/
#pragma once

#include <optional>
#include <string>

#include "dao/Database.h"
#include "host/ClsKolm.h"
#include "repair/ResultSink.h"

class RepairRun {
 public:
  static constexpr const char* kSuccessLine = "Reparación de base de datos exitosa";

  // `programFolder` holds Remendor.mdb (by default the folder of the
  // running executable).
  RepairRun(ClsKolm& kolm, ResultSink& Resultado);
  RepairRun(ClsKolm& kolm, ResultSink& Resultado, std::string programFolder);

  // Runs the repair; true when it reached its success line. BaseDatos is
  // replaced by the run's handle once the open succeeds.
  bool Ejecutar(const std::string& codigoVersion, const std::string& instalacion,
                dao::Database& BaseDatos);

  // The backup made by the last run that got that far; empty otherwise.
  const std::string& UltimoRespaldo() const { return respaldo_; }

  // The error that stopped the last run, for callers that report it with
  // its number; empty after a success or a silent no-op.
  const std::optional<AppError>& UltimoError() const { return error_; }

 private:
  void Reparar(const std::string& codigoVersion, dao::Database& BaseDatos);

  ClsKolm& kolm_;
  ResultSink& resultado_;
  std::string programFolder_;
  std::string respaldo_;
  std::optional<AppError> error_;
};
