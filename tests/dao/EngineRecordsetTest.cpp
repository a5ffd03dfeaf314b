// Record sets, table definitions, transactions and linked tables, as the
// callers of the engine rely on them.
#include <gtest/gtest.h>

#include "EngineTestDatabase.h"

using namespace dao;
using namespace dao::test;

namespace {

// A database of its own holding the table Fuente with one row, to link to.
void MakeLinkSource(const std::string& path, const std::string& columns,
                    const std::string& values) {
  Database other = DBEngine::CreateDatabase(path, kPassword);
  other.Execute("CREATE TABLE Fuente (" + columns + ")");
  other.Execute("INSERT INTO Fuente VALUES (" + values + ")");
}

class EngineRecordset : public ::testing::Test {
 protected:
  void SetUp() override {
    db = DBEngine::CreateDatabase(dir.File("base.mdb"), kPassword);
    db.Execute(
        "CREATE TABLE Todo (Nombre TEXT (10), Cantidad LONG, Corto INTEGER, Importe CURRENCY, "
        "Precio DOUBLE, Fecha DATE, Activo LOGICAL)");
  }
  static Database Open(const std::string& path) {
    return DBEngine::OpenDatabase(path, false, false, kConnect);
  }
  // Closes the database and opens it again, as a later session would.
  void Reopen() {
    const std::string path = db.Name();
    db.Close();
    db = Open(path);
  }
  // Links `name` to the table `source` of `file`.
  void Link(const std::string& name, const std::string& source, const std::string& file) {
    db.TableDefs().Append(db.CreateTableDef(name, source, ";DATABASE=" + file));
  }
  TempDir dir;
  Database db;
};

}  // namespace

TEST_F(EngineRecordset, ValuesComeBackWithTheSubtypeOfTheirColumn) {
  // Each column: what is written, and what comes back.
  const std::tuple<const char*, Variant, Variant> values[] = {
      {"nombre", Variant("Ana"), Variant("Ana")},
      {"Cantidad", Variant("70000"), Variant(int32_t{70000})},
      {"Corto", Variant(int32_t{12}), Variant(int16_t{12})},
      {"Importe", Variant(1234.5678), Variant::FromCurrency(12345678)},
      {"Precio", Variant(2.5), Variant(2.5)},
      {"Fecha", Variant::FromDate(45000.5), Variant::FromDate(45000.5)},
      {"Activo", Variant(int32_t{5}), Variant(true)}};
  Recordset rs = db.OpenRecordset("Todo");
  rs.AddNew();
  for (const auto& [name, written, read] : values) rs.Fields(name).SetValue(written);
  rs.Update();
  rs.AddNew();
  rs.Update();
  rs.Close();

  rs = db.OpenRecordset("select * from Todo");
  ASSERT_FALSE(rs.Eof());
  for (const auto& [name, written, read] : values) EXPECT_EQ(rs.Fields(name).Value(), read) << name;
  rs.MoveNext();
  ASSERT_FALSE(rs.Eof());
  // Columns not written are Null, but a yes/no column, which is never Null.
  for (int i = 0; i < 6; i++) EXPECT_TRUE(rs.Fields(i).Value().IsNull()) << i;
  EXPECT_EQ(rs.Fields("Activo").Value(), Variant(false));
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  EXPECT_EQ(ErrorOf([&] { rs.MoveNext(); }), 3021);
  EXPECT_EQ(ErrorOf([&] { rs.Fields(0).Value(); }), 3021);
  // A yes/no column stores -1 for any true value written.
  EXPECT_EQ(Scalar(db, "select count(*) from Todo where Activo = -1"), 1);
}

