/*
** JetCell: one value of a Jet row on its way to the engine, exact.
**
** Numbers keep the width they had in the file: Currency is its count of
** ten-thousandths (never a binary fraction), Decimal its digits as text
** ("-1234.5600", as many decimals as the column's scale), Date the day
** serial Jet stored. Single arrives as the double nearest to the shortest
** decimal that gives the same Single back (1.1, not 1.10000002384186), so
** that it reads as Jet showed it and converts back to the same Single.
** Text is UTF-8; Bytes are an OLE object's or a binary column's bytes.
*/
#pragma once

#include <cstdint>
#include <string>

namespace jetimport {

struct JetCell {
  enum class Kind : uint8_t {
    Null,
    Boolean,
    Integer,
    Long,
    Currency,
    Double,
    Date,
    Text,
    Bytes,
    Decimal
  };

  Kind kind = Kind::Null;
  int64_t integer = 0;  // Boolean (0 or 1), Integer, Long, Currency
  double number = 0;    // Double, Date
  std::string text;     // Text, Bytes, Decimal
};

}  // namespace jetimport
