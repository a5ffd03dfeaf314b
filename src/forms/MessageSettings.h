/*
** MessageSettings: which one-time messages the operator asked not to
** see again, kept in table Configuracion (a Long column CodItem) of the
** application's own database. A row with code N means that message N is
** not shown again; codes are never removed.
**
** The statements are the ones the stored databases were made for: a query
** "select * from Configuracion where CodItem = N" with N in decimal, and the
** table opened by name for AddNew. Nothing is trapped: a database without
** the table or the column raises the engine's error to the caller.
*/
#pragma once

#include <cstdint>

#include "dao/Database.h"

class MessageSettings {
 public:
  explicit MessageSettings(dao::Database db) : db_(std::move(db)) {}

  // True when message `tipo` is not to be shown again.
  bool Suprimido(int32_t tipo);
  // Records that message `tipo` is not to be shown again.
  void Suprimir(int32_t tipo);

 private:
  dao::Database db_;
};
