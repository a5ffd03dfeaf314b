// The built remendor-db making a sample installation and repairing it
// headless, as the demonstration does. Each test runs a copy of the tool
// with its own copy of the metadata, so that tests may run side by side.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "dao/DBEngine.h"
#include "host/ClsKolm.h"
#include "support/RunTool.h"

namespace {

class DemoAndRepairTool : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    const std::string built = BinDir();
    fs::create_directories(dir.Path() / "prog");
    fs::copy_file(built + "/remendor-db", dir.File("prog/remendor-db"));
    fs::copy_file(built + "/Remendor.mdb", dir.File("prog/Remendor.mdb"));
    ::setenv("REMENDOR_BIN_DIR", dir.File("prog").c_str(), 1);
    sample = dir.File("muestra");
    host = sample + "/novu/VORA12/VORA12.mdb";
  }
  void TearDown() override { ::setenv("REMENDOR_BIN_DIR", built_.c_str(), 1); }

  // Reads one number through the program's own way of opening the file.
  long Number(const std::string& query) {
    ToolResult r = RunTool("remendor-db", {"query", "--csv", host, query});
    EXPECT_EQ(r.status, 0) << query << ": " << r.err;
    std::string value = r.out.substr(r.out.find('\n') + 1);
    return std::atol(value.c_str());
  }

  std::string built_ = BinDir();
  TempDir dir;
  std::string sample, host;
};

const char* const kNullCounts =
    "select (count(*) - count(Adicionales)) + (count(*) - count(Premios)) + (count(*) - "
    "count(CantidadHorasExtra)) + (count(*) - count(SueldoDto788_05)) + (count(*) - "
    "count(AportesSSDto788_05)) + (count(*) - count(RemuneracionImponible7)) + (count(*) - "
    "count(AportesRes33_41_SSS)) from 22Cuiles";

}  // namespace

TEST_F(DemoAndRepairTool, SampleIsRepairedHeadlessThroughNovuPath) {
  ToolResult demo = RunTool("remendor-db", {"demo", sample});
  ASSERT_EQ(demo.status, 0) << demo.err;
  EXPECT_NE(demo.out.find("WINDIR=" + sample + "/windows"), std::string::npos) << demo.out;
  EXPECT_NE(ReadBytes(host)[0], 0);
  EXPECT_GT(Number(kNullCounts), 1000);
  EXPECT_GT(Number("select count(*) from 22Cuiles"), 1000);
  EXPECT_GT(Number("select count(*) from 12Obras_Sociales"), 0);

  ToolResult repair = RunTool("remendor-db", {"repair", "--version", "27"},
                              "WINDIR=" + ShellQuote(sample + "/windows"));
  ASSERT_EQ(repair.status, 0) << repair.err;
  EXPECT_EQ(repair.out,
            "Información: Reparación de base de datos exitosa\n"
            "Instalación reparada: " +
                sample + "/novu/VORA12\n");
  EXPECT_NE(ReadBytes(host)[0], 0);
  EXPECT_NE(ReadBytes(dir.File("prog/Remendor.mdb"))[0], 0);
  EXPECT_EQ(Number(kNullCounts), 0);
  EXPECT_EQ(Number("select count(*) from 12Obras_Sociales"), 0);
  EXPECT_EQ(Number("select count(*) from 18Porcentajes_Zona"), 0);
  EXPECT_EQ(Number("select count(*) from 11Empresa"), 1);
  EXPECT_EQ(Number("select Version from VersionBase"), 27);
  ToolResult columns = RunTool("remendor-db", {"tables", host});
  EXPECT_NE(
      columns.out.find("18Porcentajes_Zona\n    Codigo TEXT (2)\n    Descripcion TEXT (60)\n"),
      std::string::npos)
      << columns.out;
}

TEST_F(DemoAndRepairTool, FailuresExitNonZero) {
  ToolResult missing =
      RunTool("remendor-db", {"repair", "--version", "26", "--install", dir.File("nada")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("VORA12.mdb"), std::string::npos) << missing.err;

  // A blank first line of novuPath.sys names no installation, not the root.
  std::filesystem::create_directories(dir.Path() / "windows");
  std::ofstream(dir.File("windows/novuPath.sys")) << " \t\r\n/otra\r\n";
  ToolResult blank = RunTool("remendor-db", {"repair", "--version", "26"},
                             "WINDIR=" + ShellQuote(dir.File("windows")));
  EXPECT_EQ(blank.status, 1);
  EXPECT_EQ(blank.out, "");
  EXPECT_NE(blank.err.find("novuPath.sys"), std::string::npos) << blank.err;

  EXPECT_EQ(RunTool("remendor-db", {"repair", "--version", "28"}).status, 2);
  EXPECT_EQ(RunTool("remendor-db", {"repair"}).status, 2);
  EXPECT_EQ(RunTool("remendor-db", {"demo"}).status, 2);
}

// Every failing repair ends with one line carrying the engine's number and
// description, after whatever message boxes came before it.
TEST_F(DemoAndRepairTool, FailedRepairEndsWithTheErrorNumber) {
  const std::string install = dir.File("inst");
  std::filesystem::create_directories(install);
  const std::string vora = install + "/VORA12.mdb";
  auto lastLine = [](const std::string& err) {
    const size_t start = err.rfind('\n', err.size() - 2);
    return err.substr(start == std::string::npos ? 0 : start + 1);
  };

  // Shorter than the scrambled block: the unscrambling fails, then the open.
  std::vector<unsigned char> text(300, 'x');
  WriteBytes(vora, text);
  ToolResult shortHost =
      RunTool("remendor-db", {"repair", "--version", "26", "--install", install});
  EXPECT_EQ(shortHost.status, 1);
  EXPECT_EQ(shortHost.out, "");
  EXPECT_EQ(shortHost.err,
            "remendor-db: Ha ocurrido un error al desencriptar la base de datos\n"
            "remendor-db: error 3343: Formato de base de datos no reconocido '" +
                vora + "'.\n");
  EXPECT_EQ(ReadBytes(vora), text);

  // A base of another password: refused at the open.
  std::filesystem::remove(vora);
  ASSERT_EQ(RunTool("remendor-db", {"--password", "otra", "create", vora}).status, 0);
  ToolResult refused = RunTool("remendor-db", {"repair", "--version", "26", "--install", install});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "remendor-db: error 3031: La contraseña no es válida.\n");

  // Opened, then stopped by a missing table: the result line, then the error.
  std::filesystem::remove(vora);
  ASSERT_EQ(RunTool("remendor-db", {"create", vora}).status, 0);
  ToolResult stopped = RunTool("remendor-db", {"repair", "--version", "26", "--install", install});
  EXPECT_EQ(stopped.status, 1);
  EXPECT_EQ(stopped.out.rfind("Error: ", 0), 0u) << stopped.out;
  EXPECT_EQ(lastLine(stopped.err).rfind("remendor-db: error 3078: ", 0), 0u) << stopped.err;

  // No backups of the failed opens stay behind; the stopped run keeps its own.
  size_t backups = 0;
  for (const auto& e : std::filesystem::directory_iterator(install))
    backups += e.path().filename().string().find("_respaldo_") != std::string::npos;
  EXPECT_EQ(backups, 1u);
}
