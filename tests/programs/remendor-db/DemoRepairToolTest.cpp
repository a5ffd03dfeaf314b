// The built remendor-db making a sample installation (host tables, sample
// addresses, the contributor database) and repairing it headless, as the
// demonstration does. Each test runs a copy of the tool with its own copy
// of the metadata, so that tests may run side by side.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "host/ClsKolm.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/JetSamples.h"
#include "support/RunTool.h"

namespace {

class DemoAndRepairTool : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    fs::create_directories(dir.Path() / "prog");
    fs::copy_file(built_ + "/remendor-db", dir.File("prog/remendor-db"));
    fs::copy_file(built_ + "/Remendor.mdb", dir.File("prog/Remendor.mdb"));
    ::setenv("REMENDOR_BIN_DIR", dir.File("prog").c_str(), 1);
  }
  void TearDown() override { ::setenv("REMENDOR_BIN_DIR", built_.c_str(), 1); }

  // The first value of a query, through the program's own way of opening
  // the file.
  std::string Value(const std::string& query) {
    ToolResult r = RunTool("remendor-db", {"query", "--csv", host, query});
    EXPECT_EQ(r.status, 0) << query << ": " << r.err;
    return r.out.substr(r.out.find('\n') + 1);
  }
  long Number(const std::string& query) { return std::atol(Value(query).c_str()); }

  std::string built_ = BinDir();
  TempDir dir;
  std::string sample = dir.File("muestra"), host = sample + "/novu/VORA12/VORA12.mdb";
};

const char* const kNullCounts =
    "select (count(*) - count(Adicionales)) + (count(*) - count(Premios)) + (count(*) - "
    "count(CantidadHorasExtra)) + (count(*) - count(SueldoDto788_05)) + (count(*) - "
    "count(AportesSSDto788_05)) + (count(*) - count(RemuneracionImponible7)) + (count(*) - "
    "count(AportesRes33_41_SSS)) from 22Cuiles";

}  // namespace

TEST_F(DemoAndRepairTool, SampleIsMadeWithItsDataAndRepairedHeadlessThroughNovuPath) {
  ToolResult demo = RunTool("remendor-db", {"demo", sample});
  ASSERT_EQ(demo.status, 0) << demo.err;
  EXPECT_NE(demo.out.find("WINDIR=" + sample + "/windows"), std::string::npos) << demo.out;
  EXPECT_NE(demo.out.find("domicilios: tablas 24Domicilios, 23Titulares y provincias"),
            std::string::npos)
      << demo.out;
  const std::string novu = sample + "/novu/Novu.mdb";
  EXPECT_NE(demo.out.find(novu), std::string::npos) << demo.out;
  EXPECT_NE(ReadBytes(host)[0], 0);
  const auto contributors = ReadBytes(novu);
  ASSERT_FALSE(contributors.empty());
  EXPECT_NE(contributors[0], 0);
  EXPECT_GT(Number(kNullCounts), 1000);
  EXPECT_GT(Number("select count(*) from 12Obras_Sociales"), 0);
  EXPECT_EQ(Value("select count(*) from provincias"), "24\r\n");  // rows of --csv end in CR LF
  EXPECT_EQ(Number("select count(*) from 23Titulares"), 5);
  EXPECT_EQ(Number("select count(*) from 24Domicilios where Telefono is null"), 3);
  EXPECT_EQ(Value("select Calle, Numero from 24Domicilios where Cuit = '30712345676' and CodDJ "
                  "= 1 and CodDueno = 2 and Fiscal = 1"),
            "O'Higgins,5520\r\n");

  // Each contributor loads from the host's folder, as the maker's programs
  // read them, and the file stays scrambled.
  ScopedService<RecordingMessageBox> boxes;
  const std::pair<const char*, const char*> expected[] = {
      {"30712345671", "Av. Belgrano 1234 Piso 3 Dto B Centro - Córdoba (5000)"},
      {"20234567897", "San Martín 455 Piso PB Dto A Alberdi - Rosario (2000)"},
      {"33709876541", " "},
      {"27298765433", "Ruta 9 Km 712 Piso  Dto   - Villa María (5900)"}};
  ClsKolm kolm;
  for (const auto& [cuit, address] : expected) {
    ASSERT_TRUE(kolm.Cargar(cuit, sample + "/novu/VORA12")) << cuit;
    EXPECT_EQ(kolm.ObtenerDirección(), address) << cuit;
  }
  EXPECT_EQ(kolm.Descripcion, "SOSA, MARÍA JOSÉ");
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_EQ(ReadBytes(novu), contributors);

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
  EXPECT_EQ(Number("select count(*) from 11Empresa"), 1);
  EXPECT_EQ(Number("select Version from VersionBase"), 27);
  ToolResult columns = RunTool("remendor-db", {"tables", host});
  EXPECT_NE(
      columns.out.find("18Porcentajes_Zona\n    Codigo TEXT (2)\n    Descripcion TEXT (60)\n"),
      std::string::npos)
      << columns.out;
}

