// Backups of the host database: byte-identical copies with dated names, the
// newest five kept, other files beside them left alone.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

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

namespace {

// A process id that no running process holds: a child that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

// A copy cut short by a kill lies under a working name that is never a
// backup's: it is not listed, so pruning never keeps it in place of a good
// backup, and the next copy removes it unless its writer still runs.
TEST(RepairBackupTest, APartialCopyIsNeverABackupAndTheNextCopyRemovesIt) {
  TempDir dir;
  const std::string file = dir.File("VORA12.mdb");
  WriteBytes(file, std::vector<unsigned char>(3 << 20, 7));
  const std::string abandoned =
      dir.File(".VORA12.mdb." + std::to_string(EndedProcess()) + ".respaldo-parcial");
  const std::string running =
      dir.File(".VORA12.mdb." + std::to_string(::getppid()) + ".respaldo-parcial");
  WriteBytes(abandoned, std::vector<unsigned char>(1 << 20, 7));
  WriteBytes(running, std::vector<unsigned char>(1 << 20, 7));
  EXPECT_TRUE(HostBackup::List(file).empty());

  const std::string made = HostBackup::Make(file);
  EXPECT_EQ(ReadBytes(made), ReadBytes(file));
  EXPECT_EQ(HostBackup::List(file), std::vector<std::string>{made});
  const std::vector<std::string> expected = {std::filesystem::path(running).filename().string(),
                                             "VORA12.mdb",
                                             std::filesystem::path(made).filename().string()};
  EXPECT_EQ(FolderNames(dir.Path()), expected);
}
