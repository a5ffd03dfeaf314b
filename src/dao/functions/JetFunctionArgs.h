/*
** JetFunctionArgs: how the date, conversion, text and Format functions read
** their arguments, shared by their four files.
**
** Each reader returns false once it has set the result (an error, or Null
** where the function passes Null on); the caller then returns at once.
**
**   Number   a number, or a text that is one: first as the engine writes
**            numbers ("2.5"), then under the regional settings ("2,5",
**            "1.234,5"); so a text written by either reads back
**   Whole    a Number rounded half to even into -2^31 .. 2^31-1
**   Date     a day serial: a number in the calendar's range, or a text
**            that is a date under the regional settings ("22/11/2003",
**            "2003-11-22 10:30", "10:30")
**   Text     the value as text; Null handled by the caller
**
** Date values reach SQLite as their serials, so a number is taken as a
** date wherever a date is expected.
*/
#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>

namespace dao::jetargs {

// Reading without setting a result: nullopt when the value is no number /
// no date (Null included).
std::optional<double> ReadNumber(sqlite3_value* v);
std::optional<double> ReadDate(sqlite3_value* v);
// ReadNumber for callers that keep a double: false when there is none.
bool ReadNumber(sqlite3_value* v, double& out);

// Null sets "Uso no válido de Null."; a value of another kind "No coinciden
// los tipos ...".
bool Number(sqlite3_context* ctx, sqlite3_value* v, double& out);
bool Whole(sqlite3_context* ctx, sqlite3_value* v, long& out);
bool Date(sqlite3_context* ctx, sqlite3_value* v, double& out);

// An optional argument: `fallback` when absent (argc <= index) or Null.
bool OptionalWhole(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, long fallback,
                   long& out);

// The first day of the week of a firstdayofweek argument (1 Sunday .. 7
// Saturday); 0 means the regional settings' Monday. Sets error 5 outside
// 0..7.
bool FirstDayOfWeek(sqlite3_context* ctx, long code, int& out);

// Whole seconds since serial 0 on a straight time line (the serial's
// negative-day encoding undone), and back.
long long LinearSeconds(double serial);
// False when the result lies outside the calendar (100 .. 9999).
bool SerialOfSeconds(long long seconds, double& serial);

}  // namespace dao::jetargs
