/*
** PasswordCrypto: the engine's crypto seam: the password verifier of a
** file's header, the salt, and the comparison that gives no timing away.
**
** The verifier is PBKDF2-HMAC-SHA256 (RFC 8018) of the password's UTF-8
** bytes: on Linux through GNU Nettle, on Windows through the system's own
** CNG (BCryptDeriveKeyPBKDF2), the same bytes either way, so that a file
** made on one system opens on the other. The salt comes from the system's
** cryptographic random source (the kernel's getrandom on Linux, CNG's on
** Windows). A failure of either raises (3005 for the derivation, also for
** a count of no rounds; the header's own error for the salt).
*/
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dao {

class PasswordCrypto {
 public:
  static std::array<unsigned char, 32> Pbkdf2Sha256(const std::string& password,
                                                    const unsigned char* salt, size_t saltSize,
                                                    uint32_t iterations);
  // Fills `buffer` with random bytes; false when the source failed.
  static bool RandomBytes(unsigned char* buffer, size_t size);
  // Whether the two blocks are equal, in a time that does not depend on
  // where they differ.
  static bool SameBytes(const unsigned char* a, const unsigned char* b, size_t size);
};

}  // namespace dao
