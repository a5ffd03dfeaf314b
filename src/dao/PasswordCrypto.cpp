/*
** The crypto seam through GNU Nettle and the kernel, everywhere but
** Windows. See PasswordCrypto.h.
**
** Nettle is a library of primitives with nothing to load or set up, so one
** password check costs the derivation and no more: no providers, no
** configuration file, no error strings resident for the rest of the run.
** Random bytes come straight from the kernel's source (getrandom), which
** blocks only until the kernel's pool was first seeded at boot.
*/
#ifndef _WIN32

#include "dao/PasswordCrypto.h"

#include <nettle/memops.h>
#include <nettle/pbkdf2.h>
#include <sys/random.h>

#include <cerrno>

#include "dao/sql/JetErrors.h"

namespace dao {

std::array<unsigned char, 32> PasswordCrypto::Pbkdf2Sha256(const std::string& password,
                                                           const unsigned char* salt,
                                                           size_t saltSize, uint32_t iterations) {
  // A count of none would derive nothing: a failed derivation, not
  // Nettle's assertion.
  if (iterations == 0) jeterr::Raise(jeterr::msg::kNoMemoryForPassword);
  std::array<unsigned char, 32> out{};
  pbkdf2_hmac_sha256(password.size(), reinterpret_cast<const uint8_t*>(password.data()), iterations,
                     saltSize, salt, out.size(), out.data());
  return out;
}

bool PasswordCrypto::RandomBytes(unsigned char* buffer, size_t size) {
  // getrandom returns at most 32 MiB per call and may be interrupted by a
  // signal before it has filled anything.
  while (size > 0) {
    const ssize_t got = ::getrandom(buffer, size, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    buffer += got;
    size -= static_cast<size_t>(got);
  }
  return true;
}

bool PasswordCrypto::SameBytes(const unsigned char* a, const unsigned char* b, size_t size) {
  return memeql_sec(a, b, size) != 0;
}

}  // namespace dao

#endif
