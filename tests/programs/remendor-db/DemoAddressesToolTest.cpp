// remendor-db demo gives the host database the sample address data,
// readable through the program's own way of opening the file.
#include <gtest/gtest.h>

#include "support/RunTool.h"

TEST(DemoAddressesTool, SampleHostHoldsAddressesProvincesAndOwners) {
  TempDir dir;
  const std::string sample = dir.File("muestra");
  const std::string host = sample + "/novu/VORA12/VORA12.mdb";
  ToolResult demo = RunTool("remendor-db", {"demo", sample});
  ASSERT_EQ(demo.status, 0) << demo.err;
  EXPECT_NE(demo.out.find("domicilios: tablas 24Domicilios, 23Titulares y provincias"),
            std::string::npos)
      << demo.out;
  EXPECT_NE(ReadBytes(host)[0], 0) << "the host database is left scrambled";

  // Rows of --csv end in CR LF.
  auto query = [&](const std::string& q) {
    ToolResult r = RunTool("remendor-db", {"query", "--csv", host, q});
    EXPECT_EQ(r.status, 0) << q << ": " << r.err;
    return r.out.substr(r.out.find('\n') + 1);
  };
  EXPECT_EQ(query("select count(*) from provincias"), "24\r\n");
  EXPECT_EQ(query("select count(*) from 23Titulares"), "5\r\n");
  EXPECT_EQ(query("select count(*) from 24Domicilios"), "7\r\n");
  EXPECT_EQ(query("select Descripcion from provincias where Codigo = 3"), "Córdoba\r\n");
  EXPECT_EQ(query("select Calle, Numero from 24Domicilios where Cuit = '30712345676' and CodDJ "
                  "= 1 and CodDueno = 2 and Fiscal = 1"),
            "O'Higgins,5520\r\n");
  EXPECT_EQ(query("select count(*) from 24Domicilios where Telefono is null"), "3\r\n");
  EXPECT_NE(ReadBytes(host)[0], 0);
}
