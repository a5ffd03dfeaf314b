// The common parts of the programs' --version and --help.
#include <gtest/gtest.h>

#include <regex>

#include "repair/ProgramHelp.h"

TEST(ProgramHelp, VersionLineIsTheProgramAndADottedVersion) {
  EXPECT_TRUE(
      std::regex_match(VersionLine("remendor"), std::regex("remendor [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << VersionLine("remendor");
}

#ifdef _WIN32

TEST(ProgramHelp, WhereItLooksNamesWindowsOwnFolderAndTheProgramsFolder) {
  const std::string help = WhereItLooks("C:\\WINDOWS", "D:\\Programas\\Remendor");
  EXPECT_NE(help.find("novuPath.sys   en la carpeta de Windows (C:\\WINDOWS)."), std::string::npos)
      << help;
  EXPECT_EQ(help.find("WINDIR"), std::string::npos) << help;
  EXPECT_NE(help.find("junto al programa (D:\\Programas\\Remendor)"), std::string::npos) << help;
}

#else

TEST(ProgramHelp, WhereItLooksNamesTheFoldersOfTheMomentOrTheMissingWindir) {
  const std::string set = WhereItLooks("/tmp/muestra/windows", "/usr/lib/remendor");
  EXPECT_NE(set.find("novuPath.sys"), std::string::npos);
  EXPECT_NE(set.find("WINDIR (ahora /tmp/muestra/windows)"), std::string::npos) << set;
  EXPECT_NE(set.find("junto al programa (/usr/lib/remendor)"), std::string::npos) << set;

  const std::string unset = WhereItLooks("", "/opt/r");
  EXPECT_NE(unset.find("(WINDIR no está definida)"), std::string::npos) << unset;
  EXPECT_EQ(unset.find("ahora"), std::string::npos) << unset;
}

#endif