TEST_F(EngineRecordset, WritesNeedAddNewOrEditAndAreRefusedWhenReadOnly) {
  db.Execute("INSERT INTO Todo (Nombre, Cantidad) VALUES ('uno', 1)");
  Recordset rs = db.OpenRecordset("select * from Todo");
  EXPECT_EQ(ErrorOf([&] { rs.Update(); }), 3020);
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Cantidad").SetValue(Variant(int32_t{2})); }), 3020);
  rs.Edit();
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Nombre").SetValue(Variant("demasiado largo")); }), 3163);
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Cantidad").SetValue(Variant("abc")); }), 3421);
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Corto").SetValue(Variant(int32_t{40000})); }), 3349);
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Cantidad").SetValue(Variant(3e9)); }), 3349);
  // A text column's size counts characters, not the bytes of their UTF-8.
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Nombre").SetValue(Variant("ñandúñandú")); }), 0);
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Nombre").SetValue(Variant("ñandúñandúx")); }), 3163);
  rs.Fields("Cantidad").SetValue(Variant(int32_t{7}));
  rs.Update();
  // Written when Update returns, and the current row shows it.
  EXPECT_EQ(Scalar(db, "select Cantidad from Todo"), 7);
  EXPECT_EQ(rs.Fields("Cantidad").Value(), Variant(int32_t{7}));
  rs.Edit();
  rs.Fields("Cantidad").SetValue(Variant(int32_t{8}));
  EXPECT_EQ(rs.Fields("Cantidad").Value(), Variant(int32_t{8})) << "the row being edited";
  rs.CancelUpdate();
  EXPECT_EQ(Scalar(db, "select Cantidad from Todo"), 7);
  EXPECT_EQ(rs.Fields("Cantidad").Value(), Variant(int32_t{7}));

  // A row deleted between Edit and Update is not written back in silence.
  rs.Edit();
  rs.Fields("Cantidad").SetValue(Variant(int32_t{9}));
  db.Execute("DELETE FROM Todo");
  EXPECT_EQ(ErrorOf([&] { rs.Update(); }), 3167);
  EXPECT_EQ(rs.EditMode(), dbEditNone);
  EXPECT_EQ(Scalar(db, "select count(*) from Todo"), 0);
  db.Execute("INSERT INTO Todo (Nombre, Cantidad) VALUES ('uno', 1)");

  Recordset snap = db.OpenRecordset("select * from Todo", dbOpenSnapshot);
  EXPECT_FALSE(snap.Updatable());
  EXPECT_EQ(ErrorOf([&] { snap.Edit(); }), 3027);
  EXPECT_EQ(ErrorOf([&] { snap.AddNew(); }), 3027);
  Recordset counted = db.OpenRecordset("select count(*) from Todo");
  EXPECT_EQ(ErrorOf([&] { counted.AddNew(); }), 3027);
  EXPECT_EQ(counted.Fields(0).Value(), Variant(int32_t{1}));
}

TEST_F(EngineRecordset, WalkCountsRestartsAndHoldsItsTables) {
  Recordset empty = db.OpenRecordset("select * from Todo");
  EXPECT_TRUE(empty.Eof() && empty.Bof());
  EXPECT_EQ(empty.RecordCount(), 0);
  EXPECT_EQ(ErrorOf([&] { empty.Edit(); }), 3021);
  EXPECT_EQ(ErrorOf([&] { empty.MoveFirst(); }), 3021);
  EXPECT_EQ(ErrorOf([&] { empty.MoveLast(); }), 3021);
  EXPECT_TRUE(empty.Eof() && empty.Bof());
  for (int i = 1; i <= 5; i++) {
    db.Execute("INSERT INTO Todo (Cantidad) VALUES (" + std::to_string(i) + ")");
  }
  Recordset rs = db.OpenRecordset("select Cantidad from Todo order by Cantidad");
  EXPECT_EQ(rs.RecordCount(), 1);
  rs.MoveLast();
  EXPECT_EQ(rs.RecordCount(), 5);
  EXPECT_EQ(rs.Fields(0).Value(), Variant(int32_t{5}));
  rs.MoveFirst();
  EXPECT_EQ(rs.Fields(0).Value(), Variant(int32_t{1}));
  EXPECT_EQ(rs.RecordCount(), 5) << "going back does not forget the rows already counted";
  EXPECT_EQ(ErrorOf([&] { rs.Fields("NoExiste"); }), 3265);
  EXPECT_EQ(ErrorOf([&] { rs.Fields(3); }), 3265);
  // No table is dropped while a record set reads; once it is closed it may be.
  db.Execute("CREATE TABLE Otra (x LONG)");
  EXPECT_EQ(ErrorOf([&] { db.Execute("DROP TABLE Otra"); }), 3211);
  rs.Close();
  EXPECT_EQ(ErrorOf([&] { db.Execute("DROP TABLE Otra"); }), 0);
  rs = db.OpenRecordset("Todo");
  db.Close();
  EXPECT_EQ(ErrorOf([&] { rs.Eof(); }), 3420);
  EXPECT_EQ(ErrorOf([&] { db.Execute("DELETE FROM Todo"); }), 3420);
}

