// The built remendor-db making a sample installation (host tables, sample
// addresses, the contributor database) and repairing it headless, as the
// demonstration does. Each test runs a copy of the tool with its own copy
// of the metadata, so that tests may run side by side.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "RemendorDbTool.h"
#include "host/ClsKolm.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/JetSamples.h"

namespace {

using ::testing::HasSubstr;

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
  // the file; rows of --csv end in CR LF.
  std::string Value(const std::string& query) {
    ToolResult r = Db({"query", "--csv", host, query});
    EXPECT_EQ(r.status, 0) << query << ": " << r.err;
    return r.out.substr(r.out.find('\n') + 1);
  }
  long Number(const std::string& query) { return std::atol(Value(query).c_str()); }
  size_t Backups(const std::string& folder) {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      n += e.path().filename().string().rfind("VORA12_respaldo_", 0) == 0;
    return n;
  }

  std::string built_ = BinDir();
  TempDir dir;
  std::string sample = dir.File("muestra"), install = sample + "/novu/VORA12",
              host = install + "/VORA12.mdb";
};

const char* const kNullCounts =
    "select (count(*) - count(Adicionales)) + (count(*) - count(Premios)) + (count(*) - "
    "count(CantidadHorasExtra)) + (count(*) - count(SueldoDto788_05)) + (count(*) - "
    "count(AportesSSDto788_05)) + (count(*) - count(RemuneracionImponible7)) + (count(*) - "
    "count(AportesRes33_41_SSS)) from 22Cuiles";

}  // namespace

TEST_F(DemoAndRepairTool, SampleIsMadeWithItsDataAndRepairedHeadlessThroughNovuPath) {
  ToolResult demo = Db({"demo", sample});
  ASSERT_EQ(demo.status, 0) << demo.err;
  const std::string novu = sample + "/novu/Novu.mdb";
  EXPECT_THAT(demo.out, HasSubstr("WINDIR=" + sample + "/windows"));
  EXPECT_THAT(demo.out, HasSubstr("domicilios: tablas 24Domicilios, 23Titulares y provincias"));
  EXPECT_THAT(demo.out, HasSubstr(novu));
  EXPECT_NE(ReadBytes(host)[0], 0);
  const auto contributors = ReadBytes(novu);
  ASSERT_FALSE(contributors.empty());
  EXPECT_NE(contributors[0], 0);
  EXPECT_GT(Number(kNullCounts), 1000);
  EXPECT_GT(Number("select count(*) from 12Obras_Sociales"), 0);
  EXPECT_EQ(Value("select count(*) from provincias"), "24\r\n");
  EXPECT_EQ(Number("select count(*) from 23Titulares"), 5);
  EXPECT_EQ(Number("select count(*) from 24Domicilios where Telefono is null"), 3);
  EXPECT_EQ(Value("select Calle, Numero from 24Domicilios where Cuit = '30712345676' and CodDJ = 1 "
                  "and CodDueno = 2 and Fiscal = 1"),
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
    ASSERT_TRUE(kolm.Cargar(cuit, install)) << cuit;
    EXPECT_EQ(kolm.ObtenerDirección(), address) << cuit;
  }
  EXPECT_EQ(kolm.Descripcion, "SOSA, MARÍA JOSÉ");
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_EQ(ReadBytes(novu), contributors);

  ToolResult repair =
      Db({"repair", "--version", "27"}, "WINDIR=" + ShellQuote(sample + "/windows"));
  ASSERT_EQ(repair.status, 0) << repair.err;
  EXPECT_EQ(repair.out, "Información: Reparación de base de datos exitosa\nInstalación reparada: " +
                            install + "\n");
  EXPECT_NE(ReadBytes(host)[0], 0);
  EXPECT_NE(ReadBytes(dir.File("prog/Remendor.mdb"))[0], 0);
  EXPECT_EQ(Number(kNullCounts), 0);
  EXPECT_EQ(Number("select count(*) from 12Obras_Sociales"), 0);
  EXPECT_EQ(Number("select count(*) from 11Empresa"), 1);
  EXPECT_EQ(Number("select Version from VersionBase"), 27);
  EXPECT_THAT(Db({"tables", host}).out,
              HasSubstr("18Porcentajes_Zona\n    Codigo TEXT (2)\n    Descripcion TEXT (60)\n"));
}

