/*
** SchemaRebuild: drops and re-creates, empty, the host tables that the
** repair metadata marks for repair, with the columns, order and types it
** gives. Rows of a rebuilt table are not carried over.
**
** The metadata is Remendor.mdb in the program's folder, with the same
** password and scrambling as the host database. Its tables:
**   DBTablas    Nombre, CodTabla, Hereda, Reparar (yes/no)
**   DBColumnas  CodTabla, NombreCampo, TipoDatos, Orden, Version
**   DBTipos     TypeName, Type, Size, Nulos, Requerido
** A table receives its own columns and those listed under its Hereda code,
** ordered by table code, then Orden. A column whose TipoDatos names no
** DBTipos row is left out.
**
** Two phases, so that a table is never dropped for a statement that cannot
** follow: every marked table's CREATE statement is built and checked first
** (columns present, name not held by a linked table, statement accepted by
** the engine's translator); only then are the tables dropped and created,
** one after the other. A refusal in the first phase names the table and
** leaves the host database untouched. A statement that the engine rejects
** in the second phase stops the rebuild where it happens.
**
** After a completed rebuild the metadata file is scrambled on disk. After
** a failure it is closed and stays as the open left it. A metadata file
** that this process may not write is never changed: the rebuild reads a
** private copy of it instead (MetadataCopy), removed when it ends.
*/
#pragma once

#include <string>
#include <vector>

#include "dao/Database.h"
#include "host/ClsKolm.h"

class SchemaRebuild {
 public:
  // One marked table and the statement that re-creates it.
  struct TableStatement {
    std::string nombre;
    std::string create;
  };

  // `programFolder` holds Remendor.mdb; no trailing separator.
  SchemaRebuild(ClsKolm& kolm, std::string programFolder);

  // The metadata's full path.
  std::string MetadataPath() const;

  // Rebuilds the marked tables in BaseDatos, which stays open. Raises the
  // AppError that stopped it; when the metadata could not be opened, its
  // message box has already been shown.
  void ReconstruirTablas(dao::Database& BaseDatos);

  // True when BaseDatos has a local table of this name; false when it has
  // none, and when the name is a linked table's. Reads the table collection
  // as last refreshed.
  static bool ExisteTabla(dao::Database& BaseDatos, const std::string& nombre);

  // The first phase on its own: the marked tables, in the order the engine
  // returns them, with their CREATE statements, checked against BaseDatos.
  static std::vector<TableStatement> LeerTablasMarcadas(dao::Database& metadatos,
                                                        dao::Database& BaseDatos);

 private:
  ClsKolm& kolm_;
  std::string programFolder_;
};
