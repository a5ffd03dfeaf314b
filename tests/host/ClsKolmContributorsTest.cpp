// ClsKolm's contributor data: Cargar and ObtenerDirección against a
// scrambled contributor database one folder above the program's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "dao/DBEngine.h"
#include "host/ClsKolm.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// How many of this process's open files are `path`.
int OpenHandlesTo(const std::string& path) {
  int count = 0;
  std::error_code ec;
  for (const auto& fd : fs::directory_iterator("/proc/self/fd", ec)) {
    std::error_code gone;
    if (fs::read_symlink(fd.path(), gone) == fs::path(path)) ++count;
  }
  return count;
}

class ClsKolmContributorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.Path() / "novu" / "app");
    novu = dir.File("novu/Novu.mdb");
    dao::Database db = dao::DBEngine::CreateDatabase(novu, "wePlorKadviM");
    const char* const statements[] = {
        "CREATE TABLE Contribs (Cuit TEXT (11), Descrip TEXT (60), nContrib LONG, TipoPersona "
        "INTEGER)",
        "CREATE TABLE domicilio (ncontrib LONG, Calle TEXT (40), nro TEXT (10), piso TEXT (5), "
        "dtoofLoc TEXT (5), Barrio TEXT (40), Localidad TEXT (40), codPostal TEXT (8))",
        "INSERT INTO Contribs VALUES ('30712345671', 'CONSTRUCCIONES DEL PLATA S.A.', 1, 2)",
        "INSERT INTO Contribs VALUES ('20234567897', 'O''HIGGINS,\tMARTÍN', 2, 1)",
        "INSERT INTO Contribs VALUES ('27298765433', 'SOSA, MARÍA JOSÉ', 4, 1)",
        "INSERT INTO Contribs VALUES ('20111111112', NULL, 5, 1)",
        "INSERT INTO domicilio VALUES (1, 'Av. Belgrano', '1234', '3', 'B', 'Centro', 'Córdoba', "
        "'5000')",
        "INSERT INTO domicilio VALUES (4, 'Ruta 9 Km', '712', NULL, NULL, NULL, 'Villa María', "
        "'5900')",
    };
    for (const char* s : statements) db.Execute(s);
    db.Close();
    kolm.encriptoDesencripto(novu);
    scrambled = ReadBytes(novu);
  }
  std::string App() const { return dir.File("novu/app"); }
  // What Cargar keeps of a contributor.
  std::tuple<std::string, std::string, int32_t, int32_t> Loaded() const {
    return {kolm.Cuit, kolm.Descripcion, kolm.nContrib, kolm.TipoPersona};
  }
  std::string BoxText(size_t i) const {
    return i < boxes->Boxes().size() ? boxes->Boxes()[i].text : "(no box)";
  }

  TempDir dir;
  std::string novu;
  std::vector<unsigned char> scrambled;
  ScopedService<RecordingMessageBox> boxes;
  ClsKolm kolm;
};

}  // namespace

TEST_F(ClsKolmContributorsTest, ContributorIsLoadedAndTheFileLeftAsItWasScrambledOrPlain) {
  ASSERT_TRUE(kolm.Cargar("30712345671", App()));
  EXPECT_EQ(Loaded(), std::make_tuple("30712345671", "CONSTRUCCIONES DEL PLATA S.A.", 1, 2));
  EXPECT_EQ(kolm.ObtenerDirección(), "Av. Belgrano 1234 Piso 3 Dto B Centro - Córdoba (5000)");
  EXPECT_TRUE(boxes->Boxes().empty()) << BoxText(0);
  EXPECT_EQ(ReadBytes(novu), scrambled);  // closed and scrambled again
  EXPECT_EQ(OpenHandlesTo(novu), 0);

  // A plain file stays plain. A name with an apostrophe and a tab keeps
  // neither.
  kolm.encriptoDesencripto(novu);
  const auto plain = ReadBytes(novu);
  ASSERT_TRUE(kolm.Cargar("20234567897", App()));
  EXPECT_EQ(Loaded(), std::make_tuple("20234567897", "OHIGGINS,MARTÍN", 2, 1));
  EXPECT_EQ(kolm.ObtenerDirección(), " ");  // no address rows: one blank, not an empty text

  ASSERT_TRUE(kolm.Cargar("27298765433", App()));
  EXPECT_EQ(kolm.ObtenerDirección(), "Ruta 9 Km 712 Piso  Dto   - Villa María (5900)");
  EXPECT_EQ(ReadBytes(novu), plain);
}

