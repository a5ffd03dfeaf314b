/*
** The crypto seam through OpenSSL, everywhere but Windows. See
** PasswordCrypto.h.
*/
#ifndef _WIN32

#include "dao/PasswordCrypto.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include "dao/sql/JetErrors.h"

namespace dao {

std::array<unsigned char, 32> PasswordCrypto::Pbkdf2Sha256(const std::string& password,
                                                           const unsigned char* salt,
                                                           size_t saltSize, uint32_t iterations) {
  std::array<unsigned char, 32> out{};
  if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt,
                        static_cast<int>(saltSize), static_cast<int>(iterations), EVP_sha256(),
                        static_cast<int>(out.size()), out.data()) != 1) {
    jeterr::Raise(jeterr::msg::kNoMemoryForPassword);
  }
  return out;
}

bool PasswordCrypto::RandomBytes(unsigned char* buffer, size_t size) {
  return RAND_bytes(buffer, static_cast<int>(size)) == 1;
}

bool PasswordCrypto::SameBytes(const unsigned char* a, const unsigned char* b, size_t size) {
  return CRYPTO_memcmp(a, b, size) == 0;
}

}  // namespace dao

#endif
