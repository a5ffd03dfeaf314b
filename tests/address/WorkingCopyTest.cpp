// The working copy on the sample data: the cycle of an editing session
// undone or kept, a restore that fails half way, backups of other owners
// and backups left behind. The cycle tests print what they do and the
// owner's rows after each step ("[copia]" lines), as a log of a session.
#include <gtest/gtest.h>

#include <iostream>
#include <memory>

#include "address/AddressFixture.h"
#include "address/AddressRecords.h"
#include "address/AddressStatements.h"
#include "address/WorkingCopy.h"

namespace {

using D = SampleAddresses;

class WorkingCopyTest : public AddressFixture {
 protected:
  // The rows of the scope's taxpayer and owner, live and backup.
  std::string FilasDelDueño() {
    dao::Recordset rs = db.OpenRecordset(
        "select CodDJ, CodDomicilio, Fiscal, Calle, Numero from 24Domicilios "
        "where Cuit = " +
            AddressStatements::LiteralJet(ambito.Cuit) + " and CodDueno = " +
            std::to_string(ambito.Dueño) + " order by CodDJ desc, CodDomicilio",
        dao::dbOpenSnapshot);
    std::string out;
    for (; !rs.Eof(); rs.MoveNext()) {
      out += "    CodDJ " + rs.Fields(0).Value().ToString() + "  #" +
             rs.Fields(1).Value().ToString() +
             (rs.Fields(2).Value().ToLong() ? " fiscal " : "        ") +
             rs.Fields(3).Value().ToString() + " " + rs.Fields(4).Value().ToStringOrEmpty() + "\n";
    }
    return out;
  }
  void Log(const std::string& paso) {
    if (!registrar) return;
    std::cout << "[copia] " << paso << "\n" << FilasDelDueño() << std::flush;
  }
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
    AddressInput nuevo;
    nuevo.Textos[campo::kCalle] = "Av. Colón";
    nuevo.Textos[campo::kNumero] = "5000";
    nuevo.Textos[campo::kLocalidad] = "Córdoba";
    nuevo.Provincia = "3";
    const int32_t codigo = registros.Agregar(nuevo);
    Log("Agregar #" + std::to_string(codigo) + " Av. Colón 5000");
    AddressInput editado;
    editado.Fiscal = true;
    editado.Textos[campo::kCalle] = "Av. Gral. Manuel Belgrano";
    editado.Textos[campo::kNumero] = "1240";
    editado.Textos[campo::kLocalidad] = "Córdoba";
    editado.Provincia = "3";
    registros.Editar(1, editado);
    Log("Editar #1: Av. Gral. Manuel Belgrano 1240");
    registros.Eliminar(2);
    Log("Eliminar #2");
  }

  AddressRecords registros{ambito};
  WorkingCopy copia{ambito};
  bool registrar = false;  // the cycle tests print their steps
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

TEST_F(WorkingCopyTest, ResetearCopiaRestoresExactlyTheFirstOpening) {
  registrar = true;
  const auto inicial = Tabla();
  Log("Antes de abrir (Inicio verdadero)");
  EXPECT_FALSE(copia.Changed());
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_FALSE(ambito.Inicio);
  EXPECT_EQ(Copias(), 3);
  Log("Primera apertura: HacerCopia(-1)");
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Copias(), 3);
  Log("Segunda apertura: Inicio falso, ninguna copia nueva");
  // A visit that saved nothing leaves a copy with nothing to undo.
  EXPECT_TRUE(copia.Pendiente());
  EXPECT_FALSE(copia.Changed());

  Editar();
  EXPECT_TRUE(copia.Changed());
  EXPECT_EQ(registros.DarDomicilios(),
            "Av. Gral. Manuel Belgrano 1240, Córdoba\r\nRuta Nacional 9 , Villa María\r\nAv. "
            "Colón 5000, Córdoba");
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Copias(), 3);

  copia.ResetearCopia();
  Log("ResetearCopia");
  EXPECT_EQ(Tabla(), inicial);
  EXPECT_FALSE(ambito.Inicio);
  EXPECT_FALSE(copia.Pendiente());
  EXPECT_FALSE(copia.Changed());
  std::cout << "[copia] tabla entera igual a la de antes de abrir: "
            << (Tabla() == inicial ? "sí" : "no") << "\n";
}

