/*
** The crypto seam through Windows CNG. See PasswordCrypto.h.
*/
#ifdef _WIN32

// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include "dao/PasswordCrypto.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

// The HMAC-SHA256 provider, opened once for the process.
BCRYPT_ALG_HANDLE HmacSha256() {
  static BCRYPT_ALG_HANDLE provider = [] {
    BCRYPT_ALG_HANDLE h = nullptr;
    if (BCryptOpenAlgorithmProvider(&h, BCRYPT_SHA256_ALGORITHM, nullptr,
                                    BCRYPT_ALG_HANDLE_HMAC_FLAG) < 0) {
      h = nullptr;
    }
    return h;
  }();
  return provider;
}

}  // namespace

std::array<unsigned char, 32> PasswordCrypto::Pbkdf2Sha256(const std::string& password,
                                                           const unsigned char* salt,
                                                           size_t saltSize, uint32_t iterations) {
  std::array<unsigned char, 32> out{};
  // CNG takes the password as bytes, not text: the UTF-8 bytes go in, as
  // on every other system.
  unsigned char none = 0;
  auto* bytes = password.empty()
                    ? &none
                    : reinterpret_cast<unsigned char*>(const_cast<char*>(password.data()));
  BCRYPT_ALG_HANDLE provider = HmacSha256();
  // A count of none would derive nothing: refused here as on Linux,
  // whatever CNG makes of it.
  if (iterations == 0 || !provider ||
      BCryptDeriveKeyPBKDF2(provider, bytes, static_cast<ULONG>(password.size()),
                            const_cast<unsigned char*>(salt), static_cast<ULONG>(saltSize),
                            iterations, out.data(), static_cast<ULONG>(out.size()), 0) < 0) {
    jeterr::Raise(jeterr::msg::kNoMemoryForPassword);
  }
  return out;
}

bool PasswordCrypto::RandomBytes(unsigned char* buffer, size_t size) {
  return BCryptGenRandom(nullptr, buffer, static_cast<ULONG>(size),
                         BCRYPT_USE_SYSTEM_PREFERRED_RNG) >= 0;
}

bool PasswordCrypto::SameBytes(const unsigned char* a, const unsigned char* b, size_t size) {
  volatile unsigned char differ = 0;
  for (size_t i = 0; i < size; ++i) differ = differ | (a[i] ^ b[i]);
  return differ == 0;
}

}  // namespace dao

#endif
