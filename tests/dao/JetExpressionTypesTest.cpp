// Computed columns typed as Jet types its expressions, Dates read as text,
// and texts compared with Dates, through real record sets.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/AppError.h"
#include "dao/DBEngine.h"
#include "dao/EngineTestSupport.h"
#include "support/TempDir.h"

using namespace dao;
using namespace enginetest;

namespace {

constexpr const char* kTypeMismatch =
    "No coinciden los tipos de datos en la expresión de criterios.";

// Personal: 1 Ana 22/11/2003 22:42:58, 2 Luis 15/01/2002, 3 Eva 01/02/2003
// (the 1st of February: day first, as the regional settings read dates).
class JetExpressionTypes : public ::testing::Test {
 protected:
  void SetUp() override {
    db = DBEngine::CreateDatabase(dir.File("tipos.mdb"), kPassword);
    db.Execute(
        "CREATE TABLE Personal (Id LONG, Nombre TEXT (20), Alta DATETIME, Sueldo CURRENCY, "
        "Horas INTEGER, Dato TEXT (20))");
    db.Execute(
        "INSERT INTO Personal VALUES (1, 'Ana', #11/22/2003 22:42:58#, 1234.5, 3, '1/1/2003')");
    db.Execute("INSERT INTO Personal VALUES (2, 'Luis', #1/15/2002#, 100, 4, '31/12/2002')");
    db.Execute("INSERT INTO Personal VALUES (3, 'Eva', #2/1/2003#, 0.25, 5, '2/1/2003')");
  }

  struct Typed {
    int fieldType;
    VarType valueType;
    std::string text;
  };

  Typed First(const std::string& query) {
    Recordset rs = db.OpenRecordset(query, dbOpenSnapshot);
    const Field f = rs.Fields(0);
    const Variant v = f.Value();
    return {f.Type(), v.Type(), v.IsNull() ? "Null" : v.ToString()};
  }

  std::string Text(const std::string& expression) {
    return First("SELECT " + expression + " FROM Personal WHERE Id = 1").text;
  }

  // The Ids of the rows a condition selects, in order.
  std::string Ids(const std::string& condition) {
    Recordset rs = db.OpenRecordset("SELECT Id FROM Personal WHERE " + condition + " ORDER BY Id",
                                    dbOpenSnapshot);
    std::string ids;
    for (; !rs.Eof(); rs.MoveNext()) ids += rs.Fields(0).Value().ToString();
    return ids;
  }

  // The number and description of the error a query raises.
  std::pair<int, std::string> Failure(const std::string& query) {
    try {
      Recordset rs = db.OpenRecordset(query, dbOpenSnapshot);
      for (; !rs.Eof(); rs.MoveNext()) {
      }
    } catch (const AppError& e) {
      return {e.Number(), e.Description()};
    }
    return {0, ""};
  }

  TempDir dir;
  Database db;
};

}  // namespace

