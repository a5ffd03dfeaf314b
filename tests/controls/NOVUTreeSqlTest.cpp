// The lazy tree's query placeholders, with values that hold quotes and
// the closing characters of the literals they fill.
#include <gtest/gtest.h>

#include "controls/NOVUTreeSql.h"
#include "support/ErrorOf.h"

TEST(NOVUTreeSql, ValuesFillTheirPlaceWithoutBreakingOut) {
  const std::vector<std::string> names = {"Id", "Nombre"};
  auto s = [&](const std::string& sql, Variant id, Variant name) {
    return NOVUTreeSql::Sustituir(sql, names, {id, name});
  };
  // What forms write today keeps its meaning.
  EXPECT_EQ(s("SELECT * FROM T WHERE Id = %Id%", int32_t{12}, ""), "SELECT * FROM T WHERE Id = 12");
  EXPECT_EQ(s("WHERE Id = %Id% AND N = '%Nombre%'", "0012", "Ana"),
            "WHERE Id = 0012 AND N = 'Ana'");
  EXPECT_EQ(s("WHERE N LIKE \"*%Nombre%*\" OR M = '%Nombre%%Nombre%'", 1, "Ana"),
            "WHERE N LIKE \"*Ana*\" OR M = 'AnaAna'");
  // A quote in the value stays inside its literal.
  EXPECT_EQ(s("WHERE N = '%Nombre%'", 1, "O'Brien' OR 1=1 OR '"),
            "WHERE N = 'O''Brien'' OR 1=1 OR '''");
  EXPECT_EQ(s("WHERE N = \"%Nombre%\"", 1, "a\"b"), "WHERE N = \"a\"\"b\"");
  EXPECT_EQ(s("WHERE N = 'it''s %Nombre%'", 1, "x'y"), "WHERE N = 'it''s x''y'");
  // Bare, anything but a number becomes a text literal.
  EXPECT_EQ(s("WHERE Id = %Id%", "1 OR 1=1", ""), "WHERE Id = '1 OR 1=1'");
  EXPECT_EQ(s("WHERE Id = %Id%", 2.5, ""), "WHERE Id = 2.5");
  EXPECT_EQ(s("WHERE Id = %Id%", true, ""), "WHERE Id = -1");
  EXPECT_EQ(s("WHERE Id = %Id%", "-3.5", ""), "WHERE Id = -3.5");
  // Names that are not offered, and text put in, are left as they are.
  EXPECT_EQ(s("WHERE A = %Otro% AND B = '%Nombre%'", 1, "%Id%"), "WHERE A = %Otro% AND B = '%Id%'");
  EXPECT_EQ(s("WHERE F = #%Nombre%#", 1, "01/02/2003"), "WHERE F = #01/02/2003#");
  EXPECT_EQ(ErrorOf([&] { s("WHERE F = #%Nombre%#", 1, "1# OR 1=1 OR #1"); }), 3075);
  EXPECT_EQ(ErrorOf([&] { s("SELECT [%Nombre%] FROM T", 1, "a] FROM X --"); }), 3075);
  EXPECT_EQ(ErrorOf([&] { s("WHERE Id = %Id%", Variant::Null(), ""); }), 94);
}
