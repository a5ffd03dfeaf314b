/*
** ClsKolm: how the program reaches the maker's installed software: the
** installation folder named by novuPath.sys, the password-protected host
** databases, and the scrambling of those files on disk.
**
** Scrambling: a database file is stored with the bytes at offsets 0, 10,
** 20, ... 390 each XORed with 0x3B. Toggling twice restores the file; a
** plain engine file begins with a zero byte, so a non-zero first byte marks
** a scrambled one.
**
** Message boxes go through the message-box service (MsgBox): OK only, no
** icon, the program's title. The last error that AbrirBaseMdb trapped is
** kept (LastError) for callers that report it in their own way.
**
** Contributor data (ClsKolmContributors.cpp): Cargar turns the CUIT a
** program is started with into the contributor's public values, looked up
** in the maker's contributor database Novu.mdb one folder above the given
** path; ObtenerDirección gives that contributor's address as one line.
*/
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/AppError.h"
#include "dao/Database.h"

class ClsKolm {
 public:
  ClsKolm();
  // A password other than the system's, for the database tool's --password.
  explicit ClsKolm(std::string password);

  // The contributor's values, filled by Cargar.
  std::string Cuit;
  std::string Descripcion;  // without control characters and apostrophes
  int32_t TipoPersona = 0;
  int32_t nContrib = 0;

  // The connect-string fragment ";PWD=" + the password.
  std::string DarPWD() const;

  // Looks the contributor LineaComando (a CUIT) up in Path + "/../Novu.mdb"
  // and fills the values above; remembers Path for ObtenerDirección. Each
  // failure (no CUIT, database not opened, contributor not found) shows its
  // message and returns false; a query error or a Null name is raised. The
  // CUIT is always stored into Cuit once the database is open.
  bool Cargar(const std::string& LineaComando, const std::string& Path);

  // Unscrambles the file when needed and opens it, shared and read-write,
  // with the password into BaseDatos. On failure shows the error's
  // description, returns false, and leaves both BaseDatos and the file as
  // they were.
  bool AbrirBaseMdb(const std::string& Direccion, dao::Database& BaseDatos);

  // Toggles the scrambling of the file in place: all 40 bytes or none.
  void encriptoDesencripto(const std::string& Base);

  // The maker's installation folder: the first line of novuPath.sys in the
  // Windows folder, unchanged but for its encoding (text that is not UTF-8
  // is decoded as Windows-1252, see AnsiText). Raises AppError naming the file when it is
  // missing (53) or empty (62).
  std::string DarPathNOVU();

  // The address of the contributor Cuit as one line, from the database of
  // the last Cargar; a single blank when there is none or the database
  // cannot be opened.
  std::string ObtenerDirección();

  static const char* const kMensajeSinKolm;
  static const char* const kMensajeSinBaseKolm;
  static const char* const kMensajeSinContribuyente;  // followed by the CUIT

  const std::optional<AppError>& LastError() const { return lastError_; }

  // The scrambling's fixed failure message, and whether the last call of
  // encriptoDesencripto failed.
  static const char* const kScrambleFailedMessage;
  bool LastScrambleFailed() const { return lastScrambleFailed_; }

 private:
  bool EstaEncriptada(const std::string& path);

  std::string RutaBase;

  std::string password_;
  std::optional<AppError> lastError_;
  bool lastScrambleFailed_ = false;
};