// A walk resolves each spelling of a name once; the answers must stay those
// of a search ignoring case, the first column of a repeated name winning,
// whatever order and spelling the fields are asked in from row to row.
TEST_F(EngineRecordset, FieldsByNameKeepTheirColumnAcrossRowsAndSpellings) {
  db.Execute("INSERT INTO Todo (Nombre, Cantidad, Corto) VALUES ('a', 1, 10)");
  db.Execute("INSERT INTO Todo (Nombre, Cantidad, Corto) VALUES ('b', 2, 20)");
  Recordset rs = db.OpenRecordset(
      "select Cantidad as X, Corto as x, Nombre, Cantidad from Todo order by Cantidad");
  const char* spellings[] = {"X", "x", "NOMBRE", "cantidad", "Nombre", "nombre", "Cantidad"};
  for (int row = 1; row <= 2; row++, rs.MoveNext()) {
    for (int turn = 0; turn < 3; turn++) {
      for (const char* name : spellings) {
        const int expected = std::string("Xx").find(name[0]) != std::string::npos ? 0
                             : (name[0] == 'N' || name[0] == 'n')                 ? 2
                                                                                  : 3;
        EXPECT_EQ(rs.Fields(name).Name(), rs.Fields(expected).Name()) << name;
        EXPECT_EQ(rs.Fields(name).Value(), rs.Fields(expected).Value()) << name << " row " << row;
      }
    }
    EXPECT_EQ(ErrorOf([&] { rs.Fields("Cantida"); }), 3265);
    EXPECT_EQ(rs.Fields("x").Value(), Variant(int32_t{row}));
    EXPECT_EQ(rs.Fields(std::string(1, 'N') + "ombre").Value().ToString(),
              std::string(1, static_cast<char>('a' + row - 1)));
  }
  EXPECT_TRUE(rs.Eof());
}

// A Field holds its record set: it reads on after every handle is gone, and
// copies of a handle walk the same rows.
TEST_F(EngineRecordset, FieldsAndCopiedHandlesShareOneRecordSet) {
  db.Execute("INSERT INTO Todo (Cantidad, Precio) VALUES (1, 1.5)");
  db.Execute("INSERT INTO Todo (Cantidad, Precio) VALUES (2, 2.5)");
  Field kept = [&] {
    Recordset rs = db.OpenRecordset("select Cantidad, Precio from Todo order by Cantidad");
    return rs.Fields("Precio");
  }();
  EXPECT_EQ(kept.Value(), Variant(1.5));
  EXPECT_EQ(kept.Name(), "Precio");

  Recordset a = db.OpenRecordset("select Cantidad from Todo order by Cantidad");
  Recordset b = a;
  b.MoveNext();
  Field cantidad = a.Fields(0);
  a = Recordset();
  b = Recordset();
  EXPECT_EQ(cantidad.Value(), Variant(int32_t{2}));
  Recordset c = db.OpenRecordset("select Cantidad from Todo");
  Field first = c.Fields(0);
  c.Close();
  EXPECT_EQ(ErrorOf([&] { first.Value(); }), 3420);
  db.Close();
  EXPECT_EQ(ErrorOf([&] { kept.Value(); }), 3420);
}

