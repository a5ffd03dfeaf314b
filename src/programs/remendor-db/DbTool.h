/*
** DbTool: the commands of remendor-db, the command-line tool for the
** engine's database files.
**
** Files are opened through ClsKolm, as the program opens them, so scrambled
** files are handled exactly as the program does; every file that a command
** opens is left in the scrambling state in which it was found, whether the
** command succeeds, fails or is stopped (a stop request ends the engine's
** work with 3059, see StopRequest). The repair is the exception:
** it leaves the files as the window's run leaves them (a run that stopped
** half way leaves the host database unscrambled). Each command raises
** AppError on failure; main() prints it as one line and exits non-zero.
** A file whose scrambling could not be put back after a command that
** otherwise went well fails the command too (CheckLeftAsFound), and so
** does a repair whose final scrambling failed.
*/
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/ClsKolm.h"

class DbTool {
 public:
  DbTool(std::string password, std::ostream& out) : kolm_(std::move(password)), out_(out) {}

  void Create(const std::string& file, const std::string& script);
  void Exec(const std::string& file, const std::string& statement);
  void Query(const std::string& file, const std::string& query, bool csv);
  void Tables(const std::string& file);
  void Status(const std::string& file);
  // The engine's integrity check of the file's pages: prints "ok", or
  // raises 3343 naming the first problem found.
  void Check(const std::string& file);
  void Scramble(const std::string& file);

  // A sample installation under `folder`, its host database holding the
  // sample address data too; prints where it is and how to point the
  // programs at it.
  void Demo(const std::string& folder);

  // The repair run, as the window runs it, on the installation folder
  // `install` (empty: the one named by novuPath.sys + "VORA12"; a blank
  // first line there is refused), with the
  // metadata of `programFolder`. Prints each result line; true when the run
  // reached its success line.
  bool Repair(const std::string& version, const std::string& install,
              const std::string& programFolder);

  ClsKolm& Kolm() { return kolm_; }

  // Raises AppError naming the first file that the last commands could not
  // scramble back.
  void CheckLeftAsFound() const;

 private:
  ClsKolm kolm_;
  std::vector<std::string> notRestored_;
  std::ostream& out_;
};

// Runs every statement of a script file on a database; raises AppError
// naming the script line of the statement that failed.
void RunScript(dao::Database& db, const std::string& script);
