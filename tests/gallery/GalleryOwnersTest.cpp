// How the address page points its control at an owner of the sample: the
// owners in order; a switch that keeps the former owner's pending changes
// (left pending, an undo would run on the new owner's keys and wipe their
// rows); the host's two ends of a session, each letting the next opening
// make its own copy.
#include <gtest/gtest.h>

#include "address/AddressStatements.h"
#include "dao/DBEngine.h"
#include "gallery/GalleryOwners.h"
#include "samples/SampleAddresses.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

namespace {

class GalleryOwnersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = dao::DBEngine::CreateDatabase(dir.File("VORA12.mdb"), "clave");
    SampleAddresses::Crear(db);
    owners = std::make_unique<GalleryOwners>(db);
  }
  void TearDown() override {
    control.SetDb(dao::Database());
    owners.reset();
    db.Close();
  }

  long CountAddresses(const std::string& condition) {
    return FirstNumber(db, "select count(*) from 24Domicilios where " + condition);
  }
  const GalleryOwner& Owner(int32_t codDJ, int32_t owner) {
    for (const GalleryOwner& t : owners->Titulares()) {
      if (t.CodDJ == codDJ && t.CodDueno == owner) return t;
    }
    throw std::runtime_error("no such owner");
  }
  // What the editor's opening does first, and an edit made in it.
  void OpenAndDelete(int32_t codDomicilio) {
    control.Copia().HacerCopia(AddressStatements::CodigoCopia(control.Dueño()));
    control.SetInicio(false);
    db.Execute("delete from 24Domicilios where CodDJ = " + std::to_string(control.CodDJ()) +
               " and CodDomicilio = " + std::to_string(codDomicilio));
  }

  TempDir dir;
  dao::Database db;
  std::unique_ptr<GalleryOwners> owners;
  UcnDomModel control;
};

}  // namespace

TEST_F(GalleryOwnersTest, TheOwnersComeInDeclarationAndOwnerOrder) {
  std::vector<std::string> names;
  for (const GalleryOwner& t : owners->Titulares()) names.push_back(t.Nombre);
  EXPECT_EQ(names, (std::vector<std::string>{"CONSTRUCCIONES DEL PLATA S.A.", "GÓMEZ, MARÍA JOSÉ",
                                             "PEÑA HERMANOS S.R.L.", "SUÁREZ, TOMÁS",
                                             "ÁLVAREZ, NICOLÁS"}));
  const GalleryOwner& pending = owners->Titulares().back();
  EXPECT_EQ(pending.Cuit, "33709876541");
  EXPECT_EQ(pending.CodReferencia, -2);
}

TEST_F(GalleryOwnersTest, SwitchingOwnersKeepsThePendingChangesAndNeverUndoesOnTheNewOwner) {
  owners->Elegir(control, Owner(1, 1));
  EXPECT_EQ(
      control.txt(),
      "Av. Belgrano 1234, Córdoba\r\nBv. San Juan 850, Córdoba\r\nRuta Nacional 9 , Villa María");
  OpenAndDelete(2);
  ASSERT_TRUE(control.Copia().Pendiente());

  owners->Elegir(control, Owner(2, 1));
  EXPECT_FALSE(control.Copia().Pendiente());
  EXPECT_TRUE(control.Inicio());
  EXPECT_EQ(control.Cuit(), "30654321098");
  EXPECT_EQ(control.txt(),
            "Av. Rivadavia 7300, Ciudad Autónoma de Buenos Aires\r\nGüemes 420, San Fernando del "
            "Valle de Catamarca");
  EXPECT_EQ(CountAddresses("CodDJ < 0"), 0);  // no backup left behind

  GalleryOwners::Deshacer(control);  // nothing to undo for this owner
  EXPECT_EQ(CountAddresses("CodDJ = 2 and CodDueno = 1"), 2);
  EXPECT_EQ(CountAddresses("CodDJ = 1 and CodDueno = 1"), 2);  // the kept deletion
}

TEST_F(GalleryOwnersTest, UndoBringsTheRowsBackAndEitherEndStartsANewSession) {
  owners->Elegir(control, Owner(1, 1));
  OpenAndDelete(1);
  GalleryOwners::Deshacer(control);
  EXPECT_EQ(CountAddresses("CodDJ = 1 and CodDueno = 1"), 3);
  EXPECT_EQ(CountAddresses("CodDJ < 0"), 0);
  EXPECT_TRUE(control.Inicio());
  EXPECT_FALSE(control.Copia().Pendiente());
  EXPECT_EQ(control.txt().substr(0, 18), "Av. Belgrano 1234,");

  OpenAndDelete(3);
  GalleryOwners::Guardar(control);
  EXPECT_TRUE(control.Inicio());
  EXPECT_FALSE(control.Copia().Pendiente());
  EXPECT_EQ(CountAddresses("CodDJ = 1 and CodDueno = 1"), 2);
  EXPECT_EQ(CountAddresses("CodDJ < 0"), 0);
}