// Every failing repair exits 1 with its cause on standard error, the last
// line carrying the engine's number and description after whatever message
// boxes came before it; bad usage exits 2.
TEST_F(DemoAndRepairTool, FailedRepairsExitNonZeroEndingWithTheErrorNumber) {
  const std::string install = dir.File("inst"), vora = install + "/VORA12.mdb";
  std::filesystem::create_directories(install);
  const std::vector<std::string> repair = {"repair", "--version", "26", "--install", install};
  auto lastLine = [](const std::string& err) {
    const size_t start = err.rfind('\n', err.size() - 2);
    return err.substr(start == std::string::npos ? 0 : start + 1);
  };

  ToolResult missing = RunTool("remendor-db", repair);
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

  // Shorter than the scrambled block: the unscrambling fails, then the open.
  std::vector<unsigned char> text(300, 'x');
  WriteBytes(vora, text);
  ToolResult shortHost = RunTool("remendor-db", repair);
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
  ToolResult refused = RunTool("remendor-db", repair);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "remendor-db: error 3031: La contraseña no es válida.\n");

  // Opened, then stopped by a missing table: the result line, then the error.
  std::filesystem::remove(vora);
  ASSERT_EQ(RunTool("remendor-db", {"create", vora}).status, 0);
  ToolResult stopped = RunTool("remendor-db", repair);
  EXPECT_EQ(stopped.status, 1);
  EXPECT_EQ(stopped.out.rfind("Error: ", 0), 0u) << stopped.out;
  EXPECT_EQ(lastLine(stopped.err).rfind("remendor-db: error 3078: ", 0), 0u) << stopped.err;

  // No backups of the failed opens stay behind; the stopped run keeps its own.
  size_t backups = 0;
  for (const auto& e : std::filesystem::directory_iterator(install))
    backups += e.path().filename().string().find("_respaldo_") != std::string::npos;
  EXPECT_EQ(backups, 1u);

  EXPECT_EQ(RunTool("remendor-db", {"repair", "--version", "28"}).status, 2);
  EXPECT_EQ(RunTool("remendor-db", {"repair"}).status, 2);
  EXPECT_EQ(RunTool("remendor-db", {"demo"}).status, 2);
}

// The office's host database, brought in from its Access file. The real
// files at hand hold no declarations, so the two tables the repair sets to
// zero are added as the host keeps them, with amounts left Null.
TEST_F(DemoAndRepairTool, AHostDatabaseImportedFromARealFileIsRepaired) {
  const std::string install = sample + "/novu/VORA12";
  ASSERT_EQ(RunTool("remendor-db", {"demo", sample}).status, 0);
  ToolResult imported =
      RunTool("remendor-db", {"import", CopyJetSample(dir, "testV2000.mdb"), host, "--replace"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  for (const char* statement :
       {"CREATE TABLE 21Declaraciones_Juradas (IdDeclaracion LONG, Cuit TEXT (11), "
        "OpcionLey25922 INTEGER, PorcentajeAfectadoLey25922 DOUBLE, "
        "ResultadoEquivalenteCredFiscalIVA DOUBLE, SumaRRII7 DOUBLE, "
        "TotalSuedosAfectadosDto788_05 DOUBLE, TotalAportesSSSto788_05 DOUBLE, "
        "TotalAportesRes33_41_SSS DOUBLE)",
        "INSERT INTO 21Declaraciones_Juradas (IdDeclaracion, Cuit) VALUES (1, '30712345676')",
        "CREATE TABLE 22Cuiles (IdDeclaracion LONG, Cuil TEXT (11), Adicionales DOUBLE, Premios "
        "DOUBLE, CantidadHorasExtra LONG, SueldoDto788_05 DOUBLE, AportesSSDto788_05 DOUBLE, "
        "RemuneracionImponible7 DOUBLE, AportesRes33_41_SSS DOUBLE)",
        "INSERT INTO 22Cuiles (IdDeclaracion, Cuil) VALUES (1, '20123456786')"}) {
    ToolResult r = RunTool("remendor-db", {"exec", host, statement});
    ASSERT_EQ(r.status, 0) << statement << ": " << r.err;
  }
  const std::string before = Value("SELECT * FROM Table1 ORDER BY A");

  ToolResult repair = RunTool("remendor-db", {"repair", "--version", "27", "--install", install});
  ASSERT_EQ(repair.status, 0) << repair.err;
  EXPECT_EQ(repair.out, "Información: Reparación de base de datos exitosa\nInstalación reparada: " +
                            install + "\n");
  EXPECT_NE(ReadBytes(host)[0], 0);  // scrambled again, as after every repair
  EXPECT_EQ(Value("SELECT Adicionales + Premios + AportesRes33_41_SSS FROM 22Cuiles"), "0\r\n");
  EXPECT_EQ(Value("SELECT SumaRRII7 FROM 21Declaraciones_Juradas"), "0\r\n");
  EXPECT_EQ(Value("SELECT Version FROM VersionBase"), "027\r\n");
  // The imported tables came through the repair as they were.
  EXPECT_EQ(Value("SELECT * FROM Table1 ORDER BY A"), before);
  EXPECT_EQ(RunTool("remendor-db", {"check", host}).out, "ok\n");
  size_t backups = 0;
  for (const auto& e : std::filesystem::directory_iterator(install))
    backups += e.path().filename().string().rfind("VORA12_respaldo_", 0) == 0;
  EXPECT_EQ(backups, 1u);
}
