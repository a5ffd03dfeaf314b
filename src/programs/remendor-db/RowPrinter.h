/*
** RowPrinter: writes the rows of a record set for remendor-db, as an
** aligned table or as CSV (RFC 4180: header row, CRLF line ends, fields
** quoted when they hold a comma, a quote or a line break, Null as an empty
** field). The aligned table holds the rows it shows in memory to measure
** the columns; CSV streams.
*/
#pragma once

#include <ostream>

#include "dao/Recordset.h"

void PrintTable(dao::Recordset& rs, std::ostream& out);
void PrintCsv(dao::Recordset& rs, std::ostream& out);
