/*
** NOVUCbo::CargarRs: filling the combo from a query. Kept apart from the
** rest of the combo because it is the combo's only use of the database
** engine.
**
** The code table is made as long as the record count that the engine
** reports right after opening; that count may be lower than the rows that
** follow, which does no harm, since adding an entry grows the table.
*/
#include "controls/NOVUCbo.h"
#include "dao/Database.h"
#include "dao/Recordset.h"

void NOVUCbo::CargarRs(dao::Database& Db, const std::string& SQL, const std::string& CampoCodigo,
                       const std::string& CampoTexto) {
  Limpiar();
  dao::Recordset rs = Db.OpenRecordset(SQL);
  modelo_.RecrearTabla(rs.RecordCount());
  while (!rs.Eof()) {
    AgregarItem(rs.Fields(CampoCodigo).Value().ToString(),
                rs.Fields(CampoTexto).Value().ToString());
    rs.MoveNext();
  }
  rs.Close();
}
