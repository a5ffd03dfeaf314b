/*
** WorkingCopy: the backup of an owner's addresses that lets the host
** undo everything the user did in the address editor.
**
**   HacerCopia     at the editor's opening, while Inicio is true: copies
**                  the owner's rows (every reference) under the copy code,
**                  -Dueño, in place of their declaration code. Inicio is
**                  false afterwards, so later openings copy nothing.
**   (editing)      every change goes to the live rows; the copy rests.
**   CommitearCopia the host keeps the changes: the backup is dropped.
**   ResetearCopia  the host undoes them: in one transaction the owner's
**                  live rows are deleted and the backup becomes live again.
**   Nuevo_Update   the host now knows the reference: every row of the
**                  table on the placeholder reference -2 gets it.
**
** One copy code serves the owners of equal code in every declaration of a
** taxpayer, and two copies of them may be open side by side. So a copy
** remembers the address codes of the rows it took (unique in the table)
** and drops or restores only those backup rows (see AddressStatements.h);
** another copy's backup is never touched, whatever that copy does.
**
** A backup of these very rows found when the copy is made was left by a
** session that never ended (a crash): it is dropped in the same transaction
** that makes the new one, so that a restore brings back the rows of this
** opening once, not twice. A backup row that no live row of this
** declaration matches is left alone: it may be another open copy's.
**
** ResetearCopia restores only a copy this object made and has not yet
** committed or restored; without one it changes nothing, where deleting
** the live rows would lose them all. It also changes nothing, and raises
** 3197, when the backup no longer holds every row the copy made (another
** copy of the same declaration's owner restored or dropped it): deleting
** the live rows then would lose them. If deleting or restoring fails, the
** transaction is rolled back: the owner's rows are exactly as before the
** call, the backup is still there for another try, and the engine's error
** reaches the caller.
**
** A copy code equal to the declaration code would make the backup
** indistinguishable from the live rows, and a restore would delete both:
** the copy is refused (5) before anything is written.
*/
#pragma once

#include <cstdint>

#include "address/AddressScope.h"
#include "address/AddressStatements.h"

class WorkingCopy {
 public:
  static constexpr int kArgumentoNoValido = 5;
  static constexpr int kCopiaCambiada = 3197;

  explicit WorkingCopy(AddressScope& ambito) : a_(ambito) {}

  void HacerCopia(int32_t CodTemporal);
  void CommitearCopia();
  void ResetearCopia();
  void Nuevo_Update(int32_t CodReferencia);

  // A copy made and neither committed nor restored yet.
  bool Pendiente() const { return pendiente_; }
  // A pending copy whose owner's rows were saved or deleted since it was
  // made: what an undo would bring back.
  bool Changed() const { return pendiente_ && a_.Writes != writesAtCopy_; }

 private:
  CopiedRows FilasDelDueño();

  AddressScope& a_;
  bool pendiente_ = false;
  int32_t copia_ = 0;
  CopiedRows filas_;
  int64_t writesAtCopy_ = 0;
};
