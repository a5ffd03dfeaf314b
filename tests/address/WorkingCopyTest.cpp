// The working copy on the sample data: the cycle of an editing session
// undone or kept, a restore that fails half way, backups of other owners
// and backups left behind.
#include <gtest/gtest.h>

#include <memory>

#include "address/AddressFixture.h"
#include "address/AddressRecords.h"
#include "address/AddressStatements.h"
#include "address/WorkingCopy.h"

namespace {

using D = SampleAddresses;

class WorkingCopyTest : public AddressFixture {
 protected:
  // Everything but the backup rows of the scope's owner.
  std::vector<std::string> SinCopia() {
    std::vector<std::string> filas;
    const std::string copia = std::to_string(-ambito.Dueño) + "|";
    for (const std::string& f : Tabla()) {
      if (f.find("|" + copia) == std::string::npos || f.find(ambito.Cuit) != 0) filas.push_back(f);
    }
    return filas;
  }
  long Copias() {
    return Contar("CodDJ = " + std::to_string(-ambito.Dueño) + " and Cuit = '" + ambito.Cuit +
                  "' and CodDueno = " + std::to_string(ambito.Dueño));
  }
  // What a user does in the editor: add, edit, delete.
  void Editar() {
    registros.Agregar(Address("Av. Colón", "5000", "Córdoba"));
    AddressInput editado = Address("Av. Gral. Manuel Belgrano", "1240", "Córdoba");
    editado.Fiscal = true;
    registros.Editar(1, editado);
    registros.Eliminar(2);
  }

  AddressRecords registros{ambito};
  WorkingCopy copia{ambito};
};

// Declarations 5 and 6 of the first taxpayer, each with an owner 1, as a
// host opens them side by side with the copy code -1: declaration 5 holds
// four addresses (codes 11 to 14), declaration 6 one (code 15).
class TwoDeclarationsTest : public WorkingCopyTest {
 protected:
  // One address control of the host: its scope, records and copy.
  struct Control {
    AddressScope a;
    AddressRecords registros{a};
    WorkingCopy copia{a};
  };

  void SetUp() override {
    WorkingCopyTest::SetUp();
    Cargar();
  }

  // The two declarations as described, without backup rows.
  void Cargar() {
    db.Execute("delete from 24Domicilios where CodDomicilio between 11 and 15");
    for (int codigo = 11; codigo <= 15; codigo++) {
      db.Execute(
          "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
          "Calle, Localidad) values ('30712345676', " +
          std::string(codigo < 15 ? "5" : "6") + ", 1, 1, " + std::to_string(codigo) + ", " +
          (codigo == 11 || codigo == 15 ? "1" : "0") + ", 'Calle " + std::to_string(codigo) +
          "', 'Córdoba')");
    }
  }

  std::unique_ptr<Control> Abrir(int32_t codDJ) {
    auto c = std::make_unique<Control>();
    c->a = ambito;
    c->a.CodDJ = codDJ;
    c->a.Inicio = true;
    c->copia.HacerCopia(-1);
    return c;
  }

  // "DJ 5: 11 12 13 14 | DJ 6: 15 | copia: 11 12 13 14 15": the codes of
  // the live rows of both declarations and of the backup under -1.
  std::string Codigos() {
    std::string out;
    for (int32_t dj : {5, 6, -1}) {
      dao::Recordset rs = db.OpenRecordset(
          "select CodDomicilio from 24Domicilios where Cuit = '30712345676' and CodDueno = 1 "
          "and CodDJ = " +
              std::to_string(dj) + " order by CodDomicilio",
          dao::dbOpenSnapshot);
      out += dj == 5 ? "DJ 5:" : dj == 6 ? " | DJ 6:" : " | copia:";
      for (; !rs.Eof(); rs.MoveNext()) out += " " + rs.Fields(0).Value().ToString();
    }
    return out;
  }
};

}  // namespace

// One copy however often the editor opens; undoing restores the table of
// the first opening, keeping drops the backup, and either ends the copy.
TEST_F(WorkingCopyTest, ResetearCopiaRestoresTheFirstOpeningAndCommitearCopiaKeepsTheChanges) {
  const auto inicial = Tabla();
  for (const bool deshacer : {true, false}) {
    ambito.Inicio = true;
    copia.HacerCopia(-ambito.Dueño);
    EXPECT_FALSE(ambito.Inicio);
    copia.HacerCopia(-ambito.Dueño);
    EXPECT_EQ(Copias(), 3);
    Editar();
    EXPECT_EQ(registros.DarDomicilios(),
              "Av. Gral. Manuel Belgrano 1240, Córdoba\r\nRuta Nacional 9 , Villa María\r\nAv. "
              "Colón 5000, Córdoba");
    copia.HacerCopia(-ambito.Dueño);
    EXPECT_EQ(Copias(), 3);
    const auto editada = SinCopia();
    if (deshacer) {
      copia.ResetearCopia();
      EXPECT_EQ(Tabla(), inicial);
    } else {
      copia.CommitearCopia();
      EXPECT_EQ(Tabla(), editada);
    }
    EXPECT_FALSE(ambito.Inicio);
    EXPECT_FALSE(copia.Pendiente());
    // Nothing is left to undo: a later ResetearCopia changes nothing.
    const auto tras = Tabla();
    copia.ResetearCopia();
    EXPECT_EQ(Tabla(), tras);
  }
}

