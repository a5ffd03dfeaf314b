// The window program's command line: --help and --version work without a
// display; an argument that neither the program nor Qt takes is bad usage.
#include <gtest/gtest.h>

#include <regex>

#include "support/RunTool.h"

TEST(RemendorCommandLine, HelpAndVersionNeedNoDisplay) {
  const std::string headless = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
  ToolResult v = RunTool("remendor", {"--version"}, headless);
  EXPECT_EQ(v.status, 0) << v.err;
  EXPECT_TRUE(std::regex_match(v.out, std::regex("remendor [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << v.out;

  ToolResult h = RunTool("remendor", {"--help"}, headless + " WINDIR=/tmp/otra/windows");
  EXPECT_EQ(h.status, 0) << h.err;
  EXPECT_EQ(h.out.rfind("Uso: remendor [--help | --version]", 0), 0u) << h.out;
  EXPECT_NE(h.out.find("(ahora /tmp/otra/windows)"), std::string::npos) << h.out;
}

TEST(RemendorCommandLine, UnknownArgumentIsAUsageErrorAfterQtTookItsOwn) {
  ToolResult r = RunTool("remendor", {"-platform", "offscreen", "--reparar"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("remendor: argumento desconocido: --reparar"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Uso: remendor"), std::string::npos) << r.err;

  ToolResult two = RunTool("remendor", {"--help", "--version"}, "QT_QPA_PLATFORM=offscreen");
  EXPECT_EQ(two.status, 2);
  EXPECT_NE(two.err.find("argumento desconocido: --help"), std::string::npos) << two.err;
}
