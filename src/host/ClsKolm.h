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
*/
#pragma once

#include <optional>
#include <string>

#include "common/AppError.h"
#include "dao/Database.h"

class ClsKolm {
 public:
  ClsKolm();
  // A password other than the system's, for the database tool's --password.
  explicit ClsKolm(std::string password);

  // The connect-string fragment ";PWD=" + the password.
  std::string DarPWD() const;

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

  const std::optional<AppError>& LastError() const { return lastError_; }

  // The scrambling's fixed failure message, and whether the last call of
  // encriptoDesencripto failed.
  static const char* const kScrambleFailedMessage;
  bool LastScrambleFailed() const { return lastScrambleFailed_; }

 private:
  bool EstaEncriptada(const std::string& path);

  std::string password_;
  std::optional<AppError> lastError_;
  bool lastScrambleFailed_ = false;
};
