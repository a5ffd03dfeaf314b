// The metadata the rebuild opens: the file itself where it may be written,
// a private copy where not, and nothing left of the copy afterwards.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "common/AppError.h"
#include "common/NativeFile.h"
#include "common/NativePath.h"
#include "repair/MetadataCopy.h"
#include "support/EnvGuard.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
unsigned Mode(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 0777;
}
#endif

// A folder for this user's private files, as the session gives one.
class MetadataCopyTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir.Path() / "privadas"); }
  TempDir dir;
  EnvGuard runtime{"XDG_RUNTIME_DIR", dir.File("privadas").c_str()};
};

}  // namespace

TEST_F(MetadataCopyTest, AWritableFileIsUsedInPlaceAnOtherIsCopiedPrivately) {
  const std::string installed = dir.File("Remendor.mdb");
  WriteBytes(installed, {0x3B, 1, 2, 3});
  {
    const MetadataCopy inPlace(installed, true);
    EXPECT_EQ(inPlace.Path(), installed);
    EXPECT_FALSE(inPlace.IsPrivate());
  }
  std::string folder;
  {
    const MetadataCopy copy(installed, false);
    ASSERT_TRUE(copy.IsPrivate());
    folder = NativePath::ToUtf8(NativePath::From(copy.Path()).parent_path());
    EXPECT_EQ(NativePath::From(folder).parent_path(), dir.Path() / "privadas");
    EXPECT_EQ(fs::path(copy.Path()).filename(), "Remendor.mdb");
    EXPECT_EQ(ReadBytes(copy.Path()), ReadBytes(installed));
#ifndef _WIN32
    // (Windows keeps who may enter in the folder's access list, inherited
    // from the user's own temporary folder.)
    EXPECT_EQ(Mode(folder), 0700u);
    EXPECT_EQ(Mode(copy.Path()), 0600u);
#endif
  }
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_TRUE(fs::is_empty(dir.Path() / "privadas"));
  EXPECT_EQ(ReadBytes(installed), (std::vector<unsigned char>{0x3B, 1, 2, 3}));
}

TEST_F(MetadataCopyTest, AMissingFileIsLeftToTheOpenAndAFailedCopyLeavesNothing) {
  const MetadataCopy missing(dir.File("Remendor.mdb"), false);
  EXPECT_EQ(missing.Path(), dir.File("Remendor.mdb"));
  EXPECT_FALSE(missing.IsPrivate());

  // A folder where the file should be cannot be read as one.
  fs::create_directories(dir.Path() / "carpeta.mdb");
  const std::string error = ErrorMessageOf([&] { MetadataCopy(dir.File("carpeta.mdb"), false); });
  EXPECT_EQ(error.rfind("75 ", 0), 0u) << error;
  EXPECT_NE(error.find("carpeta.mdb' para leerlos: es una carpeta."), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(dir.Path() / "privadas"));
}

TEST_F(MetadataCopyTest, OnlyWhatThisProcessMayWriteIsWritable) {
  const std::string file = dir.File("Remendor.mdb");
  WriteBytes(file, {0});
  EXPECT_TRUE(MetadataCopy::MayWrite(file));
  EXPECT_FALSE(MetadataCopy::MayWrite(dir.File("no-existe.mdb")));
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#ifdef _WIN32
  // The read-only attribute binds everyone on Windows; Wine keeps it as a
  // mode, which binds no Unix root.
  if (NativeFile(file, NativeFile::Mode::kReadWrite).IsOpen()) {
    GTEST_SKIP() << "the read-only attribute does not bind here (Wine run by root)";
  }
  EXPECT_FALSE(MetadataCopy::MayWrite(file));
#else
  // Root may write whatever the mode says.
  EXPECT_EQ(MetadataCopy::MayWrite(file), ::geteuid() == 0);
#endif
}
