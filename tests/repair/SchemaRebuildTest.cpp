// The metadata-driven rebuild: statement text, what is dropped and created,
// what is refused before any table is dropped, and the metadata's state.
#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <unistd.h>

#include "RepairFixture.h"
#include "common/TextCase.h"
#include "repair/SchemaRebuild.h"
#include "support/ErrorOf.h"

namespace {

// Types named after their keyword; 'texto' and 'Texto' in other cases.
const std::vector<std::string> kTypes = {
    TypeRow("T10", "TEXTO", "10"), TypeRow("t30", "texto", "30"), TypeRow("T2", "Texto", "2"),
    TypeRow("Dbl", "DOUBLE"),      TypeRow("Lng", "LONG"),        TypeRow("Int", "INTEGER"),
    TypeRow("Fch", "DATETIME"),    TypeRow("Cur", "currency"),    TypeRow("SiNo", "BOOLEAN"),
    TypeRow("Memo", "MEMO")};

std::vector<std::string> WithTypes(std::vector<std::string> rows) {
  rows.insert(rows.begin(), kTypes.begin(), kTypes.end());
  return rows;
}

class SchemaRebuildTest : public RepairFixture {
 protected:
  std::vector<SchemaRebuild::TableStatement> Plan() {
    std::vector<SchemaRebuild::TableStatement> plan;
    Inspect(host, [&](dao::Database& h) {
      Inspect(metadata, [&](dao::Database& m) { plan = SchemaRebuild::LeerTablasMarcadas(m, h); });
    });
    return plan;
  }
};

}  // namespace

// The metadata may spell a table with another case of an accented letter:
// the host's table is the one dropped and re-created, never left with its
// rows beside an empty twin.
TEST_F(SchemaRebuildTest, StatementsFollowTypesOrderAndInheritanceAndOnlyMarkedTablesAreRebuilt) {
  WriteMetadata(WithTypes({
      TableRow("X", 1, 1, true),          ColumnRow(1, "b", "Lng", 2),
      ColumnRow(1, "a", "T10", 1),        TableRow("Todos", 3, 3, true),
      ColumnRow(3, "t", "t30", 1),        ColumnRow(3, "d", "Dbl", 2),
      ColumnRow(3, "l", "Lng", 3),        ColumnRow(3, "i", "Int", 4),
      ColumnRow(3, "f", "Fch", 5),        ColumnRow(3, "c", "Cur", 6),
      ColumnRow(3, "s", "SiNo", 7),       ColumnRow(3, "m", "Memo", 8),
      ColumnRow(3, "sin", "NoHay", 9),    TableRow("Hija", 5, 2, true),
      ColumnRow(5, "propia", "T2", 1),    ColumnRow(2, "heredada2", "Lng", 2),
      ColumnRow(2, "heredada1", "T2", 1), TableRow("Quieta", 6, 6, false),
      ColumnRow(6, "x", "Lng", 1),        TableRow("SITUACIÓN", 7, 7, true),
      ColumnRow(7, "Código", "Lng", 1),   ColumnRow(7, "AÑO", "T10", 2),
  }));
  WriteHost({"CREATE TABLE Situación (Código LONG, Año TEXT (4), Vieja TEXT (5))",
             "INSERT INTO Situación (Código, Año, Vieja) VALUES (1, '2024', 'x')",
             "CREATE TABLE Quieta (Dato LONG)", "INSERT INTO Quieta (Dato) VALUES (9)"});
  auto plan = Plan();
  ASSERT_EQ(plan.size(), 4u);
  EXPECT_EQ(plan[0].nombre, "X");
  EXPECT_EQ(plan[0].create, "CREATE TABLE X ([a] TEXT (10),[b] LONG)");
  // Every keyword, 'texto' as TEXTO, MEMO without a type, an unknown
  // TipoDatos left out.
  EXPECT_EQ(plan[1].create,
            "CREATE TABLE Todos ([t] TEXT (30),[d] DOUBLE,[l] LONG,[i] INTEGER,[f] DATE,"
            "[c] CURRENCY,[s] LOGICAL,[m] )");
  EXPECT_EQ(plan[2].create,
            "CREATE TABLE Hija ([heredada1] TEXT (2),[heredada2] LONG,[propia] TEXT (2))");

  // A plain metadata file ends scrambled too.
  kolm.encriptoDesencripto(metadata);
  Inspect(host, [&](dao::Database& db) {
    SchemaRebuild(kolm, program).ReconstruirTablas(db);
    EXPECT_TRUE(db.IsOpen());
    db.TableDefs().Refresh();
    int situations = 0;
    for (const dao::TableDef& d : db.TableDefs()) {
      situations += TextCase::Equal(d.Name(), "situación");
    }
    EXPECT_EQ(situations, 1);
    std::vector<std::string> cols;
    for (const auto& f : db.TableDefs().Item("Situación").Fields()) cols.push_back(f.Name());
    EXPECT_EQ(cols, (std::vector<std::string>{"Código", "AÑO"}));
    EXPECT_EQ(FirstNumber(db, "select count(*) from situación"), 0);
    // Created; the engine takes the column without a type.
    EXPECT_EQ(db.TableDefs().Item("Todos").Fields().size(), 8u);
    EXPECT_EQ(FirstNumber(db, "select Dato from Quieta"), 9);
  });
  EXPECT_NE(ReadBytes(metadata)[0], 0);
  EXPECT_TRUE(boxes->Boxes().empty());
}

