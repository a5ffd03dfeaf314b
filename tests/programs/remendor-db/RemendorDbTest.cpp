// The built remendor-db, run as support staff run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "RemendorDbTool.h"

namespace {

using ::testing::HasSubstr;

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
    ToolResult r = Db({"create", base, script});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  TempDir dir;
  std::string base, script;
};

}  // namespace

TEST(RemendorDbVersionAndHelp, AnswerOnStandardOutput) {
  ToolResult v = Db({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_TRUE(std::regex_match(v.out, std::regex("remendor-db [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << v.out;
  EXPECT_EQ(v.err, "");

  ToolResult h = Db({"--help"}, "WINDIR=/tmp/otra/windows");
  EXPECT_EQ(h.status, 0);
  EXPECT_EQ(h.out.rfind("Uso: remendor-db", 0), 0u) << h.out;
  EXPECT_THAT(h.out, HasSubstr("(ahora /tmp/otra/windows)"));
  EXPECT_THAT(h.out, HasSubstr("junto al programa (" +
                               std::filesystem::canonical(BinDir()).string() + ")"));
  EXPECT_THAT(Db({"--help"}, "env -u WINDIR").out, HasSubstr("(WINDIR no está definida)"));
  // --version is an option of repair, too; a stray one is bad usage.
  EXPECT_EQ(Db({"--version", "27"}).status, 2);
  EXPECT_EQ(Db({"--password", "x", "--version"}).status, 2);
}

// A scrambled file is read and written and left scrambled.
TEST_F(RemendorDb, QueryExecTablesAndStatusOnAPlainAndAScrambledFile) {
  const std::string query = "select * from Personas order by Edad";
  ToolResult t = Db({"query", base, query});
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out,
            "Nombre         | Edad\n"
            "---------------+-----\n"
            "Ñandú          | Null\n"
            "Ana, \"la jefa\" | 41\n"
            "(2 filas)\n");
  EXPECT_EQ(Db({"query", "--csv", base, query}).out,
            "Nombre,Edad\r\nÑandú,\r\n\"Ana, \"\"la jefa\"\"\",41\r\n");
  EXPECT_EQ(Db({"query", "--csv", base, "select 'a,b' as x"}).out,
            "x\r\n\"a,b\"\r\n");  // a comma alone
  EXPECT_EQ(Db({"exec", base, "update Personas set Edad = 1"}).out, "2\n");
  EXPECT_EQ(Db({"tables", base}).out, "Personas\n    Nombre TEXT (20)\n    Edad LONG\n");

  const std::string plain = Db({"status", base}).out;
  EXPECT_THAT(plain, HasSubstr("Base de datos del motor: sí"));
  EXPECT_THAT(plain, HasSubstr("Estado: sin encriptar"));
  EXPECT_THAT(plain, HasSubstr("Contraseña: aceptada"));
  EXPECT_THAT(Db({"--password", "otra", "status", base}).out, HasSubstr("Contraseña: rechazada"));

  ASSERT_EQ(Db({"scramble", base}).status, 0);
  const std::string scrambled = Db({"status", base}).out;
  EXPECT_THAT(scrambled, HasSubstr("Estado: encriptada"));
  EXPECT_THAT(scrambled, HasSubstr("Contraseña: aceptada"));
  const auto before = ReadBytes(base);
  ASSERT_EQ(Db({"query", base, "select count(*) from Personas"}).status, 0);
  EXPECT_EQ(ReadBytes(base), before);
  ASSERT_EQ(Db({"exec", base, "delete from Personas"}).status, 0);
  EXPECT_NE(ReadBytes(base)[0], 0);

  std::ofstream(dir.File("texto.mdb")) << "no soy una base";
  ToolResult f = Db({"status", dir.File("texto.mdb")});
  EXPECT_EQ(f.status, 0);
  EXPECT_THAT(f.out, HasSubstr("Base de datos del motor: no"));
}

// Every failure exits 1 with one line on standard error carrying a number
// other than 0 and a Spanish description, and leaves the files as found;
// bad usage exits 2. A password holding ";" cannot be carried by the
// connect string: every command refuses it alike, so no file is made that
// it could not open and no longer password passes for the real one.
TEST_F(RemendorDb, FailuresExitNonZeroWithOneLineAndLeaveTheFiles) {
  ASSERT_EQ(Db({"scramble", base}).status, 0);
  const auto before = ReadBytes(base);
  const std::string locked = dir.File("clave.mdb");
  ASSERT_EQ(Db({"--password", "abc", "create", locked}).status, 0);
  const auto lockedBefore = ReadBytes(locked);
  const std::string folder = dir.File("carpeta"), missing = dir.File("falta.mdb"),
                    foreign = dir.File("texto.mdb"), made = dir.File("nueva.mdb"),
                    bad = dir.File("malo.sql");
  std::filesystem::create_directories(folder);
  std::ofstream(foreign) << std::string(500, 'x');
  const auto text = ReadBytes(foreign);
  std::ofstream(bad) << "CREATE TABLE A (x LONG);\n\nINSERT INTO Falta (x) VALUES (1);\n";
  struct Case {
    std::vector<std::string> args;
    std::string expected;  // a part of the line, or all of it
    int status = 1;
  };
  const std::vector<Case> cases = {
      {{"status", folder},
       "remendor-db: error 75: Error de acceso a '" + folder +
           "': es una carpeta, no un archivo.\n"},
      {{"status", missing},
       "remendor-db: error 53: No se encontró el archivo '" + missing + "'.\n"},
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
      {{"query", missing, "select 1"}, "falta.mdb"},
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
    const ToolResult r = Db(c.args);
    EXPECT_EQ(r.status, c.status) << (c.args.empty() ? "" : c.args.back());
    if (c.status != 1) continue;
    EXPECT_EQ(r.out, "") << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_THAT(r.err, HasSubstr(c.expected));
  }
  EXPECT_EQ(ReadBytes(base), before);
  EXPECT_EQ(ReadBytes(foreign), text);
  EXPECT_EQ(ReadBytes(locked), lockedBefore);
  EXPECT_FALSE(std::filesystem::exists(made));
  EXPECT_EQ(Db({"--password", "abc", "tables", locked}).status, 0);
  EXPECT_THAT(Db({"--password", "abcd", "status", locked}).out, HasSubstr("Contraseña: rechazada"));
}

// A scrambled file lies unscrambled while a command reads it: neither a
// reader that stops early nor a stop request may leave it so.
TEST_F(RemendorDb, ScrambledFileIsPutBackWhenOutputBreaksOrTheToolIsStopped) {
  const std::string ten = dir.File("diez.sql"), file = dir.File("diez.mdb");
  std::ofstream(ten) << "CREATE TABLE Diez (n LONG);\n";
  for (int i = 0; i < 10; i++)
    std::ofstream(ten, std::ios::app) << "INSERT INTO Diez (n) VALUES (" << i << ");\n";
  ASSERT_EQ(Db({"create", file, ten}).status, 0);
  ASSERT_EQ(Db({"scramble", file}).status, 0);
  const auto before = ReadBytes(file);
  const std::string tool =
      ShellQuote(BinDir() + "/remendor-db") + " query --csv " + ShellQuote(file) + " ";
  const std::string status = dir.File("status"), err = dir.File("err");

  // Far more output than a pipe holds, cut short by its reader.
  const std::string longOutput = ShellQuote(
      "select 'una fila de la salida, bastante larga' & a.n, b.n from Diez a, Diez b, Diez c, Diez "
      "d");
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
      "select count(*) from Diez a, Diez b, Diez c, Diez d, Diez e, Diez f, Diez g, Diez h, Diez i "
      "where a.n & b.n & c.n <> 'x'");
  for (const auto& [signal, number] :
       {std::pair{"INT", 2}, std::pair{"TERM", 15}, std::pair{"HUP", 1}, std::pair{"QUIT", 3}}) {
    ASSERT_NE(std::system((tool + longQuery + " >/dev/null 2>" + ShellQuote(err) +
                           " & sleep 0.2; kill -" + signal + " $!; wait $!; echo $? >" +
                           ShellQuote(status))
                              .c_str()),
              -1);
    EXPECT_EQ(Slurp(status), std::to_string(128 + number) + "\n") << signal;
    EXPECT_EQ(
        Slurp(err),
        std::string("remendor-db: error 3059: Operación cancelada por el usuario (se recibió SIG") +
            signal + ").\n");
    EXPECT_EQ(ReadBytes(file), before) << signal;
  }
}

// The command's work went well, but the file could not be scrambled back
// (here it was moved away while the tool read it): the tool must not
// report success, since the file was not left as found.
TEST_F(RemendorDb, FailedRescrambleAfterACommandExitsNonZero) {
  ASSERT_EQ(Db({"scramble", base}).status, 0);
  const std::string moved = dir.File("movida.mdb"), err = dir.File("err");
  std::string query = "select count(*) from Personas a";
  for (char t = 'b'; t <= 't'; t++) query += std::string(", Personas ") + t;
  query += " where a.Nombre & b.Nombre & c.Nombre <> 'x'";
  // Waits until the engine reads the file (its lock on the file's inode
  // shows in /proc/locks, which the unscrambling step takes none of), then
  // moves it away: moved any earlier, the open itself would fail instead.
  const std::string script = "ino=$(stat -c %i " + ShellQuote(base) + "); " +
                             ShellQuote(BinDir() + "/remendor-db") + " query " + ShellQuote(base) +
                             " " + ShellQuote(query) + " >/dev/null 2>" + ShellQuote(err) +
                             " & n=0; until grep -q \":$ino \" /proc/locks || [ $n -ge 4000 ]; do "
                             "n=$((n+1)); sleep 0.002; done; mv " +
                             ShellQuote(base) + " " + ShellQuote(moved) + "; wait $!";
  const int raw = std::system(("sh -c " + ShellQuote(script)).c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  // The last line says why.
  EXPECT_THAT(
      Slurp(err),
      ::testing::EndsWith(
          "\nremendor-db: error 75: Ha ocurrido un error al desencriptar la base de datos: '" +
          base + "'.\n"));
  EXPECT_EQ(ReadBytes(moved)[0], 0);  // left unscrambled: the failure was real
}
