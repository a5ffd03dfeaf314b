/*
** a_c_generic: the small conversions that every screen needs when it moves
** values between database fields and text boxes.
**
** The caller stores the value in Dato and then calls one operation; no
** operation changes Dato, so one instance serves any number of such pairs.
** Texts, numbers and dates are read and written under the regional settings
** in force (RegionalSettings::Current()).
**
** Nothing is trapped: a value that cannot be converted where a conversion is
** needed (Null taken as text, a period too short to hold a month) raises its
** AppError to the caller.
**
** A declaration period is a whole number written YYYYMM; month 00 stands for
** the whole year. Dates are returned as Date variants; the zero date is the
** serial 0, 30 December 1899.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Variant.h"

class a_c_generic {
 public:
  Variant Dato;

  // Dato as text with every occurrence of strFind replaced by strReplace
  // (case-sensitive). The search resumes one character after the start of
  // each replacement, so a replacement can join with the text after it
  // ("1..2" without "." is "1.2"), but an occurrence lying wholly inside the
  // inserted text is never replaced again, so that the routine always ends.
  // An empty strFind changes nothing.
  std::string Str_Replace(const std::string& strFind, const std::string& strReplace) const;
  // Dato split at Separador. Adjacent separators give an empty piece, a
  // separator at the very end gives no empty last piece, an empty Dato gives
  // no piece. An empty Separador gives the whole text as one piece.
  std::vector<std::string> Str_Parse(const std::string& Separador) const;
  // Dato as text without control characters and apostrophes.
  std::string Str_SinÑuflos() const;
  // The date (a date value or a date text) as dd/mm/yyyy; "" for Null,
  // Empty, anything that is no date, and dates of day number 0.
  std::string Str_FechaMostrar() const;
  // The number (or numeric text), or 0.
  double Num_NVL() const;
  // Num_NVL with thousands separators and two decimals: 1.500,33.
  std::string Str_NumMostrar() const;
  // The date (a date value or a date text), or the zero date.
  Variant Fch_Fecha() const;
  // Dato as text; "" for Null.
  std::string Str_NVL() const;
  // Year × 100 + month of Fch_Fecha: 200503 for any day of March 2005.
  int32_t Periodo_Fch() const;
  // Last day of the month of a date (keeping its time of day), or of the
  // month (31 December for month 00) of a period.
  Variant Fch_UltimoDia() const;
  // First day of the month of a date, or of the month (1 January for month
  // 00) of a period.
  Variant Fch_PrimerDia() const;

 private:
  // Year and month of the period in Num_NVL; month 0 becomes wholeYearMonth.
  // False when the period is 0.
  bool ReadPeriod(int wholeYearMonth, int& year, int& month) const;
};
