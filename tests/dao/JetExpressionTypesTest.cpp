// Computed columns typed as Jet types its expressions, and texts compared
// with Dates, through real record sets. The types of the functions' results
// and Dates read as text are in the corpus and the library's cases
// (tests/data); these are the operators' and the columns'.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "EngineTestDatabase.h"

using namespace dao;

namespace {

// Personal: 1 Ana 22/11/2003 22:42:58, 2 Luis 15/01/2002, 3 Eva 01/02/2003
// (the 1st of February: day first, as the regional settings read dates).
class JetExpressionTypes : public ::testing::Test {
 protected:
  void SetUp() override {
    t.ExecuteAll({
        "CREATE TABLE Personal (Id LONG, Nombre TEXT (20), Alta DATETIME, Sueldo CURRENCY, "
        "Horas INTEGER, Dato TEXT (20))",
        "INSERT INTO Personal VALUES (1, 'Ana', #11/22/2003 22:42:58#, 1234.5, 3, '1/1/2003')",
        "INSERT INTO Personal VALUES (2, 'Luis', #1/15/2002#, 100, 4, '31/12/2002')",
        "INSERT INTO Personal VALUES (3, 'Eva', #2/1/2003#, 0.25, 5, '2/1/2003')",
    });
  }

  struct Typed {
    int fieldType;
    VarType valueType;
    std::string text;
  };

  Typed First(const std::string& query) {
    Recordset rs = t.Db().OpenRecordset(query, dbOpenSnapshot);
    const Field f = rs.Fields(0);
    const Variant v = f.Value();
    return {f.Type(), v.Type(), v.IsNull() ? "Null" : v.ToString()};
  }

  // The Ids of the rows a condition selects, in order.
  std::string Ids(const std::string& condition) {
    std::string ids;
    for (const auto& row : t.Query("SELECT Id FROM Personal WHERE " + condition + " ORDER BY Id"))
      ids += row[0];
    return ids;
  }

  test::EngineTestDatabase t;
};

TEST_F(JetExpressionTypes, ComputedColumnsKeepTheTypeJetGivesThem) {
  const std::tuple<const char*, int, VarType, const char*> cases[] = {
      {"Alta + 1", dbDate, VarType::Date, "23/11/2003 22:42:58"},
      {"1 + Alta", dbDate, VarType::Date, "23/11/2003 22:42:58"},
      {"Alta - Horas", dbDate, VarType::Date, "19/11/2003 22:42:58"},
      {"-(Alta - Alta)", dbDouble, VarType::Double, "0"},
      {"Int(Alta)", dbDate, VarType::Date, "22/11/2003"},
      {"#11/22/2003#", dbDate, VarType::Date, "22/11/2003"},
      {"IIf(Id = 1, Alta, Alta + 1)", dbDate, VarType::Date, "22/11/2003 22:42:58"},
      {"Sueldo * 2", dbCurrency, VarType::Currency, "2469"},
      {"Sueldo + Horas", dbCurrency, VarType::Currency, "1237.5"},
      {"-Sueldo", dbCurrency, VarType::Currency, "-1234.5"},
      {"Sueldo * 1.5", dbDouble, VarType::Double, "1851.75"},
      {"Sueldo / 2", dbDouble, VarType::Double, "617.25"},
      {"Id + 1", 0, VarType::Long, "2"},
  };
  for (const auto& [expression, fieldType, valueType, text] : cases) {
    const Typed t = First(std::string("SELECT ") + expression + " FROM Personal WHERE Id = 1");
    EXPECT_EQ(t.fieldType, fieldType) << expression;
    EXPECT_EQ(t.valueType, valueType) << expression;
    EXPECT_EQ(t.text, text) << expression;
  }
  for (const char* now : {"Date()", "Now()", "Time()"}) {
    const Typed t = First(std::string("SELECT ") + now + " AS Ahora FROM Personal");
    EXPECT_EQ(t.fieldType, dbDate) << now;
    EXPECT_EQ(t.valueType, VarType::Date) << now;
  }
}

TEST_F(JetExpressionTypes, AggregatesKeepOrWidenTheirArgumentsTypeThroughEveryShape) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"First(Alta)", dbDate, "22/11/2003 22:42:58"},
      {"Last(Alta)", dbDate, "01/02/2003"},
      {"Min(Alta)", dbDate, "15/01/2002"},
      {"Count(*)", dbLong, "3"},
      {"Count(Alta)", dbLong, "3"},
      {"Sum(Sueldo)", dbCurrency, "1334.75"},
      {"Sum(Horas)", dbDouble, "12"},
      {"Avg(Id)", dbDouble, "2"},
      {"Max(Sueldo) * 2 FROM Personal", dbCurrency, "2469"},
      // Grouped, under an alias, through derived tables, joins and unions.
      {"Max(Alta) AS Ultima FROM Personal GROUP BY Horas > 3 ORDER BY 1", dbDate, "01/02/2003"},
      {"* FROM (SELECT Max(Alta) AS Ultima FROM Personal) AS q", dbDate, "22/11/2003 22:42:58"},
      {"'Desde ' & q.Siguiente FROM (SELECT Alta + 1 AS Siguiente FROM Personal WHERE Id = 2) "
       "AS q",
       dbText, "Desde 16/01/2002"},
      {"p.Alta + 1 AS x FROM Personal AS p INNER JOIN Personal AS o ON p.Id = o.Id WHERE o.Id = 2",
       dbDate, "16/01/2002"},
      {"Alta + 1 AS x FROM Personal WHERE Id = 2 UNION SELECT Alta + 1 FROM Personal WHERE Id = 2",
       dbDate, "16/01/2002"},
  };
  for (const auto& [expression, fieldType, text] : cases) {
    std::string query = std::string("SELECT ") + expression;
    if (query.find(" FROM ") == std::string::npos) query += " FROM Personal";
    const Typed t = First(query);
    EXPECT_EQ(t.fieldType, fieldType) << expression;
    EXPECT_EQ(t.text, text) << expression;
  }
}