TEST_F(EngineRecordset, LinkedTablesAreListedQueriedProtectedAndRefusedWhenUnusable) {
  // A path with a quote in it.
  std::string otherPath = dir.File("o'brien.mdb");
  MakeLinkSource(otherPath, "Codigo LONG, Texto TEXT (20)", "1, 'uno'");
  Link("Fuente", "Fuente", otherPath);
  Link("Alias", "Fuente", otherPath);
  db.TableDefs().Refresh();
  const TableDef& link = db.TableDefs().Item("fuente");
  EXPECT_EQ(link.Connect(), ";DATABASE=" + otherPath);
  EXPECT_EQ(link.SourceTableName(), "Fuente");
  ASSERT_EQ(link.Fields().size(), 2u);
  EXPECT_EQ(Scalar(db, "select Codigo from Fuente"), 1);
  EXPECT_EQ(Scalar(db, "select count(*) from Alias"), 1);
  auto append = [&](const std::string& name, const std::string& source, const std::string& file) {
    return ErrorOf([&] { Link(name, source, file); });
  };
  EXPECT_EQ(ErrorOf([&] { db.Execute("CREATE TABLE Fuente (x LONG)"); }), 3010);
  EXPECT_EQ(ErrorOf([&] { db.Execute("CREATE TABLE Alias (x LONG)"); }), 3010);
  EXPECT_EQ(append("Todo", "Fuente", otherPath), 3010);
  EXPECT_EQ(append("Falta", "Falta", otherPath), 3078);
  // Missing, scrambled and foreign files are refused, and no link is kept.
  std::string scrambled = dir.File("revuelta.mdb");
  DBEngine::CreateDatabase(scrambled, kPassword).Execute("CREATE TABLE R (x LONG)");
  ToggleScrambling(scrambled);
  const auto scrambledBytes = ReadBytes(scrambled);
  EXPECT_EQ(append("Falta", "R", dir.File("falta.mdb")), 3024);
  EXPECT_EQ(append("R", "R", scrambled), 3343);
  EXPECT_EQ(append("Vista", "R", scrambled), 3343);
  EXPECT_EQ(ReadBytes(scrambled), scrambledBytes);
  // A name SQLite keeps for itself: refused, without a half-made link.
  EXPECT_NE(append("sqlite_enlace", "Fuente", otherPath), 0);
  db.TableDefs().Refresh();
  EXPECT_EQ(db.TableDefs().Count(), 3);  // Todo, Fuente and Alias

  // A linked file scrambled when the database opens: the database opens,
  // the link is listed and unusable; once the file is back it works again.
  std::string path = db.Name();
  db.Close();
  ToggleScrambling(otherPath);
  db = Open(path);
  db.TableDefs().Refresh();
  EXPECT_EQ(db.TableDefs().Item("Fuente").Connect(), ";DATABASE=" + otherPath);
  EXPECT_EQ(ErrorOf([&] { db.OpenRecordset("Fuente"); }), 3078);
  db.Close();
  ToggleScrambling(otherPath);
  // The links survive closing; dropping one forgets it and keeps the source.
  db = Open(path);
  EXPECT_EQ(Scalar(db, "select count(*) from Fuente"), 1);
  db.Execute("DROP TABLE Fuente");
  db.TableDefs().Refresh();
  EXPECT_FALSE(db.TableDefs().Contains("Fuente"));
  Database other = Open(otherPath);
  EXPECT_EQ(Scalar(other, "select count(*) from Fuente"), 1);
}

