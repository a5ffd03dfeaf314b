// The built remendor-db, run as support staff run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/RunTool.h"

namespace {

class RemendorDb : public ::testing::Test {
 protected:
  void SetUp() override {
    base = dir.File("base.mdb");
    script = dir.File("crear.sql");
    std::ofstream(script) << "-- tabla de prueba\n"
                             "CREATE TABLE Personas (Nombre TEXT (20), Edad LONG);\n"
                             "INSERT INTO Personas (Nombre, Edad)\n"
                             "  VALUES ('Ana, \"la jefa\"', 41);\n"
                             "INSERT INTO Personas (Nombre) VALUES ('Ñandú');\n";
    ToolResult r = RunTool("remendor-db", {"create", base, script});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  TempDir dir;
  std::string base, script;
};

}  // namespace

TEST_F(RemendorDb, QueryAsTableAndAsCsv) {
  ToolResult t = RunTool("remendor-db", {"query", base, "select * from Personas order by Edad"});
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out,
            "Nombre         | Edad\n"
            "---------------+-----\n"
            "Ñandú          | Null\n"
            "Ana, \"la jefa\" | 41\n"
            "(2 filas)\n");
  ToolResult c =
      RunTool("remendor-db", {"query", "--csv", base, "select * from Personas order by Edad"});
  ASSERT_EQ(c.status, 0) << c.err;
  EXPECT_EQ(c.out, "Nombre,Edad\r\nÑandú,\r\n\"Ana, \"\"la jefa\"\"\",41\r\n");
}

// A scrambled file is read and written and left scrambled.
TEST_F(RemendorDb, ExecTablesAndStatusOnAPlainAndAScrambledFile) {
  ToolResult e = RunTool("remendor-db", {"exec", base, "update Personas set Edad = 1"});
  ASSERT_EQ(e.status, 0) << e.err;
  EXPECT_EQ(e.out, "2\n");
  ToolResult t = RunTool("remendor-db", {"tables", base});
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out, "Personas\n    Nombre TEXT (20)\n    Edad LONG\n");

  ToolResult plain = RunTool("remendor-db", {"status", base});
  EXPECT_NE(plain.out.find("Base de datos del motor: sí"), std::string::npos);
  EXPECT_NE(plain.out.find("Estado: sin encriptar"), std::string::npos);
  EXPECT_NE(plain.out.find("Contraseña: aceptada"), std::string::npos);
  ToolResult wrong = RunTool("remendor-db", {"--password", "otra", "status", base});
  EXPECT_NE(wrong.out.find("Contraseña: rechazada"), std::string::npos);

  ASSERT_EQ(RunTool("remendor-db", {"scramble", base}).status, 0);
  ToolResult scrambled = RunTool("remendor-db", {"status", base});
  EXPECT_NE(scrambled.out.find("Estado: encriptada"), std::string::npos);
  EXPECT_NE(scrambled.out.find("Contraseña: aceptada"), std::string::npos);
  const auto before = ReadBytes(base);
  ASSERT_EQ(RunTool("remendor-db", {"query", base, "select count(*) from Personas"}).status, 0);
  EXPECT_EQ(ReadBytes(base), before);
  ASSERT_EQ(RunTool("remendor-db", {"exec", base, "delete from Personas"}).status, 0);
  EXPECT_NE(ReadBytes(base)[0], 0);

  std::ofstream(dir.File("texto.mdb")) << "no soy una base";
  ToolResult f = RunTool("remendor-db", {"status", dir.File("texto.mdb")});
  EXPECT_EQ(f.status, 0);
  EXPECT_NE(f.out.find("Base de datos del motor: no"), std::string::npos);
}

