/*
** NOVUCbo::CargarRs: filling the combo from a query. Kept apart from the
** rest of the combo because it is the combo's only use of the database
** engine.
**
** The code table is made as long as the record count that the engine
** reports right after opening; that count may be lower than the rows that
** follow, which does no harm, since adding an entry grows the table.
**
** Values become text by the regional conversion, as everywhere else in the
** library: a DOUBLE or CURRENCY 3.5 is the code "3,5", the form in which
** callers hold it and select it.
*/
#include "common/ValueFormat.h"
#include "controls/NOVUCbo.h"
#include "dao/Database.h"
#include "dao/Recordset.h"

void NOVUCbo::CargarRs(dao::Database& Db, const std::string& SQL, const std::string& CampoCodigo,
                       const std::string& CampoTexto) {
  Limpiar();
  dao::Recordset rs = Db.OpenRecordset(SQL);
  modelo_.RecrearTabla(rs.RecordCount());
  while (!rs.Eof()) {
    AgregarItem(ValueFormat::ToText(rs.Fields(CampoCodigo).Value()),
                ValueFormat::ToText(rs.Fields(CampoTexto).Value()));
    rs.MoveNext();
  }
  rs.Close();
}
