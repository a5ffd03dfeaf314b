// Real files made by Access (tests/data/jet) imported into the engine:
// every type exact, text in both encodings, keys and counters, and the
// safety of the source and of the target.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "common/TextCase.h"
#include "dao/DBEngine.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/ImportErrors.h"
#include "jetimport/JetImport.h"
#include "support/ErrorOf.h"
#include "support/JetSamples.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

using namespace jetimport;

namespace {

class RecordedProgress : public ImportProgress {
 public:
  void TableStarted(const std::string& t, uint64_t declared, int i, int n) override {
    lines.push_back("empieza " + t + " " + std::to_string(declared) + " " + std::to_string(i) +
                    "/" + std::to_string(n));
  }
  void TableDone(const std::string& t, uint64_t rows, int i, int n) override {
    lines.push_back("termina " + t + " " + std::to_string(rows) + " " + std::to_string(i) + "/" +
                    std::to_string(n));
  }
  std::vector<std::string> lines;
};

class Import : public ::testing::Test {
 protected:
  ImportSummary Run(const std::string& sample, const std::vector<std::string>& tables = {}) {
    ImportOptions o = Options(sample);
    o.tables = tables;
    return JetImport::Run(o, progress);
  }
  ImportOptions Options(const std::string& sample) {
    ImportOptions o;
    o.source = CopyJetSample(dir, sample);
    o.target = target;
    o.password = "clave";
    o.silenceSeconds = 20;
    return o;
  }
  dao::Database Open() { return dao::DBEngine::OpenDatabase(target, false, false, ";PWD=clave"); }
  // A fresh import of `sample`, opened.
  dao::Database Imported(const std::string& sample) {
    std::filesystem::remove(target);
    Run(sample);
    return Open();
  }
  // The files of the scratch folder other than the samples copied in.
  std::vector<std::string> Made() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
      const std::string name = e.path().filename().string();
      if (name.find(".mdb") == std::string::npos || name.find("destino") != std::string::npos)
        names.push_back(name);
    }
    return names;
  }

  TempDir dir;
  std::string target = dir.File("destino.mdb");
  RecordedProgress progress;
};

}  // namespace

TEST_F(Import, Jet3AndJet4TablesArriveWithEveryTypeExact) {
  for (const char* sample : {"testV1997.mdb", "testV2000.mdb"}) {
    SCOPED_TRACE(sample);
    std::filesystem::remove(target);
    const ImportSummary s = Run(sample);
    EXPECT_EQ(std::tie(s.jetVersion, s.tables, s.rows),
              std::make_tuple(std::string(sample) == "testV1997.mdb" ? 3 : 4, 4, uint64_t{2}));
    dao::Database db = Open();
    const dao::TableDef& t = db.TableDefs().Item("Table1");
    const std::pair<int, int> types[] = {
        {dao::dbText, 50},   {dao::dbText, 100},   {dao::dbByte, 1},
        {dao::dbInteger, 2}, {dao::dbLong, 4},     {dao::dbDouble, 8},
        {dao::dbDate, 8},    {dao::dbCurrency, 8}, {dao::dbBoolean, 1}};
    ASSERT_EQ(t.Fields().size(), std::size(types));
    for (size_t i = 0; i < std::size(types); i++) {
      EXPECT_EQ(t.Fields()[i].Type(), types[i].first) << t.Fields()[i].Name();
      EXPECT_EQ(t.Fields()[i].Size(), types[i].second) << t.Fields()[i].Name();
    }
    EXPECT_EQ(db.TableDefs().Item("Table4").Fields()[1].Size(), 38);  // Replication ID

    // The values as the engine reads them, under the types above.
    EXPECT_EQ(
        Rows(db, "SELECT B, C, D, E, F, G, H, I FROM Table1 ORDER BY A"),
        (std::vector<std::string>{"b|0|0|0|0|12/12/1981|0|Falso",
                                  "hijklmnop|2|222|333333333|444.555|21/09/1974|3.5|Verdadero"}));
    // The file's defaults (0 for the numbers) fill a new row.
    db.Execute("INSERT INTO Table1 (A) VALUES ('nueva')");
    EXPECT_EQ(Rows(db, "SELECT C, D, E, F, G, H, I FROM Table1 WHERE A = 'nueva'"),
              std::vector<std::string>{"0|0|0|0|Null|0|Falso"});
    // The primary key on A and the index on B came along.
    EXPECT_EQ(ErrorOf([&] { db.Execute("INSERT INTO Table1 (A) VALUES ('A')"); }),
              dao::jeterr::kDuplicateKey);
    EXPECT_EQ(ErrorOf([&] { db.Execute("CREATE INDEX B ON Table1 (C)"); }),
              dao::jeterr::kIndexExists);
    db.Close();
  }
}

