/*
** SchemaRebuild: the metadata-driven rebuild of the host tables. See
** SchemaRebuild.h.
**
** The statements are built text for text as the host's tables have always
** been described: "CREATE TABLE " + name + " (" (the name unbracketed), one
** "[column] type," clause per column row with no blank between clauses, the
** last comma replaced by ")"; "DROP TABLE [" + name + "]". The numbers of
** the column query are written as plain decimal text.
*/
#include "repair/SchemaRebuild.h"

#include "common/TextCase.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetSqlTranslator.h"
#include "platform/PathSeparator.h"
#include "repair/MetadataCopy.h"

namespace {

constexpr const char* kNoneDropped = " No se reconstruyó ninguna tabla.";

// The text written after a column's bracketed name for its type keyword;
// the size is read only for a text column.
std::string TypeClause(const std::string& keyword, const dao::Recordset& columna) {
  if (keyword == "TEXTO") return "TEXT (" + columna.Fields("Size").Value().ToStringOrEmpty() + ")";
  if (keyword == "DOUBLE") return "DOUBLE";
  if (keyword == "LONG") return "LONG";
  if (keyword == "INTEGER") return "INTEGER";
  if (keyword == "DATETIME") return "DATE";
  if (keyword == "CURRENCY") return "CURRENCY";
  if (keyword == "BOOLEAN") return "LOGICAL";
  return "";
}

std::string ColumnQuery(const std::string& codTabla, const std::string& hereda) {
  return "SELECT C.NombreCampo,C.Version, Ti.Nulos, Ti.Type, Ti.Size, Ti.Requerido "
         "FROM DBTipos AS Ti INNER JOIN DBColumnas AS C"
         "  ON Ti.TypeName = C.TipoDatos "
         "WHERE (C.CodTabla =" +
         codTabla + " or C.CodTabla = " + hereda + ")" + " ORDER BY C.CodTabla, C.Orden ";
}

bool EsTablaVinculada(dao::Database& BaseDatos, const std::string& nombre) {
  dao::TableDefs& defs = BaseDatos.TableDefs();
  return defs.Contains(nombre) && !defs.Item(nombre).Connect().empty();
}

}  // namespace

SchemaRebuild::SchemaRebuild(ClsKolm& kolm, std::string programFolder)
    : kolm_(kolm), programFolder_(std::move(programFolder)) {}

std::string SchemaRebuild::MetadataPath() const {
  return programFolder_ + kPathSeparatorText + "Remendor.mdb";
}

bool SchemaRebuild::ExisteTabla(dao::Database& BaseDatos, const std::string& nombre) {
  try {
    return BaseDatos.TableDefs().Item(nombre).Connect().empty();
  } catch (const AppError&) {
    return false;
  }
}

std::vector<SchemaRebuild::TableStatement> SchemaRebuild::LeerTablasMarcadas(
    dao::Database& metadatos, dao::Database& BaseDatos) {
  std::vector<TableStatement> tablas;
  BaseDatos.TableDefs().Refresh();
  dao::Recordset rs = metadatos.OpenRecordset("select * from DBTablas where Reparar = true");
  dao::Recordset columnas;
  while (!rs.Eof()) {
    const std::string nombre = rs.Fields("Nombre").Value().ToStringOrEmpty();
    std::string sql = "CREATE TABLE " + nombre + " (";
    const std::string codTabla = rs.Fields("CodTabla").Value().ToStringOrEmpty();
    const std::string hereda = rs.Fields("Hereda").Value().ToStringOrEmpty();
    columnas = metadatos.OpenRecordset(ColumnQuery(codTabla, hereda), dao::dbOpenSnapshot);
    int clauses = 0;
    while (!columnas.Eof()) {
      sql += "[" + columnas.Fields("NombreCampo").Value().ToStringOrEmpty() + "] ";
      sql +=
          TypeClause(TextCase::Upper(columnas.Fields("Type").Value().ToStringOrEmpty()), columnas);
      sql += ",";
      clauses++;
      columnas.MoveNext();
    }
    // Without column rows the statement cannot stand, and the table would
    // already be gone when the engine said so.
    if (clauses == 0) {
      throw AppError(dao::jeterr::kSyntaxInCreateTable,
                     "La tabla '" + nombre +
                         "' está marcada para reparar y no tiene columnas descritas en "
                         "Remendor.mdb." +
                         kNoneDropped);
    }
    // A linked table is not dropped, so its name would still be taken when
    // the CREATE statement came.
    if (EsTablaVinculada(BaseDatos, nombre)) {
      throw AppError(dao::jeterr::kTableExists,
                     "La tabla '" + nombre +
                         "' está marcada para reparar y es una tabla vinculada: no se puede "
                         "reconstruir." +
                         kNoneDropped);
    }
    sql.pop_back();
    sql += ")";
    try {
      dao::JetSqlTranslator::Translate(sql);
    } catch (const AppError& e) {
      throw AppError(e.Number(), "La instrucción que reconstruye la tabla '" + nombre +
                                     "' no es válida: " + e.Description() + kNoneDropped);
    }
    tablas.push_back({nombre, sql});
    rs.MoveNext();
  }
  rs.Close();
  return tablas;
}

void SchemaRebuild::ReconstruirTablas(dao::Database& BaseDatos) {
  const std::string ruta = MetadataPath();
  const MetadataCopy metadata(ruta, MetadataCopy::MayWrite(ruta));
  dao::Database metadatos;
  if (!kolm_.AbrirBaseMdb(metadata.Path(), metadatos)) {
    const AppError e = kolm_.LastError().value_or(AppError(
        dao::jeterr::kCannotOpenFile, "No se puede abrir el archivo '" + metadata.Path() + "'."));
    if (!metadata.IsPrivate()) throw e;
    throw AppError(e.Number(), e.Description() + " (copia privada de '" + ruta + "')");
  }
  try {
    for (const TableStatement& t : LeerTablasMarcadas(metadatos, BaseDatos)) {
      // Current after the statements of the tables before.
      BaseDatos.TableDefs().Refresh();
      if (ExisteTabla(BaseDatos, t.nombre)) BaseDatos.Execute("DROP TABLE [" + t.nombre + "]");
      BaseDatos.Execute(t.create);
    }
  } catch (...) {
    metadatos.Close();
    throw;
  }
  metadatos.Close();
  if (!metadata.IsPrivate()) kolm_.encriptoDesencripto(ruta);
}
