/*
** DECIMAL / NUMERIC (p, s) columns on an engine database: values kept and
** read back exactly as Decimals, precision and scale enforced, sums exact,
** and the declarations that Jet accepts or refuses.
*/
#include <gtest/gtest.h>

#include "EngineTestDatabase.h"
#include "dao/JetDecimal.h"
#include "dao/sql/JetErrors.h"

namespace dao {
namespace {

using test::EngineTestDatabase;
using test::Rows;

Field FieldOf(Database& db, const std::string& table, const std::string& name) {
  db.TableDefs().Refresh();
  for (const Field& f : db.TableDefs().Item(table).Fields()) {
    if (f.Name() == name) return f;
  }
  ADD_FAILURE() << "no field " << name;
  return Field(name, 0, 0);
}

Variant Value(EngineTestDatabase& db, const std::string& query) {
  Recordset rs = db.Db().OpenRecordset(query, dbOpenSnapshot);
  return rs.Fields(0).Value();
}

void ExpectOverflow(EngineTestDatabase& db, std::initializer_list<const char*> statements) {
  for (const char* jet : statements)
    EXPECT_EQ(db.ExecuteError(jet), jeterr::kNumericOverflow) << jet;
}

class JetDecimalColumn : public ::testing::Test {
 protected:
  JetDecimalColumn() {
    db_.Execute(
        "CREATE TABLE Sueldos (Id LONG, Basico DECIMAL(10, 2), Tasa NUMERIC(6,4), "
        "Legajo DECIMAL, Horas DEC(5))");
  }
  Variant Value(const std::string& query) { return dao::Value(db_, query); }