TEST_F(Import, Access97MemosOleObjectsDatesAndWindows1252Text) {
  dao::Database db = Imported("test2V1997.mdb");
  dao::Recordset rs = db.OpenRecordset("MSP_PROJECTS", dao::dbOpenSnapshot);
  ASSERT_FALSE(rs.Eof());
  EXPECT_EQ(Rows(db,
                 "SELECT PROJ_OPT_CURRENCY_SYMBOL, PROJ_DATA_SOURCE, PROJ_INFO_STATUS_DATE, "
                 "Len(PROJ_PROP_AUTHOR), Left(PROJ_PROP_AUTHOR, 16) FROM MSP_PROJECTS"),
            std::vector<std::string>{"£|Z:\\temp\\Project1.mpd|Null|348|Jon Iles this is"});
  // 03/02/2006 22:11:05, to the second.
  EXPECT_EQ(rs.Fields("PROJ_CREATION_DATE_EX").Value(),
            Variant::FromDate(38751 + (22 * 3600 + 11 * 60 + 5) / 86400.0));
  const std::string ole = rs.Fields("RESERVED_BINARY_DATA").Value().ToString();
  ASSERT_EQ(ole.size(), 22970u);
  EXPECT_EQ(ole.substr(0, 4), std::string("\x15\x1C\x2D\x00", 4));
  EXPECT_EQ(ole.substr(ole.size() - 4), "\xE2\xAD\x05\xFE");
  rs.Close();
  EXPECT_EQ(ErrorOf([&] { db.Execute("INSERT INTO MSP_PROJECTS (PROJ_ID) VALUES (1)"); }),
            dao::jeterr::kDuplicateKey);
}

TEST_F(Import, CompressedUnicodeArrivesAsTheSameLettersAndTheCounterGoesOn) {
  dao::Database db = Imported("testUnicodeCompV2003.mdb");
  std::string everyLatin1;
  for (char32_t c = 1; c <= 255; c++) TextCase::Encode(c, everyLatin1);
  EXPECT_EQ(Rows(db, "SELECT Unicode FROM [Table] ORDER BY ID"),
            (std::vector<std::string>{"only ascii chars", "ääkkösiä", "Мир",
                                      "ϰαὶ τ\u1F79τ' ἐγὼ Κ\u1F7Bϰλωπα", "漢字仮名交じり文",
                                      "3L9\x1d"
                                      "52\x02_AB(¥\x05!!V",
                                      "ümlaut", everyLatin1}));
  db.Execute("INSERT INTO [Table] (Unicode) VALUES ('Ñandú')");
  EXPECT_EQ(FirstValue(db, "SELECT ID FROM [Table] WHERE Unicode = 'Ñandú'"), Variant(int32_t{9}));
  EXPECT_EQ(ErrorOf([&] { db.Execute("INSERT INTO [Table] (ID) VALUES (3)"); }),
            dao::jeterr::kDuplicateKey);
}

TEST_F(Import, DecimalsDeletedRowsAndRowsMovedToOverflowPages) {
  dao::Database db = Imported("fixedNumericTestV2000.mdb");
  const dao::Field& col2 = db.TableDefs().Item("test").Fields()[1];
  EXPECT_EQ(col2.Type(), dao::dbDecimal);
  EXPECT_EQ(col2.Precision(), 18);
  EXPECT_EQ(col2.Scale(), 0);
  EXPECT_EQ(FirstValue(db, "SELECT col6 FROM test"), Variant::FromDecimal(-1, 0));
  EXPECT_EQ(Rows(db, "SELECT * FROM test"), std::vector<std::string>{"some data|1|0|0|4|-1|1"});
  db.Close();
  db = Imported("delTestV1997.mdb");
  EXPECT_EQ(Rows(db, "SELECT a, b FROM [Table] ORDER BY a"),
            (std::vector<std::string>{"v|u", "z|y"}));
  db.Close();
  db = Imported("overflowTestV2000.mdb");
  EXPECT_EQ(Rows(db, "SELECT data1, data3, data9 FROM Table1 ORDER BY data3, data1"),
            (std::vector<std::string>{"row1col1|Null|Null", "row7col1|Null|Null",
                                      "row2col1|row2col3|Null", "Null|row3col3|row3col9",
                                      "row4col1|row4col2|Null", "Null|row5col2|Null",
                                      "Null|row6col2|Null"}));
}