TEST_F(EngineRecordset, TransactionsSpanTheDatabasesOpenAtEachBegin) {
  EXPECT_EQ(ErrorOf([] { DBEngine::CommitTrans(); }), 3034);
  EXPECT_EQ(ErrorOf([] { DBEngine::Rollback(); }), 3034);
  std::string otherPath = dir.File("otra.mdb");
  DBEngine::CreateDatabase(otherPath, kPassword).Execute("CREATE TABLE t (x LONG)");
  DBEngine::BeginTrans();
  db.Execute("INSERT INTO Todo (Cantidad) VALUES (1)");
  // Opened inside the transaction: outside the running level, inside the
  // next ones.
  Database other = Open(otherPath);
  other.Execute("INSERT INTO t (x) VALUES (1)");
  DBEngine::BeginTrans();
  other.Execute("INSERT INTO t (x) VALUES (2)");
  db.Execute("INSERT INTO Todo (Cantidad) VALUES (2)");
  DBEngine::Rollback();
  EXPECT_EQ(Scalar(other, "select sum(x) from t"), 1);
  EXPECT_EQ(Scalar(db, "select sum(Cantidad) from Todo"), 1);
  DBEngine::BeginTrans();
  other.Execute("INSERT INTO t (x) VALUES (4)");
  DBEngine::CommitTrans();
  DBEngine::CommitTrans();
  EXPECT_EQ(Scalar(other, "select sum(x) from t"), 5);

  // A database closed inside a transaction loses what it had not committed;
  // the others commit theirs.
  DBEngine::BeginTrans();
  other.Execute("INSERT INTO t (x) VALUES (10)");
  db.Execute("INSERT INTO Todo (Cantidad) VALUES (10)");
  other.Close();
  DBEngine::CommitTrans();
  other = Open(otherPath);
  EXPECT_EQ(Scalar(other, "select sum(x) from t"), 5);
  DBEngine::BeginTrans();
  db.Execute("DELETE FROM Todo");
  DBEngine::Rollback();
  EXPECT_EQ(Scalar(db, "select sum(Cantidad) from Todo"), 11);
}

TEST_F(EngineRecordset, InsertSelectByNameSurvivesAFullStatementCache) {
  db.Execute("INSERT INTO Todo (Cantidad) VALUES (1)");
  db.Execute("CREATE TABLE Destinos (Cantidad LONG)");
  // Every statement text below is new, and so is the spelling of the
  // target (256 of them), so that the cache fills and empties at every
  // possible step of an INSERT ... SELECT.
  DBEngine::BeginTrans();
  const std::string name = "destinos";
  for (int i = 0; i < 600; i++) {
    std::string target = name;
    for (size_t k = 0; k < target.size(); k++) {
      if ((i >> k) & 1) target[k] = static_cast<char>(target[k] - 'a' + 'A');
    }
    db.Execute("INSERT INTO " + target + " SELECT Cantidad FROM Todo WHERE Cantidad <> " +
               std::to_string(i + 2));
  }
  DBEngine::CommitTrans();
  EXPECT_EQ(Scalar(db, "select count(*) from Destinos"), 600);
}

// A statement run again is not prepared again; one whose table has changed
// since must still show the table as it is now.
TEST_F(EngineRecordset, AQueryRunAgainAfterItsTableChangedSeesTheNewColumns) {
  db.Execute("CREATE TABLE u (a LONG)");
  db.Execute("INSERT INTO u VALUES (1)");
  db.Execute("CREATE TABLE v (a LONG, b LONG)");
  EXPECT_EQ(db.OpenRecordset("select * from u").FieldCount(), 1);
  db.Execute("INSERT INTO v SELECT * FROM u");
  db.Execute("ALTER TABLE u ADD COLUMN b LONG");
  db.Execute("UPDATE u SET b = 2");
  Recordset rs = db.OpenRecordset("select * from u");
  ASSERT_EQ(rs.FieldCount(), 2);
  EXPECT_EQ(rs.Fields(1).Name(), "b");
  EXPECT_EQ(rs.Fields("b").Value().ToLong(), 2);
  db.Execute("INSERT INTO v SELECT * FROM u");
  EXPECT_EQ(Scalar(db, "select sum(b) from v"), 2);
}

