// ClsKolm: installation path, opening of plain and scrambled databases, and
// the scrambling itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>

#include "dao/DBEngine.h"
#include "host/ClsKolm.h"
#include "platform/PathSeparator.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "support/WindowsFolder.h"

namespace {

class ClsKolmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.File("VORA12.mdb");
    dao::Database db = dao::DBEngine::CreateDatabase(path, "wePlorKadviM");
    db.Execute("CREATE TABLE t (a LONG)");
    db.Execute("INSERT INTO t (a) VALUES (7)");
    db.Close();
  }
  void WriteWindowsFile(const std::string& content) {
    ASSERT_TRUE(windows.Write("novuPath.sys", content)) << "cannot write into " << windows.Path();
  }

  TempDir dir;
  WindowsFolder windows;
  std::string path;
  ScopedService<RecordingMessageBox> boxes;
  ClsKolm kolm;
};

}  // namespace

// Only the first line, as written: a trailing separator stays (callers then
// double it), and a Windows program's ANSI code page reads like UTF-8. An
// empty or missing file raises an error naming it.
TEST_F(ClsKolmTest, PathFileFirstLineIsReturnedUnchangedOrItsLackNamesThePath) {
  const std::pair<const char*, const char*> cases[] = {
      {"D:\\Aplicativos\r\nsegunda linea\r\n", "D:\\Aplicativos"},
      {"D:\\Aplicativos\\\n", "D:\\Aplicativos\\"},
      {"D:\\Aplicativos\rsegunda linea\r", "D:\\Aplicativos"},
      {"  /opt/novu  ", "  /opt/novu  "},
      {"C:\\Aplicaci\xF3n\r\n", "C:\\Aplicación"},
      {"C:\\Aplicación\r\n", "C:\\Aplicación"},
      {"", "62 "},
      {nullptr, "53 "}};
  const std::string file = windows.Path() + kPathSeparatorText + "novuPath.sys";
  for (const auto& [content, first] : cases) {
    if (content) {
      WriteWindowsFile(content);
    } else {
      windows.Remove("novuPath.sys");
    }
    std::string read;
    const std::string error = ErrorMessageOf([&] { read = kolm.DarPathNOVU(); });
    if (error.empty()) {
      EXPECT_EQ(read, first) << content;
    } else {
      EXPECT_EQ(error.rfind(first, 0), 0u) << error;
      EXPECT_NE(error.find(file), std::string::npos) << error;
    }
  }
}

// The scrambling changes 40 bytes and undoes itself; the host's password
// opens the file either way, a scrambled one after unscrambling it.
TEST_F(ClsKolmTest, APlainFileOpensUntouchedAScrambledOneUnscrambledAReadOnlyOneWritable) {
  const auto plain = ReadBytes(path);
  dao::Database db;
  ASSERT_TRUE(kolm.AbrirBaseMdb(path, db));
  EXPECT_EQ(ReadBytes(path), plain);
  kolm.encriptoDesencripto(path);
  db.Close();
  const auto scrambled = ReadBytes(path);
  EXPECT_NE(scrambled[0], 0);
  int changed = 0;
  for (size_t i = 0; i < scrambled.size(); i++) changed += scrambled[i] != plain[i];
  EXPECT_EQ(changed, 40);
  kolm.encriptoDesencripto(path);
  EXPECT_EQ(ReadBytes(path), plain);  // twice restores byte for byte

  kolm.encriptoDesencripto(path);
  ASSERT_TRUE(kolm.AbrirBaseMdb(path, db));
  EXPECT_EQ(ReadBytes(path), plain);
  EXPECT_EQ(db.OpenRecordset("select a from t").Fields(0).Value().ToLong(), 7);
  EXPECT_TRUE(boxes->Boxes().empty());

  // A read-only file is opened for writing.
  db.Close();
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  ASSERT_TRUE(kolm.AbrirBaseMdb(path, db));
  db.Execute("INSERT INTO t (a) VALUES (8)");
  EXPECT_NE(std::filesystem::status(path).permissions() & std::filesystem::perms::owner_write,
            std::filesystem::perms::none);
}

