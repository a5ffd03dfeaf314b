// The sample installation's contributor database, read the way the maker's
// programs read it: Cargar from the host's folder, one folder below it.
#include <gtest/gtest.h>

#include <memory>

#include "host/ClsKolm.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/RunTool.h"

TEST(DemoContributors, EachSampleContributorLoadsWithItsAddress) {
  TempDir dir;
  const std::string sample = dir.File("muestra");
  ToolResult demo = RunTool("remendor-db", {"demo", sample});
  ASSERT_EQ(demo.status, 0) << demo.err;
  const std::string novu = sample + "/novu/Novu.mdb";
  EXPECT_NE(demo.out.find(novu), std::string::npos) << demo.out;
  const auto stored = ReadBytes(novu);
  ASSERT_FALSE(stored.empty());
  EXPECT_NE(stored[0], 0);  // scrambled

  ScopedService<RecordingMessageBox> boxes;
  struct Expected {
    const char* cuit;
    const char* descripcion;
    int32_t nContrib, tipo;
    const char* direccion;
  } expected[] = {
      {"30712345671", "CONSTRUCCIONES DEL PLATA S.A.", 1, 2,
       "Av. Belgrano 1234 Piso 3 Dto B Centro - Córdoba (5000)"},
      {"20234567897", "OHIGGINS,MARTÍN", 2, 1,
       "San Martín 455 Piso PB Dto A Alberdi - Rosario (2000)"},
      {"33709876541", "COOPERATIVA EL CEIBO LTDA.", 3, 2, " "},
      {"27298765433", "SOSA, MARÍA JOSÉ", 4, 1, "Ruta 9 Km 712 Piso  Dto   - Villa María (5900)"},
  };
  ClsKolm kolm;
  for (const Expected& e : expected) {
    ASSERT_TRUE(kolm.Cargar(e.cuit, sample + "/novu/VORA12")) << e.cuit;
    EXPECT_EQ(kolm.Descripcion, e.descripcion);
    EXPECT_EQ(kolm.nContrib, e.nContrib);
    EXPECT_EQ(kolm.TipoPersona, e.tipo);
    EXPECT_EQ(kolm.ObtenerDirección(), e.direccion) << e.cuit;
  }
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_EQ(ReadBytes(novu), stored);
}
