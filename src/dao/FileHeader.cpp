/*
** The engine's header block: encoding, checks and the password verifier.
** See FileHeader.h for the layout.
*/
#include "dao/FileHeader.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include "common/NativePath.h"
#include "dao/PasswordCrypto.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

constexpr char kSignature[15] = "REMENDOR-JETDB";  // with its final zero: 15 bytes

void PutU32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; i++) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
uint32_t GetU32(const unsigned char* p) {
  uint32_t v = 0;
  for (int i = 0; i < 4; i++) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return v;
}

std::array<unsigned char, 32> Derive(const std::string& password,
                                     const std::array<unsigned char, 16>& salt,
                                     uint32_t iterations) {
  return PasswordCrypto::Pbkdf2Sha256(password, salt.data(), salt.size(), iterations);
}

[[noreturn]] void Unrecognized(const std::string& path) {
  jeterr::Raise(jeterr::msg::kUnrecognizedFormat, {path});
}

}  // namespace

FileHeader FileHeader::ForNewFile(const std::string& password) {
  FileHeader h;
  if (!password.empty()) {
    h.flags_ = 1;
    if (!PasswordCrypto::RandomBytes(h.salt_.data(), h.salt_.size())) {
      jeterr::Raise(jeterr::msg::kNoSalt);
    }
    h.verifier_ = Derive(password, h.salt_, h.iterations_);
  }
  return h;
}

FileHeader FileHeader::ReadFrom(const std::string& path) {
  const std::filesystem::path file = NativePath::From(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    jeterr::Raise(jeterr::msg::kFileNotFound, {path});
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    jeterr::Raise(jeterr::msg::kCannotReadFile, {path});
  }
  std::array<unsigned char, kSize> block{};
  in.read(reinterpret_cast<char*>(block.data()), kSize);
  if (in.gcount() != kSize) Unrecognized(path);
  return Decode(block, path);
}

FileHeader FileHeader::Decode(const std::array<unsigned char, kSize>& block,
                              const std::string& path) {
  if (block[0] != 0 || std::memcmp(block.data() + 1, kSignature, sizeof kSignature) != 0) {
    Unrecognized(path);
  }
  FileHeader h;
  h.version_ = GetU32(block.data() + 16);
  h.iterations_ = GetU32(block.data() + 20);
  h.flags_ = GetU32(block.data() + 24);
  // Only the count the engine writes: a crafted header asking for millions
  // of rounds would make every open of it take seconds.
  if (h.version_ != kFormatVersion || h.iterations_ != kIterations) {
    Unrecognized(path);
  }
  std::memcpy(h.salt_.data(), block.data() + 28, h.salt_.size());
  std::memcpy(h.verifier_.data(), block.data() + 44, h.verifier_.size());
  return h;
}

bool FileHeader::Accepts(const std::string& password) const {
  if (!HasPassword()) return true;
  auto derived = Derive(password, salt_, iterations_);
  return PasswordCrypto::SameBytes(derived.data(), verifier_.data(), derived.size());
}

std::array<unsigned char, FileHeader::kSize> FileHeader::Encode() const {
  std::array<unsigned char, kSize> block{};
  std::memcpy(block.data() + 1, kSignature, sizeof kSignature);
  PutU32(block.data() + 16, version_);
  PutU32(block.data() + 20, iterations_);
  PutU32(block.data() + 24, flags_);
  std::memcpy(block.data() + 28, salt_.data(), salt_.size());
  std::memcpy(block.data() + 44, verifier_.data(), verifier_.size());
  return block;
}

}  // namespace dao
