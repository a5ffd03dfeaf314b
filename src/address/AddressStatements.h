/*
** AddressStatements: the text of every statement that the address
** records and the working copy send to the engine.
**
** Names (the table, the slot columns) are written as the host stored them;
** numbers in decimal without leading zeros; the one text value, Cuit, as
** a Jet literal with its quotes doubled, so that a quote in it neither
** breaks a statement nor widens it to other rows.
**
** The backup of a working copy holds the owner's rows under the copy code
** (the negated owner code) in place of their declaration code. Backup rows
** keep no declaration code, so the owners of equal code in one taxpayer's
** declarations share one copy code; what tells their backups apart is the
** address code (slot 19), unique in the table, which each backup row keeps.
** Dropping and restoring a backup therefore match the taxpayer, the owner
** column, the copy code and the address codes that the copy took, never
** the copy code alone, which would also catch the backup of another
** declaration or of another taxpayer's owner with the same code.
*/
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "address/AddressScope.h"

// The rows one working copy took: their address codes, and how many had
// none (a Null code, matched as such).
struct CopiedRows {
  std::vector<int32_t> codigos;
  long nulos = 0;
  long Cantidad() const { return static_cast<long>(codigos.size()) + nulos; }
  bool Vacia() const { return Cantidad() == 0; }
};

class AddressStatements {
 public:
  // The owner's addresses of the current reference (the list and the
  // summary).
  static std::string ListaDelDueño(const AddressScope& a);
  // One address, by its code.
  static std::string UnDomicilio(const AddressScope& a, int32_t codigo);
  // The whole table, to add a row.
  static std::string TablaEntera(const AddressScope& a);
  // How many fiscal addresses the owner has, leaving out `excluido`.
  static std::string ContarFiscales(const AddressScope& a, std::optional<int32_t> excluido);
  static std::string EliminarUno(const AddressScope& a, int32_t codigo);
  // Every address of the owner, whatever its reference; also the first
  // step of restoring a backup.
  static std::string EliminarDelDueño(const AddressScope& a);
  // The address codes of the owner's rows, those that HacerCopia copies.
  static std::string CodigosDelDueño(const AddressScope& a);
  // Copies the owner's rows under `codigoCopia`; `columnas` lists every
  // column but CodDJ.
  static std::string HacerCopia(const AddressScope& a, int32_t codigoCopia,
                                const std::string& columnas);
  // The backup rows of `filas`, which must not be empty: how many there
  // are, dropping them, making them live again.
  static std::string ContarCopia(const AddressScope& a, int32_t codigoCopia,
                                 const CopiedRows& filas);
  static std::string BorrarCopia(const AddressScope& a, int32_t codigoCopia,
                                 const CopiedRows& filas);
  static std::string RestaurarCopia(const AddressScope& a, int32_t codigoCopia,
                                    const CopiedRows& filas);
  // Every row of the table still on the placeholder reference -2 gets
  // `referencia`.
  static std::string AsignarReferencia(const AddressScope& a, int32_t referencia);

  // 'text' with inner quotes doubled and a NUL byte joined in as Chr(0).
  static std::string LiteralJet(std::string_view texto);
  // The copy code of an owner: -Dueño (overflow 6 for the lowest Long).
  static int32_t CodigoCopia(int32_t dueño);
};
