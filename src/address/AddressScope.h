/*
** AddressScope: whose addresses the records and the working copy work
** on, and where they live: the values the host sets on the address
** control, and its field slots.
**
** An owner's addresses are the rows of Tabla whose CUIT column is Cuit,
** whose CodDJ column is CodDJ and whose owner column (slot 17) is Dueño;
** the editor's list and the summary also require the reference column
** (slot 18) to be CodReferencia, -2 marking rows whose reference the host
** does not know yet. The table and column names are the host's and go into
** statements as they stand; the values are quoted or written as numbers.
**
** ObjSistema is the host's object, not owned, and must outlive its use.
** Inicio is true until the first working copy is made (see
** WorkingCopy). Writes counts the saves and deletions done through
** AddressRecords, so that a working copy can tell whether anything changed
** since it was made.
*/
#pragma once

#include <cstdint>
#include <string>

#include "address/AddressFieldSlots.h"
#include "address/ObjSistema.h"
#include "dao/Database.h"

struct AddressScope {
  dao::Database Db;
  std::string Tabla;
  std::string Cuit;
  int32_t CodDJ = 0;
  int32_t Dueño = 0;
  int32_t CodReferencia = 0;
  ObjSistema* Sistema = nullptr;
  bool Inicio = true;
  AddressFieldSlots Campos;
  int64_t Writes = 0;
};
