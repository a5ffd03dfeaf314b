// Files that are not Jet databases, or no longer whole ones: each gives one
// error with the engine's number and the reason, never a crash or a hang,
// and never a target, whole or half-made.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "dao/DBEngine.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/ImportErrors.h"
#include "jetimport/JetImport.h"
#include "support/JetSamples.h"
#include "support/TempDir.h"

using namespace jetimport;

namespace {

class Damaged : public ::testing::Test {
 protected:
  // The error an import of `source` gives; "" when it succeeds.
  std::string Import(const std::string& source) {
    ImportOptions o;
    o.source = source;
    o.target = target;
    o.silenceSeconds = 10;
    ImportProgress quiet;
    try {
      JetImport::Run(o, quiet);
    } catch (const AppError& e) {
      EXPECT_FALSE(std::filesystem::exists(target)) << source;
      return std::to_string(e.Number()) + " " + e.Description();
    }
    return "";
  }
  std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) {
    WriteBytes(dir.File(name), bytes);
    return dir.File(name);
  }
  // Nothing but the files the test wrote: no hidden work file stays.
  void ExpectNoLeftovers() {
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
      EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
  }

  TempDir dir;
  std::string target = dir.File("destino.mdb");
};

}  // namespace

TEST_F(Damaged, FilesThatAreNoJetDatabaseAreRefusedWithTheirReason) {
  const std::string missing = dir.File("no-existe.mdb");
  EXPECT_EQ(Import(missing), "3024 No se encuentra el archivo '" + missing + "'.");
  // A folder, a text, an empty file and the engine's own files are no Jet files.
  const std::string engine = dir.File("motor.mdb");
  dao::DBEngine::CreateDatabase(engine, "clave").Close();
  for (const std::string& path : {dir.Path().string(), Write("texto.mdb", {'h', 'o', 'l', 'a'}),
                                  Write("vacio.mdb", {}), engine}) {
    EXPECT_EQ(Import(path), "3343 " + msg::kNotJet.Format({path}));
  }

  auto jet = ReadBytes(CopyJetSample(dir, "testV2000.mdb"));
  jet[0x14] = 9;
  const std::string future = Write("futuro.mdb", jet);
  EXPECT_EQ(Import(future), "3343 Formato de base de datos no reconocido '" + future +
                                "': versión de formato 9 desconocida.");
  if (::geteuid() != 0) {
    const std::string locked = CopyJetSample(dir, "testV1997.mdb");
    ::chmod(locked.c_str(), 0);
    EXPECT_EQ(Import(locked).substr(0, 5), "3051 ");
  }
  ExpectNoLeftovers();
}

TEST_F(Damaged, TruncatedFilesAreDamagedNeverShorter) {
  for (const char* sample : {"testV1997.mdb", "testV2000.mdb", "test2V1997.mdb"}) {
    const auto whole = ReadBytes(CopyJetSample(dir, sample));
    const size_t page = whole[0x14] == 0 ? 2048 : 4096;
    const std::string cut = dir.File(std::string("cortado-") + sample);
    WriteBytes(cut, std::vector<unsigned char>(whole.begin(), whole.begin() + 1000));
    EXPECT_EQ(Import(cut),
              "3343 Formato de base de datos no reconocido '" + cut +
                  "': el archivo está truncado (1000 bytes no son páginas enteras de " +
                  std::to_string(page) + " bytes).");
    // Cut at a page's edge, the file still looks whole: what is missing
    // shows as a catalog or a table with fewer rows than it counts.
    for (size_t pages : {size_t{1}, size_t{3}, size_t{10}, size_t{25}, whole.size() / page / 2}) {
      WriteBytes(cut, std::vector<unsigned char>(whole.begin(), whole.begin() + pages * page));
      EXPECT_THAT(Import(cut),
                  ::testing::StartsWith("3343 Formato de base de datos no reconocido '" + cut +
                                        "': el archivo está dañado"))
          << sample << " cut at " << pages << " pages";
    }
  }
  ExpectNoLeftovers();
}

TEST_F(Damaged, ByteFlippedFilesGiveTheirTablesOrOneError) {
  // Bytes flipped at random past the first page, as a failing disk or a
  // bad copy leaves them: libmdb is not built for such files, and crashes,
  // loops or allocates without end on some of them (two of these rounds
  // crash it).
  std::mt19937 random(2);
  const char* samples[] = {"testV1997.mdb", "test2V1997.mdb", "testUnicodeCompV2003.mdb",
                           "compIndexTestV1997.mdb", "indexTestV2000.mdb"};
  int imported = 0, refused = 0;
  for (int round = 0; round < 30; round++) {
    const char* sample = samples[round % std::size(samples)];
    auto bytes = ReadBytes(CopyJetSample(dir, sample));
    const size_t page = bytes[0x14] == 0 ? 2048 : 4096;
    for (int flip = 0; flip < 60; flip++) {
      const size_t at = page + random() % (bytes.size() - page);
      bytes[at] ^= static_cast<unsigned char>(1u << (random() % 8));
    }
    const std::string flipped = Write("dañado.mdb", bytes);
    const std::string error = Import(flipped);
    if (error.empty()) {
      imported++;
      // What was imported is a sound engine database.
      dao::Database db = dao::DBEngine::OpenDatabase(target, false, false, ";PWD=");
      EXPECT_EQ(db.CheckIntegrity(), "ok");
      db.Close();
      std::filesystem::remove(target);
    } else {
      refused++;
      EXPECT_EQ(error.find('\n'), std::string::npos) << error;
      EXPECT_GT(std::stoi(error), 0) << error;
    }
  }
  EXPECT_GT(imported, 0);
  EXPECT_GT(refused, 0);
  ExpectNoLeftovers();
}
