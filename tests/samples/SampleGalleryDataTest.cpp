// The gallery's demonstration data: a new sample made in a scratch folder
// under TMPDIR, or a given sample copied there; the folder given is never
// touched, whatever is written to the copies; a folder that is no sample
// is refused by name; the scratch folder goes with the object, also when
// the construction fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/ClsKolm.h"
#include "samples/SampleAddresses.h"
#include "samples/SampleGalleryData.h"
#include "samples/SampleInstallation.h"
#include "support/EnvGuard.h"
#include "support/ErrorOf.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// No scratch folder of the gallery is left in `folder`.
bool NoScratchIn(const fs::path& folder) {
  for (const auto& e : fs::directory_iterator(folder)) {
    if (e.path().filename().string().rfind("remendor-galeria-", 0) == 0) return false;
  }
  return true;
}

class SampleGalleryDataTest : public ::testing::Test {
 protected:
  TempDir tmp;
  EnvGuard tmpdir{"TMPDIR", tmp.Path().c_str()};
};

}  // namespace

TEST_F(SampleGalleryDataTest, ANewSampleHoldsEveryTableThePagesReadAndGoesWithTheObject) {
  {
    SampleGalleryData demo;
    EXPECT_EQ(fs::path(demo.Trabajo()).parent_path(), tmp.Path());
    EXPECT_EQ(fs::path(demo.Origen()).parent_path(), fs::path(demo.Trabajo()));
    EXPECT_EQ(FirstNumber(demo.Host(), "select count(*) from 24Domicilios"), 7);
    EXPECT_EQ(FirstNumber(demo.Host(), "select count(*) from provincias"), 24);
    EXPECT_EQ(FirstNumber(demo.Host(), "select count(*) from 23Titulares"), 5);
    EXPECT_GT(FirstNumber(demo.Host(), "select count(*) from 22Cuiles"), 0);
    EXPECT_EQ(FirstNumber(demo.Contribuyentes(), "select count(*) from Contribs"), 4);
    EXPECT_EQ(FirstNumber(demo.Propia(), "select count(*) from Configuracion"), 0);
    EXPECT_TRUE(fs::is_regular_file(fs::path(demo.CarpetaAyuda()) / "index.html"));
    EXPECT_TRUE(fs::is_regular_file(fs::path(demo.CarpetaVora()) / "VORA12.mdb"));
  }
  EXPECT_TRUE(NoScratchIn(tmp.Path()));
}

// No page reads the contributor database and only the one-time message
// writes the gallery's own: both wait for their first use, and an error
// opening them comes then, leaving the gallery that started standing. A
// folder that is no sample is refused by the file it lacks; a host the
// engine cannot open raises its error and is left as it was; neither
// failure leaves a scratch folder.
TEST_F(SampleGalleryDataTest,
       AGivenSampleIsCopiedAndLeftAsItWasItsOtherDatabasesWaitForUseAndAFailureSaysWhy) {
  TempDir given;
  fs::create_directories(given.Path() / "novu" / "VORA12");
  const std::string e = ErrorMessageOf([&] { SampleGalleryData(given.Path().string()); });
  EXPECT_EQ(e.rfind(std::to_string(rterr::kFileNotFound) + " ", 0), 0u) << e;
  EXPECT_NE(e.find(given.File("novu/VORA12/VORA12.mdb")), std::string::npos) << e;
  EXPECT_TRUE(NoScratchIn(tmp.Path()));

  ClsKolm kolm;
  // A sample made before the host carried addresses: the copy gets them.
  const std::string host =
      SampleInstallation::Create(given.Path().string(), kolm, SampleInstallation::Sizes{40, 10});
  const std::string novu = given.File("novu/Novu.mdb");
  auto hostBytes = ReadBytes(host);
  auto novuBytes = ReadBytes(novu);
  {
    SampleGalleryData demo(given.Path().string());
    EXPECT_EQ(demo.Origen(), given.Path().string());
    EXPECT_EQ(FirstNumber(demo.Host(), "select count(*) from 22Cuiles"), 40);
    EXPECT_EQ(FirstNumber(demo.Host(), "select count(*) from 24Domicilios"), 7);
    demo.Host().Execute("delete from 22Cuiles");
    demo.Contribuyentes().Execute("delete from Contribs");
  }
  EXPECT_EQ(ReadBytes(host), hostBytes);
  EXPECT_EQ(ReadBytes(novu), novuBytes);

  novuBytes.resize(100);  // cut short: no database any more
  WriteBytes(novu, novuBytes);
  {
    SampleGalleryData demo(given.Path().string());
    EXPECT_THROW(demo.Contribuyentes(), AppError);
    const fs::path own = fs::path(demo.Trabajo()) / SampleGalleryData::kPropia;
    EXPECT_FALSE(fs::exists(own));
    EXPECT_EQ(FirstNumber(demo.Propia(), "select count(*) from Configuracion"), 0);
    EXPECT_TRUE(fs::is_regular_file(own));
    demo.Propia().Execute("insert into Configuracion (CodItem) values (1)");
    EXPECT_EQ(FirstNumber(demo.Propia(), "select count(*) from Configuracion"), 1);
  }

  hostBytes.resize(100);
  WriteBytes(host, hostBytes);
  EXPECT_THROW(SampleGalleryData demo(given.Path().string()), AppError);
  EXPECT_TRUE(NoScratchIn(tmp.Path()));
  EXPECT_EQ(ReadBytes(host), hostBytes);
}