TEST_F(Import, KeysIndexesAndWhatIsNoDataLeftBehind) {
  const ImportSummary s = Run("indexTestV2000.mdb");
  const LeftBehind& left = s.leftBehind;
  EXPECT_EQ(std::tie(s.tables, s.rows, left.relations, left.systemTables, left.queries, left.forms,
                     left.links),
            std::make_tuple(3, uint64_t{11}, 4, 10, 0, 0, 0));
  dao::Database db = Open();
  EXPECT_EQ(ErrorOf([&] { db.Execute("INSERT INTO Table2 (id) VALUES (2)"); }),
            dao::jeterr::kDuplicateKey);
  db.Close();
  db = Imported("compIndexTestV1997.mdb");
  EXPECT_EQ(FirstValue(db, "SELECT Count(*) FROM Table1"), Variant(int32_t{512}));
  EXPECT_EQ(FirstValue(db, "SELECT Min(CD_AGENTE) FROM Table1"), Variant(int32_t{19}));
  EXPECT_EQ(ErrorOf([&] { db.Execute("CREATE INDEX CD_AGENTE ON Table1 (RS_AGENTE)"); }),
            dao::jeterr::kIndexExists);
}

TEST_F(Import, OnlyTheNamedTablesAndAMissingNameMakesNoTarget) {
  const ImportSummary s = Run("testV1997.mdb", {"table3", "TABLE1"});
  EXPECT_EQ(s.tables, 2);
  EXPECT_EQ(progress.lines,
            (std::vector<std::string>{"empieza Table3 0 1/2", "termina Table3 0 1/2",
                                      "empieza Table1 2 2/2", "termina Table1 2 2/2"}));
  EXPECT_EQ(Open().TableDefs().Count(), 2);
  std::filesystem::remove(target);
  const std::string missing = ErrorMessageOf([&] { Run("testV1997.mdb", {"Table1", "Tabla9"}); });
  EXPECT_EQ(missing.rfind(std::to_string(dao::jeterr::kTableNotFound) + " ", 0), 0u) << missing;
  EXPECT_NE(missing.find("'Tabla9'"), std::string::npos) << missing;
  EXPECT_EQ(Made(), std::vector<std::string>{});
}

TEST_F(Import, TheSourceStaysAsItWasAndTheTargetAppearsOnlyWhole) {
  ImportOptions o = Options("testV2000.mdb");
  const auto before = ReadBytes(o.source);
  const auto time = std::filesystem::last_write_time(o.source);
  JetImport::Run(o, progress);
  EXPECT_EQ(ReadBytes(o.source), before);
  EXPECT_EQ(std::filesystem::last_write_time(o.source), time);
  EXPECT_EQ(Made(), std::vector<std::string>{"destino.mdb"});

  // An existing target is kept unless it is to be replaced, and the source
  // can never be its own target.
  const auto made = ReadBytes(target);
  EXPECT_EQ(ErrorOf([&] { JetImport::Run(o, progress); }), dao::jeterr::kDatabaseExists);
  EXPECT_EQ(ReadBytes(target), made);
  ImportOptions self = o;
  self.target = o.source;
  self.replace = true;
  EXPECT_EQ(ErrorOf([&] { JetImport::Run(self, progress); }), dao::jeterr::kCannotOpenFile);
  EXPECT_EQ(ReadBytes(o.source), before);
  o.replace = true;
  o.tables = {"Table3"};
  JetImport::Run(o, progress);
  dao::Database db = Open();
  EXPECT_EQ(db.TableDefs().Count(), 1);
  db.Close();
  EXPECT_EQ(Made(), std::vector<std::string>{"destino.mdb"});

  // An interrupt, as soon as it is seen, leaves the target as it was.
  const auto replaced = ReadBytes(target);
  o.stop = [] { return true; };
  EXPECT_EQ(ErrorMessageOf([&] { JetImport::Run(o, progress); }),
            std::to_string(msg::kInterrupted.number) + " Importación interrumpida: '" + target +
                "' no se creó ni se cambió.");
  EXPECT_EQ(ReadBytes(target), replaced);
  EXPECT_EQ(Made(), std::vector<std::string>{"destino.mdb"});

  // So does one seen only once the whole file is read: after the two waits
  // for the reader's last message, before the target takes its name.
  progress.lines.clear();
  int askedAfterTheLastTable = 0;
  o.stop = [&] {
    const bool lastTableDone = !progress.lines.empty() && progress.lines.back().ends_with(" 1/1") &&
                               progress.lines.back().starts_with("termina ");
    return lastTableDone && ++askedAfterTheLastTable > 2;
  };
  EXPECT_EQ(ErrorOf([&] { JetImport::Run(o, progress); }), msg::kInterrupted.number);
  EXPECT_EQ(ReadBytes(target), replaced);
  EXPECT_EQ(Made(), std::vector<std::string>{"destino.mdb"});
}
