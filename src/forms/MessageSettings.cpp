/*
** One-time messages in table Configuracion. See MessageSettings.h.
*/
#include "forms/MessageSettings.h"

#include <string>

bool MessageSettings::Suprimido(int32_t tipo) {
  dao::Recordset rs =
      db_.OpenRecordset("select * from Configuracion where CodItem = " + std::to_string(tipo));
  const bool hay = rs.RecordCount() > 0;
  rs.Close();
  return hay;
}

void MessageSettings::Suprimir(int32_t tipo) {
  dao::Recordset rs = db_.OpenRecordset("Configuracion");
  rs.AddNew();
  rs.Fields("CodItem").SetValue(Variant(tipo));
  rs.Update();
  rs.Close();
}
