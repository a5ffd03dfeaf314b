/*
** One-time messages in table Configuracion. See ConfiguracionMensajes.h.
*/
#include "forms/ConfiguracionMensajes.h"

#include <string>

bool ConfiguracionMensajes::Suprimido(int32_t tipo) {
  dao::Recordset rs =
      db_.OpenRecordset("select * from Configuracion where CodItem = " + std::to_string(tipo));
  const bool hay = rs.RecordCount() > 0;
  rs.Close();
  return hay;
}

void ConfiguracionMensajes::Suprimir(int32_t tipo) {
  dao::Recordset rs = db_.OpenRecordset("Configuracion");
  rs.AddNew();
  rs.Fields("CodItem").SetValue(Variant(tipo));
  rs.Update();
  rs.Close();
}
