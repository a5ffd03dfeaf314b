/*
** JetValueDecoder: the bytes of one Jet value as a JetCell.
**
** Layouts, all little-endian: Byte 1 byte; Integer 2; Long 4; Single and
** Double IEEE 4 and 8; Date/Time the day serial as an 8-byte double;
** Currency a signed 8-byte count of ten-thousandths; Replication ID 16
** bytes, shown as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with its first
** three groups read little-endian, as Windows shows a GUID;
** Decimal 17 bytes:
**
**     [ sign ][ word 3 ][ word 2 ][ word 1 ][ word 0 ]
**       80 = negative, each word 4 bytes little-endian, word 3 the most
**       significant of the 128-bit count of units of 10^-scale
**
** A Yes/No column has no bytes: its value is the row's null bit, set for
** True. Text and Memo are decoded by JetTextDecoder; OLE objects and
** binary columns are their bytes. A value whose length does not fit its
** type is malformed (nullopt), as is text that JetTextDecoder refuses.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "jetimport/JetCell.h"
#include "jetimport/JetTextDecoder.h"

namespace jetimport {

class JetValueDecoder {
 public:
  explicit JetValueDecoder(const JetTextDecoder& text) : text_(text) {}

  // The value of a column of Jet type `jetType` (JetColumnType) whose
  // bytes are `raw`; `scale` is a decimal column's. Null values and Yes/No
  // columns do not come here.
  std::optional<JetCell> Decode(int jetType, std::string_view raw, int scale) const;

  static JetCell Boolean(bool value);
  static std::optional<std::string> Decimal(std::string_view raw, int scale);
  static std::optional<std::string> Guid(std::string_view raw);
  // The double that a Single reads as: its shortest exact decimal.
  static double Single(float value);

 private:
  const JetTextDecoder& text_;
};

}  // namespace jetimport