  EngineTestDatabase db_;
};

TEST_F(JetDecimalColumn, ValuesComeBackExactlyAsDecimalsOfTheColumnsPrecisionAndScale) {
  db_.ExecuteAll({"INSERT INTO Sueldos VALUES (1, 12345678.91, 0.1, 999999999999999999, 12345)",
                  "INSERT INTO Sueldos VALUES (2, -0.07, -1.5, -999999999999999999, 0)"});
  const std::tuple<const char*, int, int> declared[] = {
      {"Basico", 10, 2}, {"Tasa", 6, 4}, {"Legajo", 18, 0}, {"Horas", 5, 0}};
  for (const auto& [name, precision, scale] : declared) {
    const Field f = FieldOf(db_.Db(), "Sueldos", name);
    EXPECT_EQ(std::make_tuple(f.Type(), f.Precision(), f.Scale()),
              std::make_tuple(dbDecimal, precision, scale))
        << name;
  }
  Recordset rs = db_.Db().OpenRecordset("SELECT Basico FROM Sueldos WHERE Id = 1", dbOpenSnapshot);
  EXPECT_EQ(std::make_tuple(rs.Fields(0).Type(), rs.Fields(0).Precision(), rs.Fields(0).Scale()),
            std::make_tuple(dbDecimal, 10, 2));
  const Variant basico = rs.Fields(0).Value();
  ASSERT_EQ(basico.Type(), VarType::Decimal);
  EXPECT_EQ(basico.DecimalUnits(), 1234567891);
  EXPECT_EQ(basico.DecimalScale(), 2);
  EXPECT_EQ(Value("SELECT Tasa FROM Sueldos WHERE Id = 1").DecimalUnits(), 1000);
  EXPECT_EQ(db_.Query("SELECT Basico, Legajo FROM Sueldos ORDER BY Id"),
            (Rows{{"12345678.91", "999999999999999999"}, {"-0.07", "-999999999999999999"}}));
  // Comparisons with literals, sorting and other columns see the value.
  EXPECT_EQ(db_.Query("SELECT Id FROM Sueldos WHERE Basico > 1.5 OR Tasa = -1.5 ORDER BY Tasa"),
            (Rows{{"2"}, {"1"}}));
  EXPECT_EQ(db_.Scalar("SELECT Count(*) FROM Sueldos WHERE Legajo = 999999999999999999"), "1");
}

TEST_F(JetDecimalColumn, ExtraDecimalsRoundHalfToEvenAndTooManyDigitsAreRefused) {
  db_.ExecuteAll({"INSERT INTO Sueldos (Id, Basico, Tasa, Horas) VALUES (1, 2.345, 0.00005, 2.5)",
                  "INSERT INTO Sueldos (Id, Basico, Tasa, Horas) VALUES (2, 2.355, 0.00015, 3.5)",
                  "UPDATE Sueldos SET Basico = Basico + 0.004 WHERE Id = 1"});
  EXPECT_EQ(db_.Query("SELECT Basico, Tasa, Horas FROM Sueldos ORDER BY Id"),
            (Rows{{"2.34", "0", "2"}, {"2.36", "0.0002", "4"}}));
  ExpectOverflow(db_, {
                          "INSERT INTO Sueldos (Basico) VALUES (100000000)",     // 9 integer digits
                          "INSERT INTO Sueldos (Basico) VALUES (99999999.995)",  // rounds up to 9
                          "INSERT INTO Sueldos (Tasa) VALUES (100)",
                          "INSERT INTO Sueldos (Horas) VALUES (-100000)",
                          "UPDATE Sueldos SET Basico = Basico * 1E10",
                      });
  EXPECT_EQ(db_.ExecuteError("INSERT INTO Sueldos (Basico) VALUES ('mucho')"), jeterr::kConversion);
  db_.Execute("INSERT INTO Sueldos (Id, Basico) VALUES (3, 99999999.99)");
  EXPECT_EQ(db_.Scalar("SELECT Count(*) FROM Sueldos"), "3");

  // A value with decimals beyond 15 significant digits cannot be kept exactly.
  db_.ExecuteAll({"CREATE TABLE Ancho (v DECIMAL(18, 4))",
                  "INSERT INTO Ancho VALUES (12345678901.2345)",
                  "INSERT INTO Ancho VALUES (12345678901234)"});
  EXPECT_EQ(db_.ExecuteError("INSERT INTO Ancho VALUES (123456789012.3456)"),
            jeterr::kNumericOverflow);
  EXPECT_EQ(db_.Query("SELECT v FROM Ancho ORDER BY v"),
            (Rows{{"12345678901.2345"}, {"12345678901234"}}));
}

TEST_F(JetDecimalColumn, SumsAndArithmeticAreExact) {
  for (int i = 0; i < 10; ++i) db_.Execute("INSERT INTO Sueldos (Id, Basico) VALUES (1, 0.1)");
  db_.ExecuteAll({"INSERT INTO Sueldos (Id, Basico) VALUES (2, Null)",
                  "INSERT INTO Sueldos (Id, Basico, Tasa) VALUES (3, 0.2, 0.0001)"});
  EXPECT_EQ(db_.Scalar("SELECT Count(*) FROM Sueldos WHERE Id < 3 HAVING Sum(Basico) = 1"), "11");
  EXPECT_EQ(Value("SELECT Sum(Basico) FROM Sueldos WHERE Id < 3").ToDouble(), 1.0);
  EXPECT_EQ(db_.Query("SELECT Id, Sum(Basico) FROM Sueldos GROUP BY Id ORDER BY Id"),
            (Rows{{"1", "1"}, {"2", "NULL"}, {"3", "0.2"}}));
  EXPECT_EQ(db_.Scalar("SELECT Sum(Basico) + Sum(Tasa) FROM Sueldos WHERE Id = 3"), "0.2001");
  EXPECT_EQ(db_.Scalar("SELECT Sum(Basico) - 1.2 FROM Sueldos"), "0");
  // Whole values still sum as integers, past 32 bits too.
  EXPECT_EQ(db_.Scalar("SELECT Sum(Legajo) FROM Sueldos"), "NULL");
  db_.ExecuteAll({"INSERT INTO Sueldos (Id, Legajo) VALUES (4, 4000000000)",
                  "INSERT INTO Sueldos (Id, Legajo) VALUES (4, 4000000001)"});
  EXPECT_EQ(db_.Scalar("SELECT Sum(Legajo) FROM Sueldos"), "8000000001");

  db_.ExecuteAll({"DELETE FROM Sueldos",
                  "INSERT INTO Sueldos (Id, Basico, Tasa) VALUES (1, 0.1, 0.2)",
                  "INSERT INTO Sueldos (Id, Basico, Tasa) VALUES (2, 1.15, Null)"});
  // In binary floating point 0.1 + 0.2 is not 0.3, nor 1.1 * 0.1 0.11.
  EXPECT_EQ(db_.Query("SELECT Id FROM Sueldos WHERE Basico + Tasa = 0.3"), (Rows{{"1"}}));
  EXPECT_EQ(db_.Query("SELECT Id FROM Sueldos WHERE Basico * 1.1 - 0.11 = 0"), (Rows{{"1"}}));
  EXPECT_EQ(Value("SELECT Tasa - Basico - Basico FROM Sueldos WHERE Id = 1").ToDouble(), 0.0);
  EXPECT_EQ(Value("SELECT Basico * 3 FROM Sueldos WHERE Id = 2").ToDouble(), 3.45);
  // Null goes through; whole values stay whole.
  EXPECT_EQ(db_.Scalar("SELECT Basico + Tasa FROM Sueldos WHERE Id = 2"), "NULL");
  EXPECT_EQ(Value("SELECT Basico * 20 FROM Sueldos WHERE Id = 2").Type(), VarType::Long);
}

TEST_F(JetDecimalColumn, RecordsetWritesRoundAndRefuseAsStatementsDo) {
  Recordset rs = db_.Db().OpenRecordset("Sueldos");
  rs.AddNew();
  rs.Fields("Id").SetValue(Variant(int32_t{1}));
  rs.Fields("Basico").SetValue(Variant::FromDecimal(123456, 3));  // 123.456
  rs.Fields("Tasa").SetValue(Variant::FromCurrency(12345));       // 1.2345
  rs.Fields("Legajo").SetValue(Variant("20123456786"));
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Horas").SetValue(Variant(1e6)); }), jeterr::kNumericOverflow);
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Horas").SetValue(Variant("x")); }), jeterr::kConversion);
  rs.Update();
  EXPECT_EQ(db_.Query("SELECT Basico, Tasa, Legajo FROM Sueldos"),
            (Rows{{"123.46", "1.2345", "20123456786"}}));
  EXPECT_EQ(Value("SELECT Tasa FROM Sueldos"), Variant::FromDecimal(12345, 4));
}

// Amounts of up to four decimals are read without writing their text; the
// answer must be the amount itself, at any scale, and numbers that are no
// such amount must still be read from their shortest text.
TEST(JetDecimalUnits, AmountsAndOtherNumbersReadAsTheirShortestDecimal) {
  const int64_t amounts[] = {0,         1,          -1,       5,           25,
                             12345,     -987654321, 99999999, 100000000,   999999999999999,
                             -1000000,  1234567,    10000,    -10000,      3,
                             900719925, 42,         -7,       10203040506, 999999999999990};
  for (int64_t n : amounts) {
    const double d = static_cast<double>(n) / 10000.0;
    EXPECT_EQ(JetDecimal::Units(d, 4), n) << n;
    EXPECT_EQ(JetDecimal::Units(d, 6), n * 100) << n;
    // Half to even when the scale is coarser than the amount.
    const int64_t q = n / 100, r = n % 100;
    const int64_t even = r > 50 || (r == 50 && q % 2 != 0)     ? q + 1
                         : r < -50 || (r == -50 && q % 2 != 0) ? q - 1
                                                               : q;
    EXPECT_EQ(JetDecimal::Units(d, 2), even) << n;
  }
  // Not amounts of four decimals: the digits of their shortest text count.
  EXPECT_EQ(JetDecimal::Units(0.1 + 0.2, 17), int64_t{30000000000000004});
  EXPECT_EQ(JetDecimal::Units(0.00001, 5), 1);
  EXPECT_EQ(JetDecimal::Units(0.123456789, 9), 123456789);
  EXPECT_EQ(JetDecimal::Units(123456789012.5, 1), int64_t{1234567890125});
  EXPECT_EQ(JetDecimal::Units(-0.0, 4), 0);
  EXPECT_EQ(JetDecimal::Units(1e300, 0), std::nullopt);
}

// A sum that meets a number exact arithmetic cannot hold goes on in floating
// point from the exact sum reached, still compensated; one that stays exact
// gives the decimal answer, not the floating one.
TEST(JetDecimalSum, LeavesExactArithmeticWithoutLosingWhatItHadAdded) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE Montos (Id LONG, v DOUBLE, c CURRENCY)");
  for (const char* v : {"0.1", "0.1", "0.1", "0.5", "1E+40", "-1E+40", "0.25"}) {
    db.Execute(std::string("INSERT INTO Montos (Id, v, c) VALUES (1, ") + v + ", Null)");
  }
  EXPECT_EQ(db.Scalar("SELECT Sum(v) FROM Montos"), "1.05");
  EXPECT_EQ(db.Scalar("SELECT Sum(v) FROM Montos WHERE v > -1 AND v < 1"), "1.05");
  EXPECT_EQ(db.Scalar("SELECT Sum(v) FROM Montos WHERE v > 0 AND v < 0.2"), "0.3");
  for (const char* c : {"-0.0001", "12.34", "7"}) {
    db.Execute(std::string("INSERT INTO Montos (Id, c) VALUES (2, ") + c + ")");
  }
  EXPECT_EQ(db.Scalar("SELECT Sum(c) FROM Montos"), "19.3399");
}

// The largest scale, where every digit is a decimal: a value is kept when
// its significant digits are few enough for the storage (15), however many
// units of 10^-18 it takes, not by the scale's trailing zeros; statements
// and record sets alike.
TEST(JetDecimalScale, TheLargestScaleKeepsEveryValueOfFifteenSignificantDigits) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE Fina (Id LONG, v DECIMAL(18, 18), w DECIMAL(18, 17), x DEC(1, 1))");
  const char* kept[] = {"0",
                        "0.000123",
                        "0.5",
                        "-0.5",
                        "0.1",
                        "-0.000000000000000001",
                        "0.123456789012345",
                        "0.999999999999999"};
  for (int id = 1; id <= 8; ++id) {
    db.Execute("INSERT INTO Fina (Id, v) VALUES (" + std::to_string(id) + ", " + kept[id - 1] +
               ")");
  }
  Recordset rs = db.Db().OpenRecordset("SELECT v FROM Fina ORDER BY Id", dbOpenSnapshot);
  for (const char* literal : kept) {
    const Variant v = rs.Fields(0).Value();
    EXPECT_EQ(v.Type(), VarType::Decimal) << literal;
    EXPECT_EQ(v.DecimalScale(), 18) << literal;
    EXPECT_EQ(v.ToString(), literal);
    EXPECT_EQ(db.Scalar("SELECT Count(*) FROM Fina WHERE v = " + std::string(literal)), "1")
        << literal;
    rs.MoveNext();
  }
  rs.Close();
  // Exact arithmetic at that scale.
  EXPECT_EQ(db.Query("SELECT v + v, v - 0.000123 FROM Fina WHERE Id = 2"),
            (Rows{{"0.000246", "0"}}));
  EXPECT_EQ(db.Scalar("SELECT Count(*) FROM Fina WHERE v + v = 0.2 AND Id = 5"), "1");
  db.Execute("INSERT INTO Fina (Id, w, x) VALUES (100, 9.5, -0.9)");
  EXPECT_EQ(db.Query("SELECT w, x FROM Fina WHERE Id = 100"), (Rows{{"9.5", "-0.9"}}));
  ExpectOverflow(db, {
                         "INSERT INTO Fina (v) VALUES (1)",  // an integer digit
                         "INSERT INTO Fina (v) VALUES (-1)",
                         "INSERT INTO Fina (v) VALUES (0.1234567890123456)",  // 16 digits
                         "INSERT INTO Fina (w) VALUES (10)",
                         "INSERT INTO Fina (x) VALUES (1)",
                     });
  // Below half a unit of the scale a value is 0, as any extra decimal rounds.
  db.Execute("INSERT INTO Fina (Id, v) VALUES (200, 0.0000000000000000004)");
  EXPECT_EQ(db.Scalar("SELECT v FROM Fina WHERE Id = 200"), "0");