TEST_F(SchemaRebuildTest, NoTableMarkedStillScramblesTheMetadata) {
  WriteMetadata(WithTypes({TableRow("Quieta", 1, 1, false), ColumnRow(1, "x", "Lng", 1)}));
  WriteHost({"CREATE TABLE Quieta (Dato LONG)", "INSERT INTO Quieta (Dato) VALUES (9)"});
  auto before = ReadBytes(metadata);
  Inspect(host, [&](dao::Database& db) {
    SchemaRebuild(kolm, program).ReconstruirTablas(db);
    EXPECT_EQ(FirstNumber(db, "select Dato from Quieta"), 9);
  });
  EXPECT_EQ(ReadBytes(metadata), before);
  // Closed: another handle may take it exclusively.
  kolm.encriptoDesencripto(metadata);
  EXPECT_NO_THROW(dao::DBEngine::OpenDatabase(metadata, true, false, kolm.DarPWD()).Close());
}

TEST_F(SchemaRebuildTest, RefusalsComeBeforeAnyDropAndNameTheTable) {
  std::string linked = dir.File("otra.mdb");
  Create(linked, {"CREATE TABLE Vinculada (x LONG)"}).Close();
  struct Case {
    std::vector<std::string> rows;
    std::string named;
  };
  // After a table that could be rebuilt, each time.
  const std::vector<Case> cases = {
      {{TableRow("SinColumnas", 2, 2, true)}, "'SinColumnas'"},
      {{TableRow("Vinculada", 2, 2, true), ColumnRow(2, "x", "Lng", 1)}, "'Vinculada'"},
      // Statements the engine would refuse once the first table was gone.
      {{TableRow("Mi Tabla", 2, 2, true), ColumnRow(2, "x", "Lng", 1)}, "'Mi Tabla'"},
      {{TableRow("SinLargo", 2, 2, true), ColumnRow(2, "x", "SinTam", 1),
        TypeRow("SinTam", "TEXTO")},
       "'SinLargo'"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(metadata);
    std::filesystem::remove(host);
    std::vector<std::string> rows = {TableRow("Primera", 1, 1, true), ColumnRow(1, "a", "Lng", 1)};
    rows.insert(rows.end(), c.rows.begin(), c.rows.end());
    WriteMetadata(WithTypes(rows));
    WriteHost({"CREATE TABLE Primera (a LONG)", "INSERT INTO Primera (a) VALUES (5)"});
    Inspect(host, [&](dao::Database& db) {
      db.TableDefs().Append(db.CreateTableDef("Vinculada", "Vinculada", ";DATABASE=" + linked));
      EXPECT_FALSE(SchemaRebuild::ExisteTabla(db, "Vinculada"));
      EXPECT_TRUE(SchemaRebuild::ExisteTabla(db, "primera"));
      EXPECT_FALSE(SchemaRebuild::ExisteTabla(db, "Ninguna"));
      const std::string refusal =
          ErrorMessageOf([&] { SchemaRebuild(kolm, program).ReconstruirTablas(db); });
      EXPECT_NE(refusal.find(c.named), std::string::npos) << refusal;
      EXPECT_EQ(FirstNumber(db, "select a from Primera"), 5);
      db.TableDefs().Refresh();
      EXPECT_FALSE(db.TableDefs().Item("Vinculada").Connect().empty());
    });
    // The metadata is closed and left as the open left it: plain.
    EXPECT_EQ(ReadBytes(metadata)[0], 0) << c.named;
    EXPECT_NO_THROW(dao::DBEngine::OpenDatabase(metadata, true, false, kolm.DarPWD()).Close());
  }
}

TEST_F(SchemaRebuildTest, AnOperatorWhoMayNotWriteTheMetadataRebuildsFromAPrivateCopy) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a second user who may not write the metadata (setuid); Windows' own "
                  "case, a file that does not open for writing, is MetadataCopy's test";
#else
  namespace fs = std::filesystem;
  WriteMetadata(WithTypes({TableRow("Nueva", 1, 1, true), ColumnRow(1, "Dato", "Lng", 1)}));
  WriteHost({"CREATE TABLE Nueva (Viejo TEXT (5))", "INSERT INTO Nueva (Viejo) VALUES ('x')"});
  const auto before = ReadBytes(metadata);
  // As installed: the metadata and its folder only readable; the host and
  // a folder for private files the operator's own.
  fs::create_directories(dir.Path() / "privadas");
  const fs::perms readable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const fs::perms enterable = fs::perms::group_exec | fs::perms::others_exec;
  fs::permissions(dir.Path(), fs::perms::owner_all | readable | enterable);
  fs::permissions(metadata, readable);
  fs::permissions(program, readable | enterable | fs::perms::owner_exec);
  for (const std::string& p : {install, host, dir.File("privadas")}) {
    ASSERT_EQ(::chown(p.c_str(), ::geteuid() == 0 ? 65534 : ::geteuid(), -1), 0) << p;
  }
  // Root writes to read-only files, so the operator is a child that has
  // given up root; each failed check is one bit of its exit status.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    int failed = 0;
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(64);
    ::setenv("XDG_RUNTIME_DIR", dir.File("privadas").c_str(), 1);
    try {
      dao::Database db;
      if (!kolm.AbrirBaseMdb(host, db)) ::_exit(32);
      SchemaRebuild(kolm, program).ReconstruirTablas(db);
      db.TableDefs().Refresh();
      if (db.TableDefs().Item("Nueva").Fields().size() != 1) failed |= 1;
      if (FirstNumber(db, "select count(*) from Nueva") != 0) failed |= 2;
      db.Close();
      kolm.encriptoDesencripto(host);
      if (!boxes->Boxes().empty()) failed |= 4;
    } catch (...) {
      failed |= 8;
    }
    ::_exit(failed);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0)
      << "bits: 1 columns, 2 rows, 4 a message shown, 8 raised, 32 host not opened";
  EXPECT_EQ(ReadBytes(metadata), before);
  EXPECT_TRUE(fs::is_empty(dir.Path() / "privadas"));
  fs::permissions(program, fs::perms::owner_all);
#endif
}
