// remendor-db import, run as support staff run it: real Access files in,
// progress and a summary out, one line for each failure. The repair of an
// imported host database is DemoRepairToolTest's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RemendorDbTool.h"
#include "support/JetSamples.h"

namespace {

class ImportTool : public ::testing::Test {
 protected:
  ToolResult Query(const std::string& file, const std::string& query) {
    ToolResult r = Db({"query", "--csv", file, query});
    EXPECT_EQ(r.status, 0) << query << ": " << r.err;
    return r;
  }

  TempDir dir;
  std::string target = dir.File("importada.mdb");
};

}  // namespace

TEST_F(ImportTool, ProgressGoesToStandardErrorAndTheSummaryToStandardOutput) {
  const std::string source = CopyJetSample(dir, "testV1997.mdb");
  ToolResult r = Db({"import", source, target});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Importadas 4 tablas y 2 filas de '" + source + "' (Jet 3) en '" + target +
                       "'; sin importar, por no ser datos: 6 tablas del sistema; 1 aviso.\n");
  EXPECT_EQ(r.err,
            "remendor-db: tabla 1 de 4, 'Table1': 2 filas\n"
            "remendor-db: tabla 2 de 4, 'Table2': 0 filas\n"
            "remendor-db: tabla 3 de 4, 'Table3': 0 filas\n"
            "remendor-db: aviso: tabla 'Table4', columna 'data': sus nuevas filas no reciben un "
            "identificador propio (GenGUID())\n"
            "remendor-db: tabla 4 de 4, 'Table4': 0 filas\n");
  // Opened as every other file is, with the system's password.
  EXPECT_EQ(Query(target,
                  "SELECT A, C, D, E, F, Format(G, 'yyyy-mm-dd hh:nn:ss'), H, I FROM "
                  "Table1 ORDER BY A")
                .out,
            "A,C,D,E,F,Expr1000,H,I\r\n"
            "a,0,0,0,0,1981-12-12 00:00:00,0,Falso\r\n"
            "abcdefg,2,222,333333333,444.555,1974-09-21 00:00:00,3.5,Verdadero\r\n");

  ToolResult named = Db(
      {"--password", "otra", "import", source, dir.File("dos.mdb"), "--tables", "Table3,Table1"});
  ASSERT_EQ(named.status, 0) << named.err;
  EXPECT_EQ(Db({"--password", "otra", "tables", dir.File("dos.mdb")}).out,
            "Table1\n    A TEXT (50)\n    B TEXT (100)\n    C BYTE\n    D INTEGER\n    E LONG\n"
            "    F DOUBLE\n    G DATE\n    H CURRENCY\n    I LOGICAL\n"
            "Table3\n    a LONG\n    b TEXT (50)\n");
  ToolResult own =
      Db({"import", source, dir.File("tres.mdb"), "--password", "propia", "--tables", "Table3"});
  ASSERT_EQ(own.status, 0) << own.err;
  EXPECT_THAT(Db({"--password", "propia", "status", dir.File("tres.mdb")}).out,
              ::testing::HasSubstr("Contraseña: aceptada"));
}

TEST_F(ImportTool, EachFailureIsOneLineAndLeavesNoTarget) {
  const std::string source = CopyJetSample(dir, "testUnicodeCompV2003.mdb");
  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{"import", source},
        {"import", source, target, "--tables"},
        {"import", source, target, "--tables", "a,,b"},
        {"import", source, target, "--otra"},
        {"import", source, target, "--replace", "--replace"}}) {
    EXPECT_EQ(Db(wrong).status, 2) << wrong.back();
  }
  auto failure = [&](const std::vector<std::string>& args) {
    ToolResult r = Db(args);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "");
    return r.err;
  };
  std::vector<unsigned char> cut = ReadBytes(source);
  cut.resize(cut.size() / 2 + 100);
  WriteBytes(dir.File("cortado.mdb"), cut);
  EXPECT_EQ(failure({"import", dir.File("cortado.mdb"), target}),
            "remendor-db: error 3343: Formato de base de datos no reconocido '" +
                dir.File("cortado.mdb") +
                "': el archivo está truncado (147556 bytes no son "
                "páginas enteras de 4096 bytes).\n");
  EXPECT_EQ(failure({"import", source, target, "--tables", "Nada"}),
            "remendor-db: error 3078: No se encuentra la tabla 'Nada' en '" + source + "'.\n");
  EXPECT_EQ(failure({"import", source, target, "--password", "a;b"}),
            "remendor-db: error 3031: La contraseña no es válida: no puede contener \";\".\n");
  EXPECT_FALSE(std::filesystem::exists(target));

  std::ofstream(target) << "mi base";
  EXPECT_EQ(failure({"import", source, target}),
            "remendor-db: error 3204: La base de datos '" + target + "' ya existe.\n");
  EXPECT_EQ(Slurp(target), "mi base");
  ToolResult replaced = Db({"import", source, target, "--replace"});
  ASSERT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_EQ(Query(target, "SELECT Max(ID) FROM [Table]").out, "Expr1000\r\n8\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}
