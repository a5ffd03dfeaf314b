/*
** ImportCommand: remendor-db's "import": a Jet file (Access 97 to 2003)
** into a new engine database (see jetimport/JetImport.h).
**
**   import ORIGEN DESTINO [--password CLAVE] [--tables T1,T2] [--replace]
**
** Options come after the two files, in any order. The target gets the
** password given here or before the command, else the system's. Progress
** goes to standard error (each table done; every 50 000 rows of a large
** one; notes on what is kept differently or left out); the summary line to
** standard output: tables, rows, and what was left behind for not being
** data. A stop request (main's, from Ctrl+C, a hang-up, a kill without -9)
** stops the import and leaves no target.
*/
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "DbTool.h"

// Runs the command; returns the exit status, or kUsageError (ToolCommands.h)
// on bad usage. Failures raise AppError.
int RunImport(DbTool& tool, const std::vector<std::string>& args, std::ostream& out,
              std::ostream& err);
