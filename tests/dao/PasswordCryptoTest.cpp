/*
** The crypto seam gives the same bytes on every system: the published
** PBKDF2-HMAC-SHA256 vectors, and the engine's own verifiers (its count of
** rounds, an accented password, an empty one) pinned here, so that the
** Linux build (OpenSSL) and the Windows build (CNG) are held to one value.
** And the SQLite under the engine is the same release with the same
** options that matter to stored files, whichever system built it.
*/
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>
#include <string>

#include "dao/FileHeader.h"
#include "dao/PasswordCrypto.h"

namespace {

using dao::PasswordCrypto;

std::string Hex(const std::array<unsigned char, 32>& bytes) {
  std::string out;
  for (unsigned char b : bytes) out += {"0123456789abcdef"[b >> 4], "0123456789abcdef"[b & 15]};
  return out;
}

std::string Derive(const std::string& password, const std::string& salt, uint32_t rounds) {
  return Hex(PasswordCrypto::Pbkdf2Sha256(
      password, reinterpret_cast<const unsigned char*>(salt.data()), salt.size(), rounds));
}

TEST(PasswordCrypto, GivesThePublishedAndTheEnginesOwnVectors) {
  EXPECT_EQ(Derive("password", "salt", 1),
            "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
  EXPECT_EQ(Derive("password", "salt", 4096),
            "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
  std::string salt;
  for (char c = 0; c < 16; ++c) salt += c;
  const uint32_t rounds = dao::FileHeader::kIterations;
  EXPECT_EQ(Derive("wePlorKadviM", salt, rounds),
            "61f05a4e2fdf34041e27e8bc2332b05a1f3ede3f4297e582b3edd2cd71f17575");
  EXPECT_EQ(Derive("contraseña", salt, rounds),
            "f097995e2e5ed7e5a8fa23c0299a231d8d1d4f6c4ea5cea644d5d32c881c1e31");
  EXPECT_EQ(Derive("", salt, rounds),
            "6ca10d0059c8a99264d69f5bd863f209bbf5401b8a4adacb5f4f1903c6503f27");
}

TEST(PasswordCrypto, SaltsDifferAndComparisonsSeeEveryByte) {
  std::array<unsigned char, 16> a{}, b{};
  ASSERT_TRUE(PasswordCrypto::RandomBytes(a.data(), a.size()));
  ASSERT_TRUE(PasswordCrypto::RandomBytes(b.data(), b.size()));
  EXPECT_FALSE(PasswordCrypto::SameBytes(a.data(), b.data(), a.size()));
  b = a;
  EXPECT_TRUE(PasswordCrypto::SameBytes(a.data(), b.data(), a.size()));
  b[15] ^= 1;
  EXPECT_FALSE(PasswordCrypto::SameBytes(a.data(), b.data(), a.size()));
}

TEST(EngineSqlite, SameReleaseAndStoredFileOptionsOnEverySystem) {
  EXPECT_STREQ(sqlite3_libversion(), "3.40.1");
  for (const char* option :
       {"DEFAULT_PAGE_SIZE=4096", "DEFAULT_FILE_FORMAT=4", "DEFAULT_AUTOVACUUM",
        "DEFAULT_SYNCHRONOUS=2", "SECURE_DELETE", "LIKE_DOESNT_MATCH_BLOBS", "MAX_COLUMN=2000",
        "MAX_LENGTH=1000000000", "MAX_VARIABLE_NUMBER=250000", "TEMP_STORE=1", "USE_URI",
        "ENABLE_MATH_FUNCTIONS", "SOUNDEX", "ENABLE_FTS5", "ENABLE_RTREE", "THREADSAFE=1"}) {
    EXPECT_TRUE(sqlite3_compileoption_used(option)) << option;
  }
  for (const char* option : {"DQS", "DEFAULT_FOREIGN_KEYS", "ENABLE_STAT4", "OMIT_DEPRECATED"}) {
    EXPECT_FALSE(sqlite3_compileoption_used(option)) << option;
  }
}

}  // namespace
