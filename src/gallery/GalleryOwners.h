/*
** GalleryOwners: the owners of the sample's address data, and how the
** address page points its control at one of them.
**
** Titulares lists the owners of table 23Titulares in the order of their
** declaration and owner codes.
**
** Elegir points an address control's logic at an owner: table, keys, the
** host's numbering, the field slots as the host describes the table, and
** a fresh start (Inicio), so that the owner's first opening of the editor
** makes its own working copy. The copy of the owner shown until then is
** kept first (CommitearCopia) when one is pending: left pending, a later
** undo would run on the new owner's keys, and the operator's changes to
** the former one stay, as they are already in the table.
**
** Guardar and Deshacer are the host's two ends of an editing session: keep
** the changes, or bring the owner's rows back as the session found them.
** Either way the next opening starts a new session with its own copy. A
** Deshacer that fails keeps its copy (and the session) for another try,
** and raises the engine's error.
*/
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "address/ColumnMaxNumbering.h"
#include "address/UcnDomModel.h"
#include "dao/Database.h"

struct GalleryOwner {
  std::string Cuit;
  int32_t CodDJ = 0;
  int32_t CodDueno = 0;
  int32_t CodReferencia = 0;
  std::string Nombre;
};

class GalleryOwners {
 public:
  explicit GalleryOwners(dao::Database db);

  const std::vector<GalleryOwner>& Titulares() const { return titulares_; }
  void Elegir(UcnDomModel& control, const GalleryOwner& titular);
  static void Guardar(UcnDomModel& control);
  static void Deshacer(UcnDomModel& control);

 private:
  dao::Database db_;
  std::vector<GalleryOwner> titulares_;
  std::unique_ptr<ColumnMaxNumbering> sistema_;
};