TEST_F(WorkingCopyTest, CommitearCopiaKeepsTheChangesAndDropsTheBackup) {
  registrar = true;
  Log("Antes de abrir (Inicio verdadero)");
  copia.HacerCopia(-ambito.Dueño);
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Copias(), 3);
  Log("Dos aperturas: una sola copia");
  Editar();
  const auto editada = SinCopia();
  copia.CommitearCopia();
  Log("CommitearCopia");
  EXPECT_EQ(Copias(), 0);
  EXPECT_EQ(Tabla(), editada);
  EXPECT_EQ(registros.DarDomicilios(),
            "Av. Gral. Manuel Belgrano 1240, Córdoba\r\nRuta Nacional 9 , Villa María\r\nAv. "
            "Colón 5000, Córdoba");
  std::cout << "[copia] tabla entera igual a la editada sin la copia: "
            << (Tabla() == editada ? "sí" : "no") << "\n";

  // Nothing is left to undo: a later ResetearCopia changes nothing.
  copia.ResetearCopia();
  EXPECT_EQ(Tabla(), editada);
}

TEST_F(WorkingCopyTest, AFailingRestoreRollsBackAndKeepsTheBackup) {
  registrar = true;
  const auto inicial = Tabla();
  copia.HacerCopia(-ambito.Dueño);
  Log("Apertura: HacerCopia(-1)");
  Editar();
  // Another owner of the declaration takes code 2, which the backup holds:
  // bringing the backup back would break the table's unique key.
  db.Execute(
      "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
      "Calle) values ('30712345676', 1, 2, 1, 2, 0, 'Tucumán')");
  Log("Otro dueño toma el código 2");
  const auto antes = Tabla();
  const int error = ErrorOf([&] { copia.ResetearCopia(); });
  Log("ResetearCopia falla al restaurar (error " + std::to_string(error) + ")");
  EXPECT_NE(error, 0);
  EXPECT_EQ(Tabla(), antes);
  EXPECT_TRUE(copia.Pendiente());
  std::cout << "[copia] filas intactas tras la falla: " << (Tabla() == antes ? "sí" : "no") << "\n";

  // Once the clash is gone the backup still restores the first opening.
  db.Execute("delete from 24Domicilios where CodDueno = 2 and Calle = 'Tucumán'");
  copia.ResetearCopia();
  Log("ResetearCopia, de nuevo");
  EXPECT_EQ(Tabla(), inicial);
}