TEST_F(JetExpressionTypes, ATextComparedWithADateIsReadAsADate) {
  // Both directions, every comparison, under the regional day-first order:
  // '1/2/2003' is the 1st of February.
  const std::pair<const char*, const char*> cases[] = {
      {"Alta > '1/1/2003'", "13"},
      {"'1/1/2003' < Alta", "13"},
      {"Alta = '1/2/2003'", "3"},
      {"Alta <> '01/02/2003'", "12"},
      {"Alta <= '15/01/2002'", "2"},
      {"Alta >= '2003-02-01'", "13"},
      {"Alta BETWEEN '1/1/2003' AND '31/12/2003'", "13"},
      {"'1/2/2003' BETWEEN Alta AND Alta", "3"},
      {"Alta IN ('15/1/2002', '1/2/2003')", "23"},
      {"Alta NOT IN ('15/1/2002')", "13"},
      // Texts that come from the rows, and dates that come from expressions.
      {"Alta > Dato", "13"},
      {"Dato < Alta", "13"},
      {"Alta + 1 > '1/1/2003'", "13"},
      {"DateSerial(2003, 1, 1) < Dato", "3"},
      {"Dato < #1/1/2003#", "2"},
      // A value whose type shows only when it runs.
      {"Alta > (SELECT Max(Dato) FROM Personal WHERE Id = 3)", "13"},
      // In a subquery, against the outer query's Date.
      {"EXISTS (SELECT * FROM Personal AS o WHERE o.Id = Personal.Id AND Personal.Alta > "
       "'1/1/2003')",
       "13"},
      // Texts compared with texts keep comparing as texts.
      {"Dato > '3'", "2"},
      {"Nombre >= 'EVA'", "23"},
      // Null is no mismatch: it compares as Null.
      {"Alta > IIf(Id = 1, Null, '1/1/2000')", "23"},
  };
  for (const auto& [condition, ids] : cases) EXPECT_EQ(Ids(condition), ids) << condition;
  // A text that is no date is a type mismatch, as the functions' is.
  const std::string mismatch = "3464 No coinciden los tipos de datos en la expresión de criterios.";
  for (const char* query :
       {"SELECT Id FROM Personal WHERE Alta > 'mañana'",
        "SELECT Id FROM Personal WHERE Alta = Nombre", "SELECT CDate(Nombre) FROM Personal"}) {
    EXPECT_EQ(ErrorMessageOf([&] { t.Query(query); }), mismatch) << query;
  }
  // Updates and deletes compare texts with dates too.
  t.ExecuteAll({"UPDATE Personal SET Horas = 0 WHERE Alta < '1/1/2003'",
                "DELETE FROM Personal WHERE Alta >= '1/2/2003'"});
  EXPECT_EQ(Ids("Horas = 0"), "2");
  EXPECT_EQ(Ids("Id > 0"), "2");
}

TEST_F(JetExpressionTypes, MakeTableAndAChangedSchemaTypeAStatementAgain) {
  t.Execute(
      "SELECT Alta + 1 AS Siguiente, Sueldo * 2 AS Doble, Count(*) AS Cuantos INTO Copia "
      "FROM Personal GROUP BY Alta, Sueldo");
  Recordset rs = t.Db().OpenRecordset("Copia", dbOpenSnapshot);
  EXPECT_EQ(rs.Fields("Siguiente").Type(), dbDate);
  EXPECT_EQ(rs.Fields("Doble").Type(), dbCurrency);
  EXPECT_EQ(rs.Fields("Cuantos").Type(), dbLong);
  EXPECT_EQ(rs.Fields("Siguiente").Value().ToString(), "16/01/2002");
  rs.Close();

  const std::string query = "SELECT Valor + 1 FROM Cambia";
  t.ExecuteAll({"CREATE TABLE Cambia (Valor DATETIME)", "INSERT INTO Cambia VALUES (#1/1/2003#)"});
  EXPECT_EQ(First(query).fieldType, dbDate);
  t.ExecuteAll({"DROP TABLE Cambia", "CREATE TABLE Cambia (Valor DOUBLE)",
                "INSERT INTO Cambia VALUES (2.5)"});
  EXPECT_EQ(First(query).fieldType, dbDouble);

  // Changed through another connection to the same file.
  Database other = DBEngine::OpenDatabase(t.Db().Name(), false, false, test::kConnect);
  other.Execute("DROP TABLE Cambia");
  other.Execute("CREATE TABLE Cambia (Valor CURRENCY)");
  other.Execute("INSERT INTO Cambia VALUES (2.5)");
  other.Close();
  const Typed typed = First(query);
  EXPECT_EQ(typed.fieldType, dbCurrency);
  EXPECT_EQ(typed.text, "3.5");
}

}  // namespace
