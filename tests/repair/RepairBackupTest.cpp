// Backups of the host database: byte-identical copies with dated names, the
// newest five kept, other files beside them left alone.
#include <gtest/gtest.h>

#include "repair/HostBackup.h"
#include "support/TempDir.h"

TEST(RepairBackupTest, CopiesAreWholeDistinctAndPrunedToTheNewestFive) {
  TempDir dir;
  const std::string file = dir.File("VORA12.mdb");
  std::vector<std::string> made;
  for (int i = 0; i < 7; i++) {
    WriteBytes(file, std::vector<unsigned char>(5000 + static_cast<size_t>(i),
                                                static_cast<unsigned char>(i)));
    made.push_back(HostBackup::Make(file));
    EXPECT_EQ(ReadBytes(made.back()), ReadBytes(file));
    EXPECT_NE(made.back().find("VORA12_respaldo_"), std::string::npos) << made.back();
  }
  EXPECT_EQ(HostBackup::List(file), made);  // oldest first, none replaced

  const std::vector<std::string> others = {dir.File("VORA12_respaldo_notas.mdb"),
                                           dir.File("VORA12.mdb.bak"),
                                           dir.File("Otra_respaldo_20240101_000000_000.mdb")};
  for (const auto& o : others) WriteBytes(o, {1});
  HostBackup::Prune(file);
  EXPECT_EQ(HostBackup::List(file), std::vector<std::string>(made.begin() + 2, made.end()));
  for (const auto& o : others) EXPECT_TRUE(std::filesystem::exists(o)) << o;
  EXPECT_FALSE(std::filesystem::exists(made[0]));
}