TEST_F(WorkingCopyTest, AnotherTaxpayersOwnerWithTheSameCodeKeepsItsBackup) {
  AddressScope otro;
  otro.Db = db;
  otro.Tabla = D::kTabla;
  otro.Cuit = D::kOtraEmpresa.Cuit;
  otro.CodDJ = D::kOtraEmpresa.CodDJ;
  otro.Dueño = D::kOtraEmpresa.Dueño;
  otro.CodReferencia = D::kOtraEmpresa.CodReferencia;
  otro.Sistema = sistema.get();
  SampleAddresses::ConfigurarCampos(otro.Campos);
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

TEST_F(WorkingCopyTest, ResetearCopiaWithoutACopyLosesNothing) {
  const auto inicial = Tabla();
  copia.ResetearCopia();
  EXPECT_EQ(Tabla(), inicial);

  copia.HacerCopia(-ambito.Dueño);
  copia.ResetearCopia();
  copia.ResetearCopia();  // a second undo has nothing to restore
  EXPECT_EQ(Tabla(), inicial);

  // The host may ask for a new copy by setting Inicio again.
  ambito.Inicio = true;
  copia.HacerCopia(-ambito.Dueño);
  registros.EliminarTodos();
  copia.ResetearCopia();
  EXPECT_EQ(Tabla(), inicial);
}

TEST_F(WorkingCopyTest, AnOwnerWithoutAddressesGetsAnEmptyBackup) {
  Para(D::kSinDomicilios);
  const auto inicial = Tabla();
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Copias(), 0);
  AddressInput nuevo;
  nuevo.Textos[campo::kCalle] = "Alsina";
  registros.Agregar(nuevo);
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

TEST_F(WorkingCopyTest, NuevoUpdateGivesThePlaceholderRowsTheirReference) {
  Para(D::kReferenciaPendiente);
  copia.HacerCopia(-ambito.Dueño);
  EXPECT_EQ(Contar("CodReferencia = -2"), 2);  // the row and its backup
  copia.Nuevo_Update(4410);
  EXPECT_EQ(Contar("CodReferencia = -2"), 0);
  EXPECT_EQ(Contar("CodReferencia = 4410"), 2);
  EXPECT_EQ(Contar("CodReferencia = 1"), 6);
  copia.CommitearCopia();
  ambito.CodReferencia = 4410;
  EXPECT_EQ(registros.DarDomicilios(), "Pasaje D'Elía 77, Ushuaia");
}

TEST_F(TwoDeclarationsTest, EachCopyRestoresOnlyItsOwnDeclarationInEitherOrder) {
  const auto inicial = Tabla();
  const std::string alAbrir = Codigos();
  EXPECT_EQ(alAbrir, "DJ 5: 11 12 13 14 | DJ 6: 15 | copia:");
  for (bool cincoPrimero : {true, false}) {
    for (bool resetCincoPrimero : {true, false}) {
      auto primera = Abrir(cincoPrimero ? 5 : 6);
      auto segunda = Abrir(cincoPrimero ? 6 : 5);
      Control& cinco = cincoPrimero ? *primera : *segunda;
      Control& seis = cincoPrimero ? *segunda : *primera;
      EXPECT_EQ(Codigos(), "DJ 5: 11 12 13 14 | DJ 6: 15 | copia: 11 12 13 14 15");
      cinco.registros.EliminarTodos();
      seis.registros.EliminarTodos();
      (resetCincoPrimero ? cinco : seis).copia.ResetearCopia();
      (resetCincoPrimero ? seis : cinco).copia.ResetearCopia();
      std::cout << "[dos declaraciones] abre " << (cincoPrimero ? "5, 6" : "6, 5")
                << "; elimina todos en ambas; ResetearCopia "
                << (resetCincoPrimero ? "5, 6" : "6, 5") << ": " << Codigos() << "\n";
      EXPECT_EQ(Tabla(), inicial);
    }
  }
}

TEST_F(TwoDeclarationsTest, EachCopyCommitsOnlyItsOwnBackupInEitherOrder) {
  for (bool cincoPrimero : {true, false}) {
    for (bool resetearOtra : {false, true}) {
      auto cinco = Abrir(5);
      auto seis = Abrir(6);
      cinco->registros.EliminarTodos();
      seis->registros.Eliminar(15);
      Control& primera = cincoPrimero ? *cinco : *seis;
      Control& segunda = cincoPrimero ? *seis : *cinco;
      primera.copia.CommitearCopia();
      if (resetearOtra) {
        segunda.copia.ResetearCopia();
      } else {
        segunda.copia.CommitearCopia();
      }
      std::cout << "[dos declaraciones] CommitearCopia " << (cincoPrimero ? "5" : "6") << ", "
                << (resetearOtra ? "ResetearCopia " : "CommitearCopia ")
                << (cincoPrimero ? "6" : "5") << ": " << Codigos() << "\n";
      const std::string cincoQueda = resetearOtra && !cincoPrimero ? " 11 12 13 14" : "";
      const std::string seisQueda = resetearOtra && cincoPrimero ? " 15" : "";
      EXPECT_EQ(Codigos(), "DJ 5:" + cincoQueda + " | DJ 6:" + seisQueda + " | copia:");
      Cargar();  // both declarations as they were, for the next round
    }
  }
  EXPECT_EQ(Contar("CodDJ = 1"), 4);  // the sample's own declaration untouched
}

TEST_F(TwoDeclarationsTest, ABackupLeftByACrashIsNeitherTakenByTheOtherDeclarationNorDuplicated) {
  {
    // Declaration 5's session ends without CommitearCopia or ResetearCopia,
    // after an address was changed.
    auto caida = Abrir(5);
    AddressInput d;
    d.Textos[campo::kCalle] = "Calle 12 bis";
    d.Textos[campo::kLocalidad] = "Córdoba";
    caida->registros.Editar(12, d);
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
  std::cout << "[dos declaraciones] tras la caída de 5, ResetearCopia de una nueva sesión: "
            << Codigos() << "\n";
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
  AddressInput d;
  d.Textos[campo::kCalle] = "Calle nueva";
  seis->registros.Agregar(d);
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
