/*
** ColumnMaxNumbering: next code of a column. See ColumnMaxNumbering.h.
*/
#include "address/ColumnMaxNumbering.h"

Variant ColumnMaxNumbering::DevolverMaximo(const std::string& tabla) {
  dao::Recordset rs = db_.OpenRecordset("select max(" + columna_ + ") from " + tabla);
  const Variant maximo = rs.Fields(0).Value();
  rs.Close();
  return maximo.IsNull() ? Variant(int32_t{1}) : Variant(maximo.ToDouble() + 1);
}
