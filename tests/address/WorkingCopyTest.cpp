// The working copy on the sample data: the cycle of an editing session
// undone or kept, a restore that fails half way, backups of other owners,
// and backups left behind by a crash (on two declarations opened side by
// side, where they are hardest to tell apart).
#include <gtest/gtest.h>

#include <memory>

#include "address/AddressFixture.h"
#include "address/AddressRecords.h"
#include "address/AddressStatements.h"
#include "address/WorkingCopy.h"

namespace {

using D = SampleAddresses;

// The first owner's addresses after EditAsAUser.
const char* const kEditedSummary =
    "Av. Gral. Manuel Belgrano 1240, Córdoba\r\nRuta Nacional 9 , Villa María\r\nAv. Colón 5000, "
    "Córdoba";

class WorkingCopyTest : public AddressFixture {
 protected:
  // Everything but the backup rows of the scope's owner.
  std::vector<std::string> LiveRows() {
    std::vector<std::string> rows;
    const std::string backup = "|" + std::to_string(-scope.Dueño) + "|";
    for (const std::string& row : AllRows()) {
      if (row.find(backup) == std::string::npos || row.find(scope.Cuit) != 0) rows.push_back(row);
    }
    return rows;
  }
  long BackupRows() {
    return Count("CodDJ = " + std::to_string(-scope.Dueño) + " and Cuit = '" + scope.Cuit +
                 "' and CodDueno = " + std::to_string(scope.Dueño));
  }
  // What a user does in the editor: add, edit, delete.
  void EditAsAUser() {
    records.Agregar(Address("Av. Colón", "5000", "Córdoba"));
    AddressInput edited = Address("Av. Gral. Manuel Belgrano", "1240", "Córdoba");
    edited.Fiscal = true;
    records.Editar(1, edited);
    records.Eliminar(2);
  }

  AddressRecords records{scope};
  WorkingCopy copy{scope};
};

// Declarations 5 and 6 of the first taxpayer, each with an owner 1, as a
// host opens them side by side with the copy code -1: declaration 5 holds
// four addresses (codes 11 to 14), declaration 6 one (code 15).
class TwoDeclarationsTest : public WorkingCopyTest {
 protected:
  // One address control of the host: its scope, records and copy.
  struct Control {
    AddressScope a;
    AddressRecords records{a};
    WorkingCopy copy{a};
  };

  void SetUp() override {
    WorkingCopyTest::SetUp();
    LoadDeclarations();
  }

  // The two declarations as described, without backup rows.
  void LoadDeclarations() {
    db.Execute("delete from 24Domicilios where CodDomicilio between 11 and 15");
    for (int code = 11; code <= 15; code++) {
      db.Execute(
          "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
          "Calle, Localidad) values ('30712345676', " +
          std::string(code < 15 ? "5" : "6") + ", 1, 1, " + std::to_string(code) + ", " +
          (code == 11 || code == 15 ? "1" : "0") + ", 'Calle " + std::to_string(code) +
          "', 'Córdoba')");
    }
  }

  std::unique_ptr<Control> Open(int32_t codDJ) {
    auto c = std::make_unique<Control>();
    c->a = scope;
    c->a.CodDJ = codDJ;
    c->a.Inicio = true;
    c->copy.HacerCopia(-1);
    return c;
  }

  // "DJ 5: 11 12 13 14 | DJ 6: 15 | backup: 11 12 13 14 15": the codes of
  // the live rows of both declarations and of the backup under -1.
  std::string Codes() {
    std::string out;
    for (int32_t dj : {5, 6, -1}) {
      out += dj == 5 ? "DJ 5:" : dj == 6 ? " | DJ 6:" : " | backup:";
      for (const std::string& code :
           Rows(db,
                "select CodDomicilio from 24Domicilios where Cuit = '30712345676' and "
                "CodDueno = 1 and CodDJ = " +
                    std::to_string(dj) + " order by CodDomicilio"))
        out += " " + code;
    }
    return out;
  }
};

}  // namespace