TEST_F(ClsKolmContributorsTest,
       EachFailureShowsItsMessageOrIsRaisedAndAnAddressWithoutTheFileIsOneBlank) {
  ASSERT_TRUE(kolm.Cargar("30712345671", App()));

  EXPECT_FALSE(kolm.Cargar("", App()));
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(BoxText(0), "El ingreso al sistema se debe realizar por medio del módulo K.O.Lm.");
  EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbOKOnly);
  EXPECT_EQ(kolm.Cuit, "30712345671");  // an empty CUIT is not stored

  boxes->Clear();
  EXPECT_FALSE(kolm.Cargar("20999999990", App()));
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(BoxText(0), "Imposible localizar los datos del contribuyente 20999999990");
  // The CUIT is stored; the rest keeps what it held.
  EXPECT_EQ(Loaded(), std::make_tuple("20999999990", "CONSTRUCCIONES DEL PLATA S.A.", 1, 2));
  EXPECT_EQ(ReadBytes(novu), scrambled);

  // No database above the given folder: the open routine's box, then ours.
  boxes->Clear();
  EXPECT_FALSE(kolm.Cargar("30712345671", dir.File("novu/app/sub")));
  ASSERT_EQ(boxes->Boxes().size(), 2u);
  EXPECT_EQ(BoxText(1), "No se pudo abrir la base de datos del Kolm");
  EXPECT_EQ(kolm.Cuit, "20999999990");

  // A Null name is raised, and the file still released.
  ASSERT_TRUE(kolm.Cargar("30712345671", App()));
  EXPECT_EQ(ErrorOf([&] { kolm.Cargar("20111111112", App()); }), 94);
  EXPECT_EQ(Loaded(), std::make_tuple("20111111112", "CONSTRUCCIONES DEL PLATA S.A.", 1, 2));
  EXPECT_EQ(ReadBytes(novu), scrambled);
  EXPECT_EQ(OpenHandlesTo(novu), 0);

  // The address without the database: one blank, after the open's box.
  ASSERT_TRUE(kolm.Cargar("30712345671", App()));
  fs::rename(novu, novu + ".aparte");
  EXPECT_EQ(kolm.ObtenerDirección(), " ");
  EXPECT_EQ(boxes->Boxes().size(), 3u);
  EXPECT_EQ(ClsKolm().ObtenerDirección(), " ");  // never loaded: no path either
}

TEST_F(ClsKolmContributorsTest, CuitWithAQuoteSelectsNothingAndBreaksNothing) {
  // A NUL byte too: the engine refuses one inside a literal.
  for (const std::string& cuit :
       std::vector<std::string>{"20'", "x' OR 'a'='a", "' OR Cuit <> '", "30712345671' --",
                                std::string("30712345671\0", 12), std::string("\0' OR '", 7)}) {
    boxes->Clear();
    EXPECT_FALSE(kolm.Cargar(cuit, App())) << cuit;
    EXPECT_EQ(BoxText(0), "Imposible localizar los datos del contribuyente " + cuit);
    EXPECT_EQ(kolm.ObtenerDirección(), " ") << cuit;
    EXPECT_EQ(boxes->Boxes().size(), 1u) << BoxText(1);
  }
  EXPECT_EQ(ReadBytes(novu), scrambled);
}
