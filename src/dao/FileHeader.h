/*
** FileHeader: the engine's header block at the start of every database file.
**
** A database file is this block followed by the pages of an SQLite
** database, which reach SQLite through OffsetVfs with their offsets
** shifted by kSize. The block is written once, when the file is created,
** and never again: changing its bytes while a handle is open (the host's
** scrambling toggles bytes 0, 10, ... 390) cannot harm the database.
**
**   offset  size  content
**   ------  ----  -----------------------------------------------------
**        0     1  0x00: a plain file begins with a zero byte
**        1    15  signature "REMENDOR-JETDB\0"
**       16     4  format version, little-endian (1)
**       20     4  PBKDF2 iterations, little-endian (20000; no other count
**                 is accepted)
**       24     4  flags, little-endian; bit 0: the file has a password
**       28    16  salt
**       44    32  verifier: PBKDF2-HMAC-SHA256(password, salt, iterations)
**       76  4020  zero
**
** The signature spans byte 10, so a scrambled file never passes for a plain
** one. The password itself is never stored. A file without a password opens
** with any password, as the original engine's did.
*/
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dao {

class FileHeader {
 public:
  static constexpr int kSize = 4096;
  static constexpr uint32_t kFormatVersion = 1;
  static constexpr uint32_t kIterations = 20000;

  // A header for a new file protected by `password` (none when empty).
  static FileHeader ForNewFile(const std::string& password);

  // Reads and checks the header of a file. Raises 3024 when the file is
  // missing, 3343 when it is no database of this engine (too short, no
  // signature, an unknown version or iteration count: a scrambled or
  // foreign file).
  static FileHeader ReadFrom(const std::string& path);

  // Checks a header block already read; `path` names the file in errors.
  static FileHeader Decode(const std::array<unsigned char, kSize>& block, const std::string& path);

  // True when `password` opens the file.
  bool Accepts(const std::string& password) const;
  bool HasPassword() const { return (flags_ & 1) != 0; }

  std::array<unsigned char, kSize> Encode() const;

 private:
  uint32_t version_ = kFormatVersion;
  uint32_t iterations_ = kIterations;
  uint32_t flags_ = 0;
  std::array<unsigned char, 16> salt_{};
  std::array<unsigned char, 32> verifier_{};
};

}  // namespace dao