  rs = db.Db().OpenRecordset("Fina");
  rs.AddNew();
  rs.Fields("Id").SetValue(Variant(int32_t{300}));
  rs.Fields("v").SetValue(Variant::FromDecimal(500000000000000000, 18));
  EXPECT_EQ(ErrorOf([&] { rs.Fields("x").SetValue(Variant(1.0)); }), jeterr::kNumericOverflow);
  rs.Update();
  rs.Close();
  EXPECT_EQ(db.Scalar("SELECT v FROM Fina WHERE Id = 300"), "0.5");
}

TEST(JetDecimalDeclaration, SizesOutsideTheLimitsAreRefusedAndAlterTableKeepsTheRules) {
  EngineTestDatabase db;
  for (const char* bad : {"CREATE TABLE u (v DECIMAL(0))", "CREATE TABLE u (v DECIMAL(19, 2))",
                          "CREATE TABLE u (v DECIMAL(5, 6))", "CREATE TABLE u (v DECIMAL(5,))",
                          "CREATE TABLE u (v NUMERIC(2.5))", "CREATE TABLE u (v DECIMAL(-1))"}) {
    EXPECT_EQ(db.ExecuteError(bad), jeterr::kSyntaxInFieldDefinition) << bad;
  }
  // ALTER TABLE keeps a decimal column's size and rules through the rebuild.
  db.ExecuteAll({"CREATE TABLE t (a DECIMAL(4, 1), b LONG)", "INSERT INTO t VALUES (1.25, 1)",
                 "ALTER TABLE t DROP COLUMN b", "ALTER TABLE t ADD COLUMN c DECIMAL(3, 2)",
                 "INSERT INTO t VALUES (2.35, 1.005)", "SELECT * INTO copia FROM t"});
  EXPECT_EQ(db.Query("SELECT a, c FROM t ORDER BY a"), (Rows{{"1.2", "NULL"}, {"2.4", "1"}}));
  EXPECT_EQ(FieldOf(db.Db(), "copia", "c").Scale(), 2);
  ExpectOverflow(db, {"INSERT INTO t (a) VALUES (1000)", "INSERT INTO copia (c) VALUES (10)"});
}

}  // namespace
}  // namespace dao