TEST_F(JetExpressionTypes, ComputedColumnsKeepTheTypeJetGivesThem) {
  const struct {
    const char* expression;
    int fieldType;
    VarType valueType;
    const char* text;
  } cases[] = {
      {"Alta + 1", dbDate, VarType::Date, "23/11/2003 22:42:58"},
      {"1 + Alta", dbDate, VarType::Date, "23/11/2003 22:42:58"},
      {"Alta - Horas", dbDate, VarType::Date, "19/11/2003 22:42:58"},
      {"-(Alta - Alta)", dbDouble, VarType::Double, "0"},
      {"Int(Alta)", dbDate, VarType::Date, "22/11/2003"},
      {"DateAdd('m', 1, Alta)", dbDate, VarType::Date, "22/12/2003 22:42:58"},
      {"CDate('22/11/2003')", dbDate, VarType::Date, "22/11/2003"},
      {"DateSerial(2003, 11, 22)", dbDate, VarType::Date, "22/11/2003"},
      {"TimeSerial(10, 30, 0)", dbDate, VarType::Date, "10:30:00"},
      {"#11/22/2003#", dbDate, VarType::Date, "22/11/2003"},
      {"IIf(Id = 1, Alta, Alta + 1)", dbDate, VarType::Date, "22/11/2003 22:42:58"},
      {"Sueldo * 2", dbCurrency, VarType::Currency, "2469"},
      {"Sueldo + Horas", dbCurrency, VarType::Currency, "1237.5"},
      {"-Sueldo", dbCurrency, VarType::Currency, "-1234.5"},
      {"CCur(Sueldo / 7)", dbCurrency, VarType::Currency, "176.3571"},
      {"Sueldo * 1.5", dbDouble, VarType::Double, "1851.75"},
      {"Sueldo / 2", dbDouble, VarType::Double, "617.25"},
      {"Year(Alta)", dbInteger, VarType::Integer, "2003"},
      {"CStr(Horas)", dbText, VarType::String, "3"},
      {"Id + 1", 0, VarType::Long, "2"},
  };
  for (const auto& c : cases) {
    const Typed t = First(std::string("SELECT ") + c.expression + " FROM Personal WHERE Id = 1");
    EXPECT_EQ(t.fieldType, c.fieldType) << c.expression;
    EXPECT_EQ(t.valueType, c.valueType) << c.expression;
    EXPECT_EQ(t.text, c.text) << c.expression;
  }
  for (const char* now : {"Date()", "Now()", "Time()"}) {
    const Typed t = First(std::string("SELECT ") + now + " AS Ahora FROM Personal");
    EXPECT_EQ(t.fieldType, dbDate) << now;
    EXPECT_EQ(t.valueType, VarType::Date) << now;
  }
}

TEST_F(JetExpressionTypes, AggregatesKeepOrWidenTheirArgumentsType) {
  const struct {
    const char* expression;
    int fieldType;
    const char* text;
  } cases[] = {
      {"First(Alta)", dbDate, "22/11/2003 22:42:58"},
      {"Last(Alta)", dbDate, "01/02/2003"},
      {"Max(Alta)", dbDate, "22/11/2003 22:42:58"},
      {"Min(Alta)", dbDate, "15/01/2002"},
      {"Count(*)", dbLong, "3"},
      {"Count(Alta)", dbLong, "3"},
      {"Sum(Sueldo)", dbCurrency, "1334.75"},
      {"Sum(Horas)", dbDouble, "12"},
      {"Avg(Id)", dbDouble, "2"},
      {"Max(Sueldo) * 2", dbCurrency, "2469"},
  };
  for (const auto& c : cases) {
    const Typed t = First(std::string("SELECT ") + c.expression + " FROM Personal");
    EXPECT_EQ(t.fieldType, c.fieldType) << c.expression;
    EXPECT_EQ(t.text, c.text) << c.expression;
  }
  // Grouped, and under an alias.
  const Typed grouped =
      First("SELECT Max(Alta) AS Ultima FROM Personal GROUP BY Horas > 3 ORDER BY 1");
  EXPECT_EQ(grouped.fieldType, dbDate);
  EXPECT_EQ(grouped.text, "01/02/2003");
}

TEST_F(JetExpressionTypes, TypesReachThroughDerivedTablesJoinsAndUnions) {
  EXPECT_EQ(First("SELECT q.Siguiente FROM (SELECT Alta + 1 AS Siguiente FROM Personal "
                  "WHERE Id = 2) AS q")
                .fieldType,
            dbDate);
  EXPECT_EQ(First("SELECT * FROM (SELECT Max(Alta) AS Ultima FROM Personal) AS q").text,
            "22/11/2003 22:42:58");
  EXPECT_EQ(First("SELECT 'Desde ' & q.Siguiente FROM (SELECT Alta + 1 AS Siguiente FROM Personal "
                  "WHERE Id = 2) AS q")
                .text,
            "Desde 16/01/2002");
  EXPECT_EQ(First("SELECT p.Alta + 1 AS x FROM Personal AS p INNER JOIN Personal AS o ON "
                  "p.Id = o.Id WHERE o.Id = 2")
                .text,
            "16/01/2002");
  const Typed unioned = First(
      "SELECT Alta + 1 AS x FROM Personal WHERE Id = 2 UNION SELECT Alta FROM Personal "
      "WHERE Id = 2");
  EXPECT_EQ(unioned.fieldType, dbDate);
}

