// Backups of the host database: byte-identical copies named after the time
// they were taken, the newest five kept, other files beside them left
// alone. The tests name the time rather than read the clock.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <thread>

#include "common/NativePath.h"
#include "repair/HostBackup.h"
#include "support/SelfChild.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::system_clock;

// A local date and time written as the backup's name shows it, to the
// millisecond: "20240131 142305", 7.
Clock::time_point Local(const char* when, int millis) {
  std::tm t{};
  std::istringstream(when) >> std::get_time(&t, "%Y%m%d %H%M%S");
  t.tm_isdst = -1;
  return Clock::from_time_t(std::mktime(&t)) + std::chrono::milliseconds(millis);
}

std::string Name(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

TEST(RepairBackupTest, CopiesAreWholeNamedAfterTheirTimeAndPrunedToTheNewestFive) {
  TempDir dir;
  const std::string file = dir.File("VORA12.mdb");
  // Two copies in one millisecond; times that differ in each part.
  const Clock::time_point times[] = {
      Local("20240131 142305", 7), Local("20240131 142305", 7), Local("20240131 142305", 8),
      Local("20240131 142306", 0), Local("20240131 142400", 0), Local("20240201 090000", 999),
      Local("20250101 000000", 0),
  };
  std::vector<std::string> made;
  for (size_t i = 0; i < std::size(times); i++) {
    WriteBytes(file, std::vector<unsigned char>(5000 + i, static_cast<unsigned char>(i)));
    made.push_back(HostBackup::Make(file, times[i]));
    EXPECT_EQ(ReadBytes(made.back()), ReadBytes(file));
  }
  std::vector<std::string> names;
  for (const std::string& m : made) names.push_back(Name(m));
  EXPECT_EQ(
      names,
      (std::vector<std::string>{
          "VORA12_respaldo_20240131_142305_007.mdb", "VORA12_respaldo_20240131_142305_007_1.mdb",
          "VORA12_respaldo_20240131_142305_008.mdb", "VORA12_respaldo_20240131_142306_000.mdb",
          "VORA12_respaldo_20240131_142400_000.mdb", "VORA12_respaldo_20240201_090000_999.mdb",
          "VORA12_respaldo_20250101_000000_000.mdb"}));
  EXPECT_EQ(HostBackup::List(file), made);  // oldest first, none replaced

  const std::vector<std::string> others = {dir.File("VORA12_respaldo_notas.mdb"),
                                           dir.File("VORA12.mdb.bak"),
                                           dir.File("Otra_respaldo_20240101_000000_000.mdb")};
  for (const auto& o : others) WriteBytes(o, {1});
  HostBackup::Prune(file);
  EXPECT_EQ(HostBackup::List(file), std::vector<std::string>(made.begin() + 2, made.end()));
  for (const auto& o : others) EXPECT_TRUE(std::filesystem::exists(o)) << o;
  EXPECT_FALSE(std::filesystem::exists(made[0]));
  EXPECT_FALSE(std::filesystem::exists(made[1]));
}

namespace {

#ifdef _WIN32
// A process id that no running process holds: a child that has ended.
unsigned long EndedProcess() {
  SelfChild child("NoTest.ThatExists");
  child.Wait();
  return child.Id();
}
#else
// A process id that no running process holds: a child that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}
#endif

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
#ifdef _WIN32
  SelfChild writer("RepairBackupTest.DISABLED_RunsUntilKilled");
  ASSERT_TRUE(writer.Started());
  const unsigned long runningId = writer.Id();
#else
  const pid_t runningId = ::getppid();
#endif
  const std::string running =
      dir.File(".VORA12.mdb." + std::to_string(runningId) + ".respaldo-parcial");
  WriteBytes(abandoned, std::vector<unsigned char>(1 << 20, 7));
  WriteBytes(running, std::vector<unsigned char>(1 << 20, 7));
  EXPECT_TRUE(HostBackup::List(file).empty());

  const std::string made = HostBackup::Make(file);
  EXPECT_EQ(ReadBytes(made), ReadBytes(file));
  EXPECT_EQ(HostBackup::List(file), std::vector<std::string>{made});
  // Nothing else beside them: the new copy's own working file is gone too.
  EXPECT_FALSE(std::filesystem::exists(NativePath::From(abandoned)));
  EXPECT_TRUE(std::filesystem::exists(NativePath::From(running)));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}

#ifdef _WIN32
// The writer of the test above that still runs: a child of its own.
TEST(RepairBackupTest, DISABLED_RunsUntilKilled) {
  std::this_thread::sleep_for(std::chrono::minutes(2));
}
#endif
