// --version and --help of remendor-db, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/RunTool.h"

TEST(RemendorDbVersionAndHelp, AnswerOnStandardOutput) {
  ToolResult v = RunTool("remendor-db", {"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_TRUE(std::regex_match(v.out, std::regex("remendor-db [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << v.out;
  EXPECT_EQ(v.err, "");

  ToolResult h = RunTool("remendor-db", {"--help"}, "WINDIR=/tmp/otra/windows");
  EXPECT_EQ(h.status, 0);
  EXPECT_EQ(h.out.rfind("Uso: remendor-db", 0), 0u) << h.out;
  EXPECT_NE(h.out.find("(ahora /tmp/otra/windows)"), std::string::npos) << h.out;
  const std::string folder = std::filesystem::canonical(BinDir()).string();
  EXPECT_NE(h.out.find("junto al programa (" + folder + ")"), std::string::npos) << h.out;
  EXPECT_NE(
      RunTool("remendor-db", {"--help"}, "env -u WINDIR").out.find("(WINDIR no está definida)"),
      std::string::npos);

  // --version is an option of repair, too; a stray one is bad usage.
  EXPECT_EQ(RunTool("remendor-db", {"--version", "27"}).status, 2);
  EXPECT_EQ(RunTool("remendor-db", {"--password", "x", "--version"}).status, 2);
}