// One copy however often the editor opens; undoing restores the table of
// the first opening, keeping drops the backup, and either ends the copy.
TEST_F(WorkingCopyTest, ResetearCopiaRestoresTheFirstOpeningAndCommitearCopiaKeepsTheChanges) {
  const auto initial = AllRows();
  for (const bool undo : {true, false}) {
    scope.Inicio = true;
    EXPECT_FALSE(copy.Changed());
    copy.HacerCopia(-scope.Dueño);
    EXPECT_FALSE(scope.Inicio);
    copy.HacerCopia(-scope.Dueño);
    EXPECT_EQ(BackupRows(), 3);
    // A visit that saved nothing leaves a copy with nothing to undo.
    EXPECT_TRUE(copy.Pendiente());
    EXPECT_FALSE(copy.Changed());
    EditAsAUser();
    EXPECT_TRUE(copy.Changed());
    EXPECT_EQ(records.DarDomicilios(), kEditedSummary);
    copy.HacerCopia(-scope.Dueño);
    EXPECT_EQ(BackupRows(), 3);
    const auto edited = LiveRows();
    if (undo) {
      copy.ResetearCopia();
      EXPECT_EQ(AllRows(), initial);
    } else {
      copy.CommitearCopia();
      EXPECT_EQ(AllRows(), edited);
    }
    EXPECT_FALSE(scope.Inicio);
    EXPECT_FALSE(copy.Pendiente());
    EXPECT_FALSE(copy.Changed());
    // Nothing is left to undo: a later ResetearCopia changes nothing.
    const auto after = AllRows();
    copy.ResetearCopia();
    EXPECT_EQ(AllRows(), after);
  }
}

TEST_F(WorkingCopyTest, AFailingRestoreRollsBackAndKeepsTheBackup) {
  const auto initial = AllRows();
  copy.HacerCopia(-scope.Dueño);
  EditAsAUser();
  // Another owner of the declaration takes code 2, which the backup holds:
  // bringing the backup back would break the table's unique key.
  db.Execute(
      "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
      "Calle) values ('30712345676', 1, 2, 1, 2, 0, 'Tucumán')");
  const auto before = AllRows();
  EXPECT_NE(ErrorOf([&] { copy.ResetearCopia(); }), 0);
  EXPECT_EQ(AllRows(), before);
  EXPECT_TRUE(copy.Pendiente());

  // Once the clash is gone the backup still restores the first opening.
  db.Execute("delete from 24Domicilios where CodDueno = 2 and Calle = 'Tucumán'");
  copy.ResetearCopia();
  EXPECT_EQ(AllRows(), initial);
}

TEST_F(WorkingCopyTest, AnotherTaxpayersOwnerWithTheSameCodeKeepsItsBackup) {
  AddressScope other = ScopeOf(D::kOtraEmpresa);
  WorkingCopy otherCopy(other);
  AddressRecords otherRecords(other);
  ASSERT_EQ(other.Dueño, scope.Dueño);

  copy.HacerCopia(-scope.Dueño);
  otherCopy.HacerCopia(-other.Dueño);
  EXPECT_EQ(Count("CodDJ = -1"), 5);

  EditAsAUser();
  otherRecords.EliminarTodos();
  const std::string othersBefore = otherRecords.DarDomicilios();
  copy.CommitearCopia();
  EXPECT_EQ(Count("CodDJ = -1"), 2);  // only the other taxpayer's backup is left

  otherCopy.ResetearCopia();
  EXPECT_EQ(otherRecords.DarDomicilios(),
            "Av. Rivadavia 7300, Ciudad Autónoma de Buenos "
            "Aires\r\nGüemes 420, San Fernando del Valle de "
            "Catamarca");
  EXPECT_EQ(Count("CodDJ = -1"), 0);
  // This owner's committed changes stand; nothing of the other came in.
  EXPECT_EQ(records.DarDomicilios(), kEditedSummary);
  EXPECT_EQ(Count("Cuit = '30712345676'"), Count("Cuit = '30712345676' and CodDJ = 1"));
  EXPECT_EQ(othersBefore, "");
}

TEST_F(WorkingCopyTest, AnOwnerWithoutAddressesGetsAnEmptyBackupAndABadCopyCodeIsRefused) {
  SwitchTo(D::kSinDomicilios);
  const auto initial = AllRows();
  copy.HacerCopia(-scope.Dueño);
  EXPECT_EQ(BackupRows(), 0);
  records.Agregar(Address("Alsina", "", ""));
  EXPECT_NE(records.DarDomicilios(), "");
  copy.ResetearCopia();
  EXPECT_EQ(AllRows(), initial);
  EXPECT_EQ(records.DarDomicilios(), "");

  // A copy code equal to the declaration, or a missing table, is refused.
  scope.CodDJ = -scope.Dueño;
  scope.Inicio = true;
  EXPECT_EQ(ErrorOf([&] { copy.HacerCopia(-scope.Dueño); }), 5);
  EXPECT_TRUE(scope.Inicio);
  EXPECT_FALSE(copy.Pendiente());
  EXPECT_EQ(AllRows(), initial);

  scope.Tabla = "NoExiste";
  scope.CodDJ = 1;
  EXPECT_EQ(ErrorOf([&] { copy.HacerCopia(-scope.Dueño); }), 3265);
  EXPECT_TRUE(scope.Inicio);
}

