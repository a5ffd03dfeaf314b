/*
** ScriptReader: splits a script of Jet SQL statements for remendor-db.
**
** A script is UTF-8 text. Each statement ends with ";" at the end of a line
** (trailing blanks allowed); a statement may span lines. Lines that begin
** with "--" (after optional blanks) are comments. Text after the last ";"
** that is not blank is a statement too, so that a forgotten final ";" is not
** silently dropped.
*/
#pragma once

#include <istream>
#include <string>
#include <vector>

struct ScriptStatement {
  std::string text;
  int line = 0;  // the line on which the statement begins
};

std::vector<ScriptStatement> ReadScript(std::istream& in);
