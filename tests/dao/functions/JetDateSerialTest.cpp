/*
** Day serials as the engine stores dates, and the literals between # signs.
*/
#include <gtest/gtest.h>

#include "dao/functions/JetDateSerial.h"

namespace dao {
namespace {

TEST(JetDateSerial, LiteralsAndPartsRoundTrip) {
  const std::pair<const char*, double> literals[] = {
      {"12/30/1899", 0},
      {"1/31/2020", 43861},
      {"31/1/2020", 43861},
      {"2020-01-31", 43861},
      {"1/1/29", 47119},
      {"1/1/30", 10959},
      {"6:00 PM", 0.75},
      {"12:00 AM", 0},
      {"12/29/1899 6:00", -1.25},
      {"1/31/2020 10:30:15", 43861 + (10 * 3600 + 30 * 60 + 15) / 86400.0},
  };
  for (const auto& [text, serial] : literals)
    EXPECT_EQ(JetDateSerial::FromLiteral(text), serial) << text;
  for (const char* bad :
       {"2/30/2020", "2/29/2021", "13/13/2020", "1/1/2020 24:00", "24:00 PM", "1/1", "", "a"}) {
    EXPECT_FALSE(JetDateSerial::FromLiteral(bad).has_value()) << bad;
  }
  const JetDateParts parts =
      JetDateSerial::ToParts(JetDateSerial::FromParts({2024, 2, 29, 23, 59, 59}));
  EXPECT_EQ(parts.year * 10000 + parts.month * 100 + parts.day, 20240229);
  EXPECT_EQ(parts.hour * 3600 + parts.minute * 60 + parts.second, 86399);
}

}  // namespace
}  // namespace dao
