// The repair run end to end on a small host: its steps and lines, the
// version stamp, repeated runs, the backup, and the ways it stops.
#include "RepairFixture.h"
#include "repair/HostBackup.h"
#include "repair/RepairRun.h"
#include "repair/SchemaRebuild.h"

namespace {

// The NULLs left in the fourteen number columns of the fixture's host: all
// of its columns but the first, a text key.
long Nulls(dao::Database& db) {
  long total = 0;
  db.TableDefs().Refresh();
  for (const std::string table : {"22Cuiles", "21Declaraciones_Juradas"}) {
    const auto& fields = db.TableDefs().Item(table).Fields();
    for (size_t i = 1; i < fields.size(); i++) {
      total += FirstNumber(db, "select count(*) - count([" + fields[i].Name() + "]) from " + table);
    }
  }
  return total;
}

class RepairRunTest : public RepairFixture {
 protected:
  void SetUp() override {
    RepairFixture::SetUp();
    WriteOneTableMetadata();
  }
  bool Run(const std::string& code, const std::string& folder) {
    return RepairRun(kolm, lines, program).Ejecutar(code, folder, handle);
  }
  RecordedLines lines;
  dao::Database handle;  // kept between runs, as the window keeps it
};

}  // namespace

// A second run, of the other version, finds the stamp and leaves it.
TEST_F(RepairRunTest, ARunRepairsStampsAndScramblesAndALaterOneKeepsTheStamp) {
  WriteHost({"CREATE TABLE 13Situaciones (Codigo LONG)", "INSERT INTO 13Situaciones VALUES (1)"});
  Inspect(host, [](dao::Database& db) { EXPECT_EQ(Nulls(db), 6 + 7); });
  const auto before = ReadBytes(host);

  ASSERT_TRUE(Run("27", install));
  EXPECT_TRUE(handle.IsOpen());
  EXPECT_NE(ReadBytes(host)[0], 0);
  EXPECT_NE(ReadBytes(metadata)[0], 0);
  const auto backups = HostBackup::List(host);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(ReadBytes(backups[0]), before);

  ASSERT_TRUE(Run("26", install));
  EXPECT_NE(ReadBytes(host)[0], 0);
  using Lines = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(lines.lines, (Lines{{"info", "Reparación de base de datos exitosa"},
                                {"info", "Reparación de base de datos exitosa"}}));
  EXPECT_TRUE(boxes->Boxes().empty());

  handle.Close();
  Inspect(host, [](dao::Database& db) {
    EXPECT_EQ(Nulls(db), 0);
    EXPECT_EQ(FirstNumber(db, "select count(*) from 22Cuiles where Premios = 10.5"), 1);
    EXPECT_EQ(FirstNumber(db, "select count(*) from 13Situaciones"), 0);
    EXPECT_EQ(Rows(db, "select Version from VersionBase"), std::vector<std::string>{"027"});
  });
}

TEST_F(RepairRunTest, OtherCodesAndAMissingDatabaseDoNothingMore) {
  WriteHost();
  const auto before = ReadBytes(host);
  EXPECT_FALSE(Run("", install));
  EXPECT_FALSE(Run("28", install));
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_EQ(ReadBytes(host), before);

  std::filesystem::create_directories(dir.Path() / "vacia");
  EXPECT_FALSE(Run("26", dir.File("vacia")));
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_NE(boxes->Boxes()[0].text.find("VORA12.mdb"), std::string::npos);
  EXPECT_TRUE(lines.lines.empty());
  EXPECT_FALSE(handle.IsOpen());
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "vacia"));
  EXPECT_TRUE(HostBackup::List(host).empty());
}

TEST_F(RepairRunTest, RefusedStatementStopsWithErrorLineAndAWholeBackup) {
  // SumaRRII7 is missing: the sixth statement on 21Declaraciones_Juradas fails.
  WriteHost({}, false);
  const auto before = ReadBytes(host);
  const auto metadataBefore = ReadBytes(metadata);
  RepairRun run(kolm, lines, program);
  EXPECT_FALSE(run.Ejecutar("27", install, handle));
  ASSERT_EQ(lines.lines.size(), 1u);
  EXPECT_EQ(lines.lines[0].first, "error");
  EXPECT_NE(lines.lines[0].second.find("SumaRRII7"), std::string::npos) << lines.lines[0].second;
  EXPECT_NE(lines.lines[0].second.find(run.UltimoRespaldo()), std::string::npos);
  EXPECT_EQ(ReadBytes(run.UltimoRespaldo()), before);
  // What was done stays done; the file stays plain and open.
  EXPECT_EQ(ReadBytes(host)[0], 0);
  EXPECT_TRUE(handle.IsOpen());
  EXPECT_EQ(FirstNumber(handle, "select count(*) - count(Adicionales) from 22Cuiles"), 0);
  EXPECT_FALSE(SchemaRebuild::ExisteTabla(handle, "13Situaciones"));
  EXPECT_FALSE(SchemaRebuild::ExisteTabla(handle, "VersionBase"));
  EXPECT_EQ(ReadBytes(metadata), metadataBefore);  // the rebuild was never reached

  // A metadata file that cannot be opened stops the run the same way.
  handle.Close();
  std::filesystem::remove(metadata);
  std::filesystem::remove(host);
  WriteHost();
  EXPECT_FALSE(Run("26", install));
  ASSERT_EQ(lines.lines.size(), 2u);
  EXPECT_EQ(lines.lines[1].first, "error");
  EXPECT_EQ(boxes->Boxes().size(), 1u);
  // Stopped in the rebuild: the NULLs are done, the version is not stamped,
  // the file stays plain.
  ASSERT_TRUE(handle.IsOpen());
  handle.TableDefs().Refresh();
  EXPECT_FALSE(SchemaRebuild::ExisteTabla(handle, "VersionBase"));
  EXPECT_EQ(Nulls(handle), 0);
  EXPECT_EQ(ReadBytes(host)[0], 0);
}

TEST_F(RepairRunTest, BackupThatCannotBeMadeStopsBeforeAnyChange) {
  // A folder where the file should be: it cannot be read as one.
  std::filesystem::create_directories(dir.Path() / "inst" / "VORA12.mdb");
  EXPECT_FALSE(Run("27", install));
  ASSERT_EQ(lines.lines.size(), 1u);
  EXPECT_EQ(lines.lines[0].first, "error");
  EXPECT_NE(lines.lines[0].second.find("copia de seguridad"), std::string::npos);
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_FALSE(handle.IsOpen());
  // No partial copy is left beside it.
  EXPECT_TRUE(HostBackup::List(host).empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(install),
                          std::filesystem::directory_iterator()),
            1);
}