// Every failure exits 1 with one line on standard error carrying a number
// other than 0 and a Spanish description, and leaves the files as found;
// bad usage exits 2. A password holding ";" cannot be carried by the
// connect string: every command refuses it alike, so no file is made that
// it could not open and no longer password passes for the real one.
TEST_F(RemendorDb, FailuresExitNonZeroWithOneLineAndLeaveTheFiles) {
  ASSERT_EQ(RunTool("remendor-db", {"scramble", base}).status, 0);
  const auto before = ReadBytes(base);
  const std::string locked = dir.File("clave.mdb");
  ASSERT_EQ(RunTool("remendor-db", {"--password", "abc", "create", locked}).status, 0);
  const auto lockedBefore = ReadBytes(locked);
  std::filesystem::create_directories(dir.Path() / "carpeta");
  const std::string foreign = dir.File("texto.mdb"), made = dir.File("nueva.mdb");
  std::ofstream(foreign) << std::string(500, 'x');
  const auto text = ReadBytes(foreign);
  const std::string bad = dir.File("malo.sql");
  std::ofstream(bad) << "CREATE TABLE A (x LONG);\n\nINSERT INTO Falta (x) VALUES (1);\n";
  struct Case {
    std::vector<std::string> args;
    std::string expected;  // a part of the line, or all of it
    int status = 1;
  };
  const std::vector<Case> cases = {
      {{"status", dir.File("carpeta")},
       "remendor-db: error 75: Error de acceso a '" + dir.File("carpeta") +
           "': es una carpeta, no un archivo.\n"},
      {{"status", dir.File("falta.mdb")},
       "remendor-db: error 53: No se encontró el archivo '" + dir.File("falta.mdb") + "'.\n"},
      {{"demo", base},
       "remendor-db: error 75: Error de acceso a '" + base +
           "': no es una carpeta. La instalación de muestra se crea en una carpeta.\n"},
      {{"demo", base + "/debajo"},
       "remendor-db: error 76: Error de acceso a '" + base +
           "/debajo/windows': una parte de la ruta no es una carpeta.\n"},
      {{"--password", "otra", "query", base, "select * from Personas"}, "error 3031: "},
      {{"query", base, "select * from Nada"}, "error 3078: "},
      {{"exec", base, "CREATE TABLE Personas (x LONG)"}, "error 3010: "},
      {{"exec", base, "INSERT INTO Personas (Nombre) VALUES ('un nombre demasiado largo')"},
       "error 3163: "},
      {{"query", dir.File("falta.mdb"), "select 1"}, "falta.mdb"},
      {{"tables", foreign}, "error 3343: "},
      {{"create", made, bad}, ":3: "},  // the script's line
      {{"--password", "abc;def", "create", made},
       "remendor-db: error 3031: La contraseña no es válida: no puede contener \";\".\n"},
      {{"--password", "abc;x", "tables", locked}, "error 3031: "},
      {{"--password", "abc;x", "query", locked, "select 1"}, "error 3031: "},
      {{"--password", "abc;x", "exec", locked, "select 1"}, "error 3031: "},
      {{"--password", "abc;x", "status", locked}, "error 3031: "},
      {{"--password", "abc;x", "scramble", locked}, "error 3031: "},
      {{"--password", "abcd", "tables", locked}, "error 3031: "},
      {{"query", base}, "", 2},
      {{}, "", 2},
  };
  for (const Case& c : cases) {
    const std::string what = c.args.empty() ? "" : c.args.back();
    const ToolResult r = RunTool("remendor-db", c.args);
    EXPECT_EQ(r.status, c.status) << what;
    if (c.status != 1) continue;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadBytes(base), before);
  EXPECT_EQ(ReadBytes(foreign), text);
  EXPECT_EQ(ReadBytes(locked), lockedBefore);
  EXPECT_FALSE(std::filesystem::exists(made));
  EXPECT_EQ(RunTool("remendor-db", {"--password", "abc", "tables", locked}).status, 0);
  EXPECT_NE(RunTool("remendor-db", {"--password", "abcd", "status", locked})
                .out.find("Contraseña: rechazada"),
            std::string::npos);
}