// A failed open shows the engine's description and keeps the handle and
// the file. A foreign file pointed at by mistake is never damaged: its
// first byte, neither 0 (plain) nor 0x3B (scrambled), passes for
// scrambled; one of 390 bytes is too short to toggle, so the open shows the
// scrambling's failure and then the engine's refusal. A longer one is
// toggled, refused and toggled back: one box, the same bytes. The
// scrambling is all or nothing.
TEST_F(ClsKolmTest, AFailedOpenShowsWhyAndLeavesTheHandleAndTheFileAsTheyWere) {
  dao::Database held;
  ASSERT_TRUE(kolm.AbrirBaseMdb(path, held));
  std::string other = dir.File("otra.mdb");
  dao::DBEngine::CreateDatabase(other, "otraClave").Close();
  ClsKolm scrambler;
  scrambler.encriptoDesencripto(other);
  auto before = ReadBytes(other);
  EXPECT_FALSE(kolm.AbrirBaseMdb(other, held));  // wrong password, after unscrambling
  EXPECT_EQ(ReadBytes(other), before);           // scrambled back, byte for byte
  EXPECT_TRUE(held.IsOpen());
  EXPECT_EQ(held.Name(), path);
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(boxes->Boxes()[0].text, kolm.LastError()->Description());
  EXPECT_EQ(boxes->Boxes()[0].style, 0);
  EXPECT_EQ(boxes->Boxes()[0].title, "Remendor");
  EXPECT_EQ(kolm.LastError()->Number(), 3031);
  EXPECT_FALSE(kolm.AbrirBaseMdb(dir.File("falta.mdb"), held));
  EXPECT_EQ(boxes->Boxes().size(), 2u);
  EXPECT_NE(boxes->Boxes()[1].text.find("falta.mdb"), std::string::npos);
  EXPECT_EQ(held.Name(), path);

  boxes->Clear();
  const std::string foreign = dir.File("corto.mdb");
  std::vector<unsigned char> text(390, 'x');
  text[0] = 'N';
  WriteBytes(foreign, text);

  EXPECT_FALSE(kolm.AbrirBaseMdb(foreign, held));
  EXPECT_EQ(ReadBytes(foreign), text);
  EXPECT_EQ(held.Name(), path);
  EXPECT_TRUE(kolm.LastScrambleFailed());
  ASSERT_EQ(boxes->Boxes().size(), 2u);
  EXPECT_EQ(boxes->Boxes()[0].text, "Ha ocurrido un error al desencriptar la base de datos");
  EXPECT_EQ(boxes->Boxes()[1].text, "Formato de base de datos no reconocido '" + foreign + "'.");
  EXPECT_EQ(kolm.LastError()->Number(), 3343);

  text.resize(391, 'x');
  WriteBytes(foreign, text);
  boxes->Clear();
  EXPECT_FALSE(kolm.AbrirBaseMdb(foreign, held));
  EXPECT_EQ(ReadBytes(foreign), text);
  EXPECT_FALSE(kolm.LastScrambleFailed());
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(kolm.LastError()->Number(), 3343);

  // Exactly long enough: the last byte of the range toggles too.
  WriteBytes(foreign, std::vector<unsigned char>(391, 0));
  kolm.encriptoDesencripto(foreign);
  EXPECT_FALSE(kolm.LastScrambleFailed());
  EXPECT_EQ(ReadBytes(foreign)[390], 0x3B);
  EXPECT_EQ(ReadBytes(foreign)[389], 0);
  kolm.encriptoDesencripto(dir.File("falta.mdb"));
  EXPECT_TRUE(kolm.LastScrambleFailed());
  EXPECT_EQ(boxes->Boxes().size(), 2u);
}