// Every failing repair exits 1 with its cause on standard error, the last
// line carrying the engine's number and description after whatever message
// boxes came before it; bad usage exits 2. No backup of a failed open stays
// behind; a run stopped after the open keeps its own.
TEST_F(DemoAndRepairTool, FailedRepairsExitNonZeroEndingWithTheErrorNumber) {
  const std::string inst = dir.File("inst"), vora = inst + "/VORA12.mdb";
  std::filesystem::create_directories(inst);
  const std::vector<std::string> repair = {"repair", "--version", "26", "--install", inst};
  auto fails = [&](const std::vector<std::string>& args, const std::string& env = "") {
    ToolResult r = Db(args, env);
    EXPECT_EQ(r.status, 1) << r.err;
    return r;
  };
  const ToolResult missing = fails(repair);
  EXPECT_EQ(missing.out, "");
  EXPECT_THAT(missing.err, HasSubstr("VORA12.mdb"));

  // A blank first line of novuPath.sys names no installation, not the root.
  std::filesystem::create_directories(dir.Path() / "windows");
  std::ofstream(dir.File("windows/novuPath.sys")) << " \t\r\n/otra\r\n";
  const ToolResult blank =
      fails({"repair", "--version", "26"}, "WINDIR=" + ShellQuote(dir.File("windows")));
  EXPECT_EQ(blank.out, "");
  EXPECT_THAT(blank.err, HasSubstr("novuPath.sys"));

  // Shorter than the scrambled block: the unscrambling fails, then the open.
  std::vector<unsigned char> text(300, 'x');
  WriteBytes(vora, text);
  const ToolResult shortHost = fails(repair);
  EXPECT_EQ(shortHost.out, "");
  EXPECT_EQ(shortHost.err,
            "remendor-db: Ha ocurrido un error al desencriptar la base de datos\nremendor-db: "
            "error 3343: Formato de base de datos no reconocido '" +
                vora + "'.\n");
  EXPECT_EQ(ReadBytes(vora), text);

  // A base of another password: refused at the open.
  std::filesystem::remove(vora);
  ASSERT_EQ(Db({"--password", "otra", "create", vora}).status, 0);
  EXPECT_EQ(fails(repair).err, "remendor-db: error 3031: La contraseña no es válida.\n");

  // Opened, then stopped by a missing table: the result line, then the error.
  std::filesystem::remove(vora);
  ASSERT_EQ(Db({"create", vora}).status, 0);
  const ToolResult stopped = fails(repair);
  EXPECT_EQ(stopped.out.rfind("Error: ", 0), 0u) << stopped.out;
  EXPECT_THAT(stopped.err, ::testing::ContainsRegex("(^|\n)remendor-db: error 3078: [^\n]*\n$"));
  EXPECT_EQ(Backups(inst), 1u);

  EXPECT_EQ(Db({"repair", "--version", "28"}).status, 2);
  EXPECT_EQ(Db({"repair"}).status, 2);
  EXPECT_EQ(Db({"demo"}).status, 2);
}

// The office's host database, brought in from its Access file. The real
// files at hand hold no declarations, so the two tables the repair sets to
// zero are added as the host keeps them, with amounts left Null.
TEST_F(DemoAndRepairTool, AHostDatabaseImportedFromARealFileIsRepaired) {
  ASSERT_EQ(Db({"demo", sample}).status, 0);
  ToolResult imported = Db({"import", CopyJetSample(dir, "testV2000.mdb"), host, "--replace"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  for (const char* statement :
       {"CREATE TABLE 21Declaraciones_Juradas (IdDeclaracion LONG, Cuit TEXT (11), OpcionLey25922 "
        "INTEGER, PorcentajeAfectadoLey25922 DOUBLE, "
        "ResultadoEquivalenteCredFiscalIVA DOUBLE, SumaRRII7 DOUBLE, TotalSuedosAfectadosDto788_05 "
        "DOUBLE, TotalAportesSSSto788_05 DOUBLE, "
        "TotalAportesRes33_41_SSS DOUBLE)",
        "INSERT INTO 21Declaraciones_Juradas (IdDeclaracion, Cuit) VALUES (1, '30712345676')",
        "CREATE TABLE 22Cuiles (IdDeclaracion LONG, Cuil TEXT (11), Adicionales DOUBLE, Premios "
        "DOUBLE, CantidadHorasExtra LONG, "
        "SueldoDto788_05 DOUBLE, AportesSSDto788_05 DOUBLE, RemuneracionImponible7 DOUBLE, "
        "AportesRes33_41_SSS DOUBLE)",
        "INSERT INTO 22Cuiles (IdDeclaracion, Cuil) VALUES (1, '20123456786')"}) {
    ToolResult r = Db({"exec", host, statement});
    ASSERT_EQ(r.status, 0) << statement << ": " << r.err;
  }
  const std::string before = Value("SELECT * FROM Table1 ORDER BY A");

  ToolResult repair = Db({"repair", "--version", "27", "--install", install});
  ASSERT_EQ(repair.status, 0) << repair.err;
  EXPECT_EQ(repair.out, "Información: Reparación de base de datos exitosa\nInstalación reparada: " +
                            install + "\n");
  EXPECT_NE(ReadBytes(host)[0], 0);  // scrambled again, as after every repair
  EXPECT_EQ(Value("SELECT Adicionales + Premios + AportesRes33_41_SSS FROM 22Cuiles"), "0\r\n");
  EXPECT_EQ(Value("SELECT SumaRRII7 FROM 21Declaraciones_Juradas"), "0\r\n");
  EXPECT_EQ(Value("SELECT Version FROM VersionBase"), "027\r\n");
  // The imported tables came through the repair as they were.
  EXPECT_EQ(Value("SELECT * FROM Table1 ORDER BY A"), before);
  EXPECT_EQ(Db({"check", host}).out, "ok\n");
  EXPECT_EQ(Backups(install), 1u);
}
