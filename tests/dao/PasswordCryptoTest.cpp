/*
** The crypto seam gives the same bytes on every system: the published
** PBKDF2-HMAC-SHA256 vectors, and the engine's own verifiers (its count of
** rounds, an accented password, an empty one, one longer than the hash's
** block) pinned here, so that the Linux build (Nettle) and the Windows
** build (CNG) are held to one value.
** And the SQLite under the engine is the same release with the same
** options that matter to stored files, whichever system built it.
*/
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>
#include <string>

#include "common/AppError.h"
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
  // The published vectors of more than one block of password and salt, and
  // of NULs inside both (the first 32 and 16 bytes of their keys).
  EXPECT_EQ(Derive("passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096),
            "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1");
  EXPECT_EQ(Derive(std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096).substr(0, 32),
            "89b69d0516f829893c696226650a8687");
  std::string salt;
  for (char c = 0; c < 16; ++c) salt += c;
  const uint32_t rounds = dao::FileHeader::kIterations;
  EXPECT_EQ(Derive("wePlorKadviM", salt, rounds),
            "61f05a4e2fdf34041e27e8bc2332b05a1f3ede3f4297e582b3edd2cd71f17575");
  EXPECT_EQ(Derive("contraseña", salt, rounds),
            "f097995e2e5ed7e5a8fa23c0299a231d8d1d4f6c4ea5cea644d5d32c881c1e31");
  EXPECT_EQ(Derive("", salt, rounds),
            "6ca10d0059c8a99264d69f5bd863f209bbf5401b8a4adacb5f4f1903c6503f27");
  // A password longer than SHA-256's block is hashed into the HMAC key.
  std::string longer;
  for (int i = 0; i < 100; ++i) longer += char('A' + i % 26);
  EXPECT_EQ(Derive(longer, salt, rounds),
            "23b507d0e572b2d083d35f0fdd28b56fa5871995898eee7e91c1871d27f78db8");
  EXPECT_THROW(Derive("password", "salt", 0), AppError);
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