TEST_F(JetExpressionTypes, ADateReadAsTextTakesTheRegionalShortForm) {
  EXPECT_EQ(Text("CStr(Alta)"), "22/11/2003 22:42:58");
  EXPECT_EQ(Text("'Alta: ' & Alta"), "Alta: 22/11/2003 22:42:58");
  EXPECT_EQ(Text("Alta & ' (' & Nombre & ')'"), "22/11/2003 22:42:58 (Ana)");
  EXPECT_EQ(Text("UCase(Alta)"), "22/11/2003 22:42:58");
  EXPECT_EQ(Text("LCase(Alta)"), "22/11/2003 22:42:58");
  EXPECT_EQ(Text("Trim(Alta)"), "22/11/2003 22:42:58");
  EXPECT_EQ(Text("Left(Alta, 10)"), "22/11/2003");
  EXPECT_EQ(Text("Right(Alta, 8)"), "22:42:58");
  EXPECT_EQ(Text("Mid(Alta, 4, 2)"), "11");
  EXPECT_EQ(Text("Len(Alta)"), "19");
  EXPECT_EQ(Text("InStr(Alta, '2003')"), "7");
  EXPECT_EQ(Text("InStr(2, Alta, '2')"), "2");
  EXPECT_EQ(Text("Replace(Alta, '/', '-')"), "22-11-2003 22:42:58");
  EXPECT_EQ(Text("StrComp(Alta, '22/11/2003 22:42:58')"), "0");
  // The date alone when there is no time, the time alone on day 0, and
  // through typed expressions.
  EXPECT_EQ(Text("CStr(Int(Alta))"), "22/11/2003");
  EXPECT_EQ(Text("'Hora: ' & TimeSerial(8, 5, 0)"), "Hora: 08:05:00");
  EXPECT_EQ(Text("CStr(Alta + 1)"), "23/11/2003 22:42:58");
  EXPECT_EQ(Text("'x' & #2/1/2003#"), "x01/02/2003");
  // Format without a pattern writes the date; with one, the pattern reads
  // the date itself. A Date is no number.
  EXPECT_EQ(Text("Format(Alta)"), "22/11/2003 22:42:58");
  EXPECT_EQ(Text("Format(Alta, 'yyyy-mm-dd')"), "2003-11-22");
  EXPECT_EQ(First("SELECT IsNumeric(Alta) FROM Personal").valueType, VarType::Boolean);
  EXPECT_EQ(Text("IsNumeric(Alta)"), "Falso");
  EXPECT_EQ(Text("IsNumeric(Sueldo)"), "Verdadero");
  // Null stays Null where it did: & skips it, CStr refuses it.
  EXPECT_EQ(Text("'x' & IIf(Id = 1, Null, Alta)"), "x");
  // LIKE reads the date as text too.
  EXPECT_EQ(Ids("Alta LIKE '*/2003*'"), "13");
  // Numbers are untouched.
  EXPECT_EQ(Text("'n' & Horas"), "n3");
}

TEST_F(JetExpressionTypes, ATextComparedWithADateIsReadAsADate) {
  // Both directions, every comparison, under the regional day-first order:
  // '1/2/2003' is the 1st of February.
  EXPECT_EQ(Ids("Alta > '1/1/2003'"), "13");
  EXPECT_EQ(Ids("'1/1/2003' < Alta"), "13");
  EXPECT_EQ(Ids("Alta = '1/2/2003'"), "3");
  EXPECT_EQ(Ids("Alta <> '01/02/2003'"), "12");
  EXPECT_EQ(Ids("Alta <= '15/01/2002'"), "2");
  EXPECT_EQ(Ids("Alta >= '2003-02-01'"), "13");
  EXPECT_EQ(Ids("Alta BETWEEN '1/1/2003' AND '31/12/2003'"), "13");
  EXPECT_EQ(Ids("'1/2/2003' BETWEEN Alta AND Alta"), "3");
  EXPECT_EQ(Ids("Alta IN ('15/1/2002', '1/2/2003')"), "23");
  EXPECT_EQ(Ids("Alta NOT IN ('15/1/2002')"), "13");
  // Texts that come from the rows, and dates that come from expressions.
  EXPECT_EQ(Ids("Alta > Dato"), "13");
  EXPECT_EQ(Ids("Dato < Alta"), "13");
  EXPECT_EQ(Ids("Alta + 1 > '1/1/2003'"), "13");
  EXPECT_EQ(Ids("DateSerial(2003, 1, 1) < Dato"), "3");
  EXPECT_EQ(Ids("Dato < #1/1/2003#"), "2");
  // A value whose type shows only when it runs.
  EXPECT_EQ(Ids("Alta > (SELECT Max(Dato) FROM Personal WHERE Id = 3)"), "13");
  // In a subquery, against the outer query's Date.
  EXPECT_EQ(Ids("EXISTS (SELECT * FROM Personal AS o WHERE o.Id = Personal.Id AND "
                "Personal.Alta > '1/1/2003')"),
            "13");
  // Texts compared with texts keep comparing as texts.
  EXPECT_EQ(Ids("Dato > '3'"), "2");
  EXPECT_EQ(Ids("Nombre >= 'EVA'"), "23");
}