// Both opened in either order and emptied, then each undone or kept, in
// either order: each copy restores or drops only its own declaration's.
TEST_F(TwoDeclarationsTest, EachCopyRestoresOrKeepsOnlyItsOwnDeclarationInAnyOrder) {
  const auto initial = AllRows();
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: 15 | backup:");
  for (int round = 0; round < 16; round++) {
    const bool fiveOpensFirst = round & 1, fiveClosesFirst = round & 2, undoFive = round & 4,
               undoSix = round & 8;
    auto first = Open(fiveOpensFirst ? 5 : 6);
    auto second = Open(fiveOpensFirst ? 6 : 5);
    Control& five = fiveOpensFirst ? *first : *second;
    Control& six = fiveOpensFirst ? *second : *first;
    EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: 15 | backup: 11 12 13 14 15");
    five.records.EliminarTodos();
    six.records.EliminarTodos();
    const auto finish = [](Control& c, bool undo) {
      undo ? c.copy.ResetearCopia() : c.copy.CommitearCopia();
    };
    finish(fiveClosesFirst ? five : six, fiveClosesFirst ? undoFive : undoSix);
    finish(fiveClosesFirst ? six : five, fiveClosesFirst ? undoSix : undoFive);
    EXPECT_EQ(Codes(), std::string("DJ 5:") + (undoFive ? " 11 12 13 14" : "") +
                           " | DJ 6:" + (undoSix ? " 15" : "") + " | backup:")
        << round;
    if (undoFive && undoSix) {
      EXPECT_EQ(AllRows(), initial) << round;
    }
    LoadDeclarations();  // both declarations as they were, for the next case
  }
  EXPECT_EQ(Count("CodDJ = 1"), 4);  // the sample's own declaration untouched
}

// Sessions that crash, or open one declaration twice, lose no address and
// take no other session's backup.
TEST_F(TwoDeclarationsTest, CrashedOrDoubledSessionsLoseNoAddressAndTakeNoOtherBackup) {
  {
    // Declaration 5's session ends without CommitearCopia or ResetearCopia,
    // after an address was changed.
    auto crashed = Open(5);
    crashed->records.Editar(12, Address("Calle 12 bis", "", "Córdoba"));
  }
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: 15 | backup: 11 12 13 14");
  const auto afterCrash = AllRows();

  // Declaration 6 is opened, emptied and undone, then emptied and kept:
  // the stale backup of 5 is not its to drop or to restore.
  auto six = Open(6);
  six->records.EliminarTodos();
  six->copy.ResetearCopia();
  EXPECT_EQ(AllRows(), afterCrash);
  six = Open(6);
  six->records.EliminarTodos();
  six->copy.CommitearCopia();
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: | backup: 11 12 13 14");

  // Declaration 5 opened again: the stale backup is replaced, not added to,
  // and undoing brings back the rows of this opening, each once.
  auto five = Open(5);
  EXPECT_EQ(Count("CodDJ = -1 and Cuit = '30712345676'"), 4);
  five->records.EliminarTodos();
  five->copy.ResetearCopia();
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: | backup:");
  EXPECT_EQ(Count("CodDJ = 5 and Calle = 'Calle 12 bis'"), 1);

  // A crash between the two resets leaves the second still to undo.
  LoadDeclarations();
  five = Open(5);
  {
    auto crashed = Open(6);
    five->records.EliminarTodos();
    crashed->records.EliminarTodos();
    five->copy.ResetearCopia();
  }  // 6's session dies before its ResetearCopia
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: | backup: 15");

  // A new session of 6 finds no live row for the stale backup: it leaves
  // it, and its own undo and keep change only what it did itself.
  six = Open(6);
  six->records.Agregar(Address("Calle nueva", "", ""));
  six->copy.ResetearCopia();
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: | backup: 15");

  // Two copies of one declaration never lose its addresses.
  LoadDeclarations();
  auto first = Open(5);
  auto second = Open(5);  // the same owner opened twice
  first->records.Eliminar(11);
  first->copy.ResetearCopia();
  EXPECT_EQ(Codes(), "DJ 5: 11 12 13 14 | DJ 6: 15 | backup:");
  // The backup the second copy made is gone: undoing it now would delete
  // the live rows with nothing to bring back. Refused, nothing changed.
  const auto before = AllRows();
  EXPECT_EQ(ErrorOf([&] { second->copy.ResetearCopia(); }), WorkingCopy::kCopiaCambiada);
  EXPECT_EQ(AllRows(), before);
  EXPECT_TRUE(second->copy.Pendiente());
  second->copy.CommitearCopia();
  EXPECT_EQ(AllRows(), before);
}
