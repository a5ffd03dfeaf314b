// The common parts of the programs' --version and --help.
#include <gtest/gtest.h>

#include <regex>

#include "repair/ProgramHelp.h"

TEST(ProgramHelp, VersionLineIsTheProgramAndADottedVersion) {
  EXPECT_TRUE(
      std::regex_match(VersionLine("remendor"), std::regex("remendor [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << VersionLine("remendor");
}

TEST(ProgramHelp, WhereItLooksNamesTheFoldersOfTheMomentOrTheMissingWindir) {
  const std::string set = WhereItLooks("/tmp/muestra/windows", "/usr/lib/remendor");
  EXPECT_NE(set.find("novuPath.sys"), std::string::npos);
  EXPECT_NE(set.find("WINDIR (ahora /tmp/muestra/windows)"), std::string::npos) << set;
  EXPECT_NE(set.find("junto al programa (/usr/lib/remendor)"), std::string::npos) << set;

  const std::string unset = WhereItLooks("", "/opt/r");
  EXPECT_NE(unset.find("(WINDIR no está definida)"), std::string::npos) << unset;
  EXPECT_EQ(unset.find("ahora"), std::string::npos) << unset;
}