TEST_F(WorkingCopyTest, AFailingRestoreRollsBackAndKeepsTheBackup) {
  const auto inicial = Tabla();
  copia.HacerCopia(-ambito.Dueño);
  Editar();
  // Another owner of the declaration takes code 2, which the backup holds:
  // bringing the backup back would break the table's unique key.
  db.Execute(
      "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
      "Calle) values ('30712345676', 1, 2, 1, 2, 0, 'Tucumán')");
  const auto antes = Tabla();
  EXPECT_NE(ErrorOf([&] { copia.ResetearCopia(); }), 0);
  EXPECT_EQ(Tabla(), antes);
  EXPECT_TRUE(copia.Pendiente());

  // Once the clash is gone the backup still restores the first opening.
  db.Execute("delete from 24Domicilios where CodDueno = 2 and Calle = 'Tucumán'");
  copia.ResetearCopia();
  EXPECT_EQ(Tabla(), inicial);
}

TEST_F(WorkingCopyTest, AnotherTaxpayersOwnerWithTheSameCodeKeepsItsBackup) {
  AddressScope otro = ScopeOf(D::kOtraEmpresa);
  WorkingCopy otraCopia(otro);
  AddressRecords otrosRegistros(otro);
  ASSERT_EQ(otro.Dueño, ambito.Dueño);

  const auto inicial = Tabla();
  copia.HacerCopia(-ambito.Dueño);
  otraCopia.HacerCopia(-otro.Dueño);
  EXPECT_EQ(Contar("CodDJ = -1"), 5);

  Editar();
  otrosRegistros.EliminarTodos();
  const std::string otrosAntes = otrosRegistros.DarDomicilios();
  copia.CommitearCopia();
  EXPECT_EQ(Contar("CodDJ = -1"), 2);  // only the other taxpayer's backup is left
  const auto tras = Tabla();

  otraCopia.ResetearCopia();
  EXPECT_EQ(otrosRegistros.DarDomicilios(),
            "Av. Rivadavia 7300, Ciudad Autónoma de Buenos "
            "Aires\r\nGüemes 420, San Fernando del Valle de "
            "Catamarca");
  EXPECT_EQ(Contar("CodDJ = -1"), 0);
  // This owner's committed changes stand; nothing of the other came in.
  EXPECT_EQ(registros.Lista().size(), 3u);
  EXPECT_EQ(Contar("Cuit = '30712345676'"), Contar("Cuit = '30712345676' and CodDJ = 1"));
  EXPECT_EQ(otrosAntes, "");
  EXPECT_NE(Tabla(), inicial);
  EXPECT_NE(Tabla(), tras);
}

TEST_F(WorkingCopyTest, ABackupLeftByACrashNeitherDuplicatesNorLosesRows) {
  {
    // A session that ended without CommitearCopia or ResetearCopia.
    AddressScope caido = ambito;
    WorkingCopy(caido).HacerCopia(-ambito.Dueño);
    AddressRecords(caido).Eliminar(3);
  }
  EXPECT_EQ(Copias(), 3);
  const auto alAbrir = SinCopia();

  // A new session's control knows of no copy: undoing changes nothing.
  copia.ResetearCopia();
  EXPECT_EQ(Tabla().size(), alAbrir.size() + 3);

  // The stale backup of the two live rows is replaced, not added to; that
  // of the deleted row stays, as it may be another open copy's.
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Copias(), 3);
  Editar();
  copia.ResetearCopia();
  EXPECT_EQ(SinCopia(), alAbrir);
  EXPECT_EQ(Copias(), 1);
  EXPECT_EQ(Contar("CodDJ = -1 and CodDomicilio = 3"), 1);
  EXPECT_EQ(registros.Lista().size(), 2u);
}

TEST_F(WorkingCopyTest, AnOwnerWithoutAddressesGetsAnEmptyBackup) {
  Para(D::kSinDomicilios);
  const auto inicial = Tabla();
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Copias(), 0);
  registros.Agregar(Address("Alsina", "", ""));
  EXPECT_NE(registros.DarDomicilios(), "");
  copia.ResetearCopia();
  EXPECT_EQ(Tabla(), inicial);
  EXPECT_EQ(registros.DarDomicilios(), "");
}

TEST_F(WorkingCopyTest, ACopyCodeEqualToTheDeclarationIsRefused) {
  ambito.CodDJ = -ambito.Dueño;
  const auto inicial = Tabla();
  EXPECT_EQ(ErrorOf([&] { copia.HacerCopia(-ambito.Dueño); }), 5);
  EXPECT_TRUE(ambito.Inicio);
  EXPECT_FALSE(copia.Pendiente());
  EXPECT_EQ(Tabla(), inicial);

  ambito.Tabla = "NoExiste";
  ambito.CodDJ = 1;
  EXPECT_EQ(ErrorOf([&] { copia.HacerCopia(-ambito.Dueño); }), 3265);
  EXPECT_TRUE(ambito.Inicio);
}

