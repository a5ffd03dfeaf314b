/*
** Date literals with an AM/PM marker, as an Access-era application writes
** them, run on an engine database: the marker moves only the hours of a
** twelve-hour clock, an hour past 12 keeps its value.
*/
#include <gtest/gtest.h>

#include "EngineTestDatabase.h"
#include "dao/sql/JetErrors.h"

namespace dao {
namespace {

using test::EngineTestDatabase;
using test::Rows;

TEST(JetDateLiteral, RedundantMarkerKeepsTheHourAndTwelveIsMidnightOrNoon) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE Marcas (Id LONG, Hora DATETIME)");
  const std::pair<const char*, const char*> cases[] = {
      {"#10/03/2008 22:34:35 aM#", "03/10/2008 22:34:35"},
      {"#10/03/2008 22:34:35 PM#", "03/10/2008 22:34:35"},
      {"#13:00 PM#", "13:00:00"},
      {"#00:30 AM#", "00:30:00"},
      {"#0:30 PM#", "12:30:00"},
      {"#12:30 AM#", "00:30:00"},
      {"#12:30 PM#", "12:30:00"},
      {"#11:59:59 PM#", "23:59:59"},
  };
  int id = 0;
  for (const auto& [literal, shown] : cases) {
    db.Execute("INSERT INTO Marcas VALUES (" + std::to_string(++id) + ", " + literal + ")");
    Recordset rs =
        db.Db().OpenRecordset("SELECT Hora FROM Marcas WHERE Id = " + std::to_string(id));
    const Variant v = rs.Fields(0).Value();
    EXPECT_EQ(v.Type(), VarType::Date) << literal;
    EXPECT_EQ(v.ToString(), shown) << literal;
  }
  // The literal and the stored value are the same instant.
  EXPECT_EQ(db.Scalar("SELECT Count(*) FROM Marcas WHERE Hora = #10/3/2008 10:34:35 PM#"), "2");
}

TEST(JetDateLiteral, HoursPastTheDayAreStillRefused) {
  EngineTestDatabase db;
  for (const char* literal : {"#24:00 AM#", "#25:10 PM#", "#1/1/2020 23:60 PM#", "#AM 10:00#"}) {
    EXPECT_EQ(db.QueryError(std::string("SELECT ") + literal), jeterr::kSyntaxInSelect) << literal;
  }
}

}  // namespace
}  // namespace dao
