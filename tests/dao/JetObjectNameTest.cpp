/*
** Names Jet refuses for a new object (3125), refused when a table, field,
** index, constraint or alias is made, while a file that already holds such
** a name opens and works.
*/
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "EngineTestDatabase.h"
#include "dao/OffsetVfs.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetObjectName.h"

namespace dao {
namespace {

TEST(JetObjectName, NamesWithMarksControlsOrALeadingBlankAreRefused) {
  for (const char* bad : {"a.b", "a!b", "a`b", "a[b", "a]b", "a\tb", "a\nb", " a", ""})
    EXPECT_FALSE(JetObjectName::IsValid(bad)) << bad;
  for (const char* good : {"a b", "Año", "22Cuiles", "a$b", "a-b", "a b "})
    EXPECT_TRUE(JetObjectName::IsValid(good)) << good;
  // At most 64 characters, however many bytes they take.
  std::string enes;
  for (int i = 0; i < 64; ++i) enes += "ñ";
  EXPECT_TRUE(JetObjectName::IsValid(enes));
  EXPECT_FALSE(JetObjectName::IsValid(enes + "n"));
}

TEST(JetObjectName, CreatingAnObjectUnderARefusedNameIsError3125) {
  test::EngineTestDatabase db;
  db.Execute("CREATE TABLE t (a LONG)");
  const std::string refused[] = {
      "CREATE TABLE [ a] (x LONG)",
      "CREATE TABLE u ([x.y] LONG)",
      "CREATE TABLE u (x LONG CONSTRAINT [p.k] PRIMARY KEY)",
      "CREATE TABLE u (x LONG, CONSTRAINT [p!k] PRIMARY KEY (x))",
      "ALTER TABLE t ADD COLUMN [b.c] LONG",
      "CREATE INDEX [i.x] ON t (a)",
      "SELECT a AS [a.b] FROM t",
      "SELECT [x.y].a FROM t AS [x.y]",
      "SELECT a INTO [c!d] FROM t",
      "CREATE TABLE " + std::string(65, 'x') + " (x LONG)",
  };
  for (const std::string& jet : refused)
    EXPECT_EQ(db.ExecuteError(jet), jeterr::kInvalidName) << jet;
  EXPECT_FALSE(db.HasTable("u"));
  EXPECT_FALSE(db.HasTable("c!d"));
  EXPECT_EQ(ErrorMessageOf([&] { db.Execute("CREATE TABLE [a.b] (x LONG)"); }),
            "3125 'a.b' no es un nombre válido. Asegúrese de que no incluye caracteres o "
            "puntuación no válidos y de que no es demasiado largo.");
  EXPECT_FALSE(db.HasTable("a.b"));
}

TEST(JetObjectName, AFileThatHoldsSuchNamesStillOpensAndWorks) {
  test::EngineTestDatabase made;
  const std::string path = made.Db().Name();
  made.Db().Close();
  // Another writer made them, as an older engine or another program would.
  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, OffsetVfsName()), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(raw,
                         "CREATE TABLE \"a.b\" (\"x!y\" LONG, \" z\" TEXT(10));"
                         "CREATE INDEX \"a.b:i.x\" ON \"a.b\" (\"x!y\")",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(raw);
  Database db = DBEngine::OpenDatabase(path, false, false, test::kConnect);
  db.Execute("INSERT INTO [a.b] ([x!y], [ z]) VALUES (7, 'siete')");
  db.Execute("UPDATE [a.b] SET [x!y] = [x!y] + 1");
  Recordset rs = db.OpenRecordset("SELECT [x!y], [ z] FROM [a.b] WHERE [x!y] = 8", dbOpenSnapshot);
  ASSERT_FALSE(rs.Eof());
  EXPECT_EQ(rs.Fields(1).Value().ToString(), "siete");
  rs.Close();
  db.Execute("DROP TABLE [a.b]");
}

}  // namespace
}  // namespace dao