// Both opened in either order and emptied, then each undone or kept, in
// either order: each copy restores or drops only its own declaration's.
TEST_F(TwoDeclarationsTest, EachCopyRestoresOrKeepsOnlyItsOwnDeclarationInAnyOrder) {
  const auto initial = Tabla();
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: 15 | copia:");
  for (int round = 0; round < 16; round++) {
    const bool fiveOpensFirst = round & 1, fiveClosesFirst = round & 2, undoFive = round & 4,
               undoSix = round & 8;
    auto first = Abrir(fiveOpensFirst ? 5 : 6);
    auto second = Abrir(fiveOpensFirst ? 6 : 5);
    Control& five = fiveOpensFirst ? *first : *second;
    Control& six = fiveOpensFirst ? *second : *first;
    EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: 15 | copia: 11 12 13 14 15");
    five.registros.EliminarTodos();
    six.registros.EliminarTodos();
    const auto finish = [](Control& c, bool undo) {
      undo ? c.copia.ResetearCopia() : c.copia.CommitearCopia();
    };
    finish(fiveClosesFirst ? five : six, fiveClosesFirst ? undoFive : undoSix);
    finish(fiveClosesFirst ? six : five, fiveClosesFirst ? undoSix : undoFive);
    EXPECT_EQ(Codigos(), std::string("DJ 5:") + (undoFive ? " 11 12 13 14" : "") +
                             " | DJ 6:" + (undoSix ? " 15" : "") + " | copia:")
        << round;
    if (undoFive && undoSix) EXPECT_EQ(Tabla(), initial) << round;
    Cargar();  // both declarations as they were, for the next case
  }
  EXPECT_EQ(Contar("CodDJ = 1"), 4);  // the sample's own declaration untouched
}

TEST_F(TwoDeclarationsTest, ABackupLeftByACrashIsNeitherTakenByTheOtherDeclarationNorDuplicated) {
  {
    // Declaration 5's session ends without CommitearCopia or ResetearCopia,
    // after an address was changed.
    auto caida = Abrir(5);
    caida->registros.Editar(12, Address("Calle 12 bis", "", "Córdoba"));
  }
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: 15 | copia: 11 12 13 14");
  const auto trasLaCaida = Tabla();

  // Declaration 6 is opened, emptied and undone, then emptied and kept:
  // the stale backup of 5 is not its to drop or to restore.
  auto seis = Abrir(6);
  seis->registros.EliminarTodos();
  seis->copia.ResetearCopia();
  EXPECT_EQ(Tabla(), trasLaCaida);
  seis = Abrir(6);
  seis->registros.EliminarTodos();
  seis->copia.CommitearCopia();
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: | copia: 11 12 13 14");

  // Declaration 5 opened again: the stale backup is replaced, not added to,
  // and undoing brings back the rows of this opening, each once.
  auto cinco = Abrir(5);
  EXPECT_EQ(Contar("CodDJ = -1 and Cuit = '30712345676'"), 4);
  cinco->registros.EliminarTodos();
  cinco->copia.ResetearCopia();
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: | copia:");
  EXPECT_EQ(Contar("CodDJ = 5 and Calle = 'Calle 12 bis'"), 1);
}

TEST_F(TwoDeclarationsTest, ACrashBetweenTheTwoResetsLeavesTheSecondStillToUndo) {
  auto cinco = Abrir(5);
  {
    auto caida = Abrir(6);
    cinco->registros.EliminarTodos();
    caida->registros.EliminarTodos();
    cinco->copia.ResetearCopia();
  }  // 6's session dies before its ResetearCopia
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: | copia: 15");

  // A new session of 6 finds no live row for the stale backup: it leaves
  // it, and its own undo and keep change only what it did itself.
  auto seis = Abrir(6);
  seis->registros.Agregar(Address("Calle nueva", "", ""));
  seis->copia.ResetearCopia();
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: | copia: 15");
}

TEST_F(TwoDeclarationsTest, TwoCopiesOfOneDeclarationNeverLoseItsAddresses) {
  auto una = Abrir(5);
  auto otra = Abrir(5);  // the same owner opened twice
  una->registros.Eliminar(11);
  una->copia.ResetearCopia();
  EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: 15 | copia:");
  // The backup the second copy made is gone: undoing it now would delete
  // the live rows with nothing to bring back. Refused, nothing changed.
  const auto antes = Tabla();
  EXPECT_EQ(ErrorOf([&] { otra->copia.ResetearCopia(); }), WorkingCopy::kCopiaCambiada);
  EXPECT_EQ(Tabla(), antes);
  EXPECT_TRUE(otra->copia.Pendiente());
  otra->copia.CommitearCopia();
  EXPECT_EQ(Tabla(), antes);
}