// Two linked files that both hold a table "Fuente": the link named as its
// source reaches its own file for reading and writing, whichever file was
// attached first, and a record set on it writes there too.
TEST_F(EngineRecordset, LinkNamedAsItsSourceReachesItsOwnFile) {
  const std::string first = dir.File("primera.mdb"), second = dir.File("segunda.mdb");
  MakeLinkSource(first, "Codigo LONG, Texto TEXT (20)", "1, 'de la primera'");
  MakeLinkSource(second, "Codigo LONG, Texto TEXT (20)", "2, 'de la segunda'");
  Link("Otra", "Fuente", first);
  Link("Fuente", "Fuente", second);
  auto check = [&] {
    EXPECT_EQ(Scalar(db, "select Codigo from Fuente"), 2);
    EXPECT_EQ(Scalar(db, "select Fuente.Codigo from Fuente where Fuente.Codigo = 2"), 2);
    EXPECT_EQ(Scalar(db, "select Codigo from Otra"), 1);
  };
  check();
  db.Execute("INSERT INTO Fuente (Codigo, Texto) VALUES (3, 'nueva')");
  db.Execute("UPDATE Fuente SET Texto = 'cambiada' WHERE Codigo = 2");
  db.Execute("INSERT INTO Fuente SELECT Codigo + 10 AS Codigo FROM Otra");
  Recordset rs = db.OpenRecordset("Fuente");
  rs.AddNew();
  rs.Fields("Codigo").SetValue(Variant(int32_t{4}));
  rs.Update();
  rs.Close();
  EXPECT_EQ(Scalar(db, "select count(*) from Fuente"), 4);
  db.Execute("DELETE FROM Fuente WHERE Codigo = 3");

  // Opened again, the files are attached in another order.
  Reopen();
  check();
  Database a = Open(first);
  Database b = Open(second);
  EXPECT_EQ(Scalar(a, "select count(*) from Fuente"), 1);
  EXPECT_EQ(Scalar(b, "select count(*) from Fuente where Codigo in (2, 4, 11)"), 3);
  EXPECT_EQ(Scalar(b, "select count(*) from Fuente where Texto = 'cambiada'"), 1);
}

// The collection is a picture taken at Refresh. What a caller holds from it
// stays usable across Refresh and Append: a held definition is brought up
// to date, one whose table is gone keeps its last picture.
TEST_F(EngineRecordset, TableDefsArePicturesTakenAtRefreshAndHeldOnesSurviveIt) {
  TableDefs& defs = db.TableDefs();
  const TableDef& todo = defs.Item("todo");
  const TableDef& first = defs[0];
  ASSERT_EQ(todo.Fields().size(), 7u);
  EXPECT_EQ(todo.Fields()[0].Name(), "Nombre");
  EXPECT_EQ(todo.Fields()[0].Type(), dbText);
  EXPECT_EQ(todo.Fields()[0].Size(), 10);
  EXPECT_EQ(todo.Fields()[6].Type(), dbBoolean);
  db.Execute("CREATE TABLE Vieja (a LONG)");
  EXPECT_EQ(ErrorOf([&] { defs.Item("Vieja"); }), 3265);
  defs.Refresh();
  const TableDef& vieja = defs.Item("VIEJA");
  EXPECT_EQ(vieja.Name(), "Vieja");
  EXPECT_EQ(vieja.Connect(), "");
  std::string otherPath = dir.File("otra.mdb");
  MakeLinkSource(otherPath, "Codigo LONG", "1");
  Link("Fuente", "Fuente", otherPath);
  for (int i = 0; i < 3; i++) defs.Refresh();
  EXPECT_EQ(todo.Name(), "Todo");
  EXPECT_EQ(todo.Fields().size(), 7u);
  EXPECT_EQ(&defs.Item("todo"), &todo);
  EXPECT_FALSE(first.Name().empty());

  db.Execute("DROP TABLE Vieja");
  db.Execute("CREATE TABLE Vieja (a LONG, b TEXT (5))");
  defs.Refresh();
  EXPECT_EQ(vieja.Fields().size(), 2u);
  db.Execute("DROP TABLE Vieja");
  defs.Refresh();
  EXPECT_FALSE(defs.Contains("Vieja"));
  EXPECT_EQ(vieja.Name(), "Vieja");
  EXPECT_EQ(vieja.Fields().size(), 2u);
  EXPECT_EQ(defs.Item("Fuente").Connect(), ";DATABASE=" + otherPath);
  int listed = 0;
  for (const TableDef& d : defs) {
    listed += d.Name() == "Fuente" || d.Name() == "Todo";
    EXPECT_EQ(d.Name().rfind("__", 0), std::string::npos);
  }
  EXPECT_EQ(listed, 2);
}