TEST_F(JetExpressionTypes, ATextThatIsNoDateIsATypeMismatch) {
  const std::pair<int, std::string> mismatch{3464, kTypeMismatch};
  EXPECT_EQ(Failure("SELECT Id FROM Personal WHERE Alta > 'mañana'"), mismatch);
  EXPECT_EQ(Failure("SELECT Id FROM Personal WHERE Alta = Nombre"), mismatch);
  // The engine's functions raise the same number for a value of the wrong
  // type.
  EXPECT_EQ(Failure("SELECT CDate(Nombre) FROM Personal"), mismatch);
  // Null is no mismatch: it compares as Null.
  EXPECT_EQ(Ids("Alta > IIf(Id = 1, Null, '1/1/2000')"), "23");
}

TEST_F(JetExpressionTypes, MakeTableGivesTypedExpressionsTheirType) {
  db.Execute(
      "SELECT Alta + 1 AS Siguiente, Sueldo * 2 AS Doble, Count(*) AS Cuantos INTO Copia "
      "FROM Personal GROUP BY Alta, Sueldo");
  Recordset rs = db.OpenRecordset("Copia", dbOpenSnapshot);
  EXPECT_EQ(rs.Fields("Siguiente").Type(), dbDate);
  EXPECT_EQ(rs.Fields("Doble").Type(), dbCurrency);
  EXPECT_EQ(rs.Fields("Cuantos").Type(), dbLong);
  EXPECT_EQ(rs.Fields("Siguiente").Value().ToString(), "16/01/2002");
}

TEST_F(JetExpressionTypes, UpdateAndDeleteCompareTextsWithDatesToo) {
  db.Execute("UPDATE Personal SET Horas = 0 WHERE Alta < '1/1/2003'");
  EXPECT_EQ(Ids("Horas = 0"), "2");
  db.Execute("DELETE FROM Personal WHERE Alta >= '1/2/2003'");
  EXPECT_EQ(Ids("Id > 0"), "2");
}

TEST_F(JetExpressionTypes, AChangedSchemaTypesAStatementAgain) {
  const std::string query = "SELECT Valor + 1 FROM Cambia";
  db.Execute("CREATE TABLE Cambia (Valor DATETIME)");
  db.Execute("INSERT INTO Cambia VALUES (#1/1/2003#)");
  EXPECT_EQ(First(query).fieldType, dbDate);
  db.Execute("DROP TABLE Cambia");
  db.Execute("CREATE TABLE Cambia (Valor DOUBLE)");
  db.Execute("INSERT INTO Cambia VALUES (2.5)");
  EXPECT_EQ(First(query).fieldType, dbDouble);

  // Changed through another connection to the same file.
  Database other = DBEngine::OpenDatabase(dir.File("tipos.mdb"), false, false, kConnect);
  other.Execute("DROP TABLE Cambia");
  other.Execute("CREATE TABLE Cambia (Valor CURRENCY)");
  other.Execute("INSERT INTO Cambia VALUES (2.5)");
  other.Close();
  const Typed t = First(query);
  EXPECT_EQ(t.fieldType, dbCurrency);
  EXPECT_EQ(t.text, "3.5");
}
