// The common parts of the programs' --version and --help. Elsewhere than on
// Windows, remendor-db's own help test reads the folders it names.
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

#endif