// A scrambled file lies unscrambled while a command reads it: neither a
// reader that stops early nor a stop request may leave it so.
TEST_F(RemendorDb, ScrambledFileIsPutBackWhenOutputBreaksOrTheToolIsStopped) {
  std::string diez = dir.File("diez.sql"), file = dir.File("diez.mdb");
  {
    std::ofstream sql(diez);
    sql << "CREATE TABLE Diez (n LONG);\n";
    for (int i = 0; i < 10; i++) sql << "INSERT INTO Diez (n) VALUES (" << i << ");\n";
  }
  ASSERT_EQ(RunTool("remendor-db", {"create", file, diez}).status, 0);
  ASSERT_EQ(RunTool("remendor-db", {"scramble", file}).status, 0);
  const auto before = ReadBytes(file);
  const std::string tool =
      ShellQuote(BinDir() + "/remendor-db") + " query --csv " + ShellQuote(file) + " ";
  const std::string status = dir.File("status");

  // Far more output than a pipe holds, cut short by its reader.
  const std::string longOutput = ShellQuote(
      "select 'una fila de la salida, bastante larga' & a.n, b.n from Diez a, Diez b, Diez c, "
      "Diez d");
  ASSERT_NE(std::system(("{ " + tool + longOutput + " 2>/dev/null; echo $? >" + ShellQuote(status) +
                         "; } | head -c 100 >/dev/null")
                            .c_str()),
            -1);
  EXPECT_EQ(Slurp(status), "1\n");
  EXPECT_EQ(ReadBytes(file), before);

  // A query that would run for minutes, stopped half way by each of the
  // signals that end a program: it ends at once, undone, with its line and
  // the status of the signal, and the file is back as found.
  const std::string longQuery = ShellQuote(
      "select count(*) from Diez a, Diez b, Diez c, Diez d, Diez e, Diez f, Diez g, Diez h, "
      "Diez i where a.n & b.n & c.n <> 'x'");
  const std::string err = dir.File("err");
  for (const auto& [signal, number] :
       {std::pair{"INT", 2}, std::pair{"TERM", 15}, std::pair{"HUP", 1}, std::pair{"QUIT", 3}}) {
    ASSERT_NE(std::system((tool + longQuery + " >/dev/null 2>" + ShellQuote(err) +
                           " & sleep 0.2; kill -" + signal + " $!; wait $!; echo $? >" +
                           ShellQuote(status))
                              .c_str()),
              -1);
    EXPECT_EQ(Slurp(status), std::to_string(128 + number) + "\n") << signal;
    EXPECT_EQ(Slurp(err),
              std::string("remendor-db: error 3059: Operación cancelada por el usuario (se recibió "
                          "SIG") +
                  signal + ").\n");
    EXPECT_EQ(ReadBytes(file), before) << signal;
  }
}

// The command's work went well, but the file could not be scrambled back
// (here it was moved away while the tool read it): the tool must not
// report success, since the file was not left as found.
TEST_F(RemendorDb, FailedRescrambleAfterACommandExitsNonZero) {
  ASSERT_EQ(RunTool("remendor-db", {"scramble", base}).status, 0);
  const std::string moved = dir.File("movida.mdb");
  const std::string err = dir.File("err");
  const std::string query = ShellQuote(
      "select count(*) from Personas a, Personas b, Personas c, Personas d, Personas e, "
      "Personas f, Personas g, Personas h, Personas i, Personas j, Personas k, Personas l, "
      "Personas m, Personas n, Personas o, Personas p, Personas q, Personas r, Personas s, "
      "Personas t where a.Nombre & b.Nombre & c.Nombre <> 'x'");
  // Waits until the engine reads the file (its lock on the file's inode
  // shows in /proc/locks, which the unscrambling step takes none of), then
  // moves it away: moved any earlier, the open itself would fail instead.
  const std::string script =
      "ino=$(stat -c %i " + ShellQuote(base) + "); " + ShellQuote(BinDir() + "/remendor-db") +
      " query " + ShellQuote(base) + " " + query + " >/dev/null 2>" + ShellQuote(err) +
      " & n=0; until grep -q \":$ino \" /proc/locks || [ $n -ge 4000 ]; do n=$((n+1)); "
      "sleep 0.002; done; mv " +
      ShellQuote(base) + " " + ShellQuote(moved) + "; wait $!";
  const int raw = std::system(("sh -c " + ShellQuote(script)).c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  const std::string lines = Slurp(err);  // the last one says why
  EXPECT_TRUE(
      lines.ends_with("\nremendor-db: error 75: Ha ocurrido un error al desencriptar la "
                      "base de datos: '" +
                      base + "'.\n"))
      << lines;
  EXPECT_EQ(ReadBytes(moved)[0], 0);  // left unscrambled: the failure was real
}
