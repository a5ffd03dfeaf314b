// The statement texts, the column list of the copy, list keys, the slot
// table and the leading-number reading.
#include <gtest/gtest.h>

#include "address/AddressKey.h"
#include "address/AddressStatements.h"
#include "address/LeadingNumber.h"
#include "address/TraerTodosCampos.h"
#include "address/UcnDomModel.h"
#include "dao/DBEngine.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace {

using S = AddressStatements;

AddressScope SampleScope() {
  AddressScope a;
  a.Tabla = "Dom";
  a.Cuit = "20123456786";
  a.CodDJ = 40;
  a.Dueño = 7;
  a.CodReferencia = -2;
  a.Campos.Set_Campo(1, 0, "Tipo", 0, true, false, "", "", "");
  a.Campos.Set_Campo(17, 3, "Duenio", 0, false, false, "", "", "");
  a.Campos.Set_Campo(18, 3, "Ref", 0, false, false, "", "", "");
  a.Campos.Set_Campo(19, 3, "CodDom", 0, false, false, "", "", "");
  return a;
}

}  // namespace

// Which rows a statement reaches is tested on the sample data; here, that
// every statement names the columns the slots give, a backup's rows are
// matched by their codes, a Null code as such, and the copy code.
TEST(AddressStatements, StatementsNameTheSlotsColumnsAndTheBackupsRows) {
  const AddressScope a = SampleScope();
  EXPECT_EQ(S::ListaDelDueño(a),
            "select * from Dom where CUIT = '20123456786' and CodDJ = 40 and Duenio = 7 and Ref "
            "= -2");
  EXPECT_EQ(S::UnDomicilio(a, 12),
            "select * from Dom where CUIT = '20123456786' and CodDJ = 40 and CodDom = 12");
  EXPECT_EQ(S::ContarFiscales(a, 12),
            "select count(*) from Dom where CUIT = '20123456786' and CodDJ = 40 and Duenio = 7 "
            "and Tipo = 1 and CodDom<>12");
  EXPECT_EQ(S::EliminarUno(a, 12),
            "Delete * From Dom Where CUIT = '20123456786' and CODDJ = 40 and CodDom=12");
  EXPECT_EQ(S::AsignarReferencia(a, 3051), "update Dom set Ref = 3051 where Ref = -2");
  // Quotes and NULs in a CUIT are tested on the sample data.
  EXPECT_EQ(S::LiteralJet(""), "''");
  EXPECT_EQ(S::HacerCopia(a, -7, "Cuit, Duenio"),
            "insert into Dom select -7 as CodDJ, Cuit, Duenio from Dom where CUIT = "
            "'20123456786' and CodDJ = 40 and Duenio = 7");
  EXPECT_EQ(S::CodigosDelDueño(a),
            "select CodDom from Dom where CUIT = '20123456786' and CodDJ = 40 and Duenio = 7");
  EXPECT_EQ(S::ContarCopia(a, -7, CopiedRows{{12, 30}, 2}),
            "select count(*) from Dom where CodDJ = -7 and CUIT = '20123456786' and Duenio = 7 "
            "and (CodDom in (12, 30) or CodDom is null)");
  EXPECT_EQ(S::BorrarCopia(a, -7, CopiedRows{{}, 1}),
            "delete from Dom where CodDJ = -7 and CUIT = '20123456786' and Duenio = 7 and (CodDom "
            "is null)");
  // The copy code is the negated owner.
  for (const auto& [owner, code] : {std::pair{7, -7}, {-3, 3}, {0, 0}})
    EXPECT_EQ(S::CodigoCopia(owner), code) << owner;
  EXPECT_EQ(ErrorOf([] { S::CodigoCopia(INT32_MIN); }), 6);
}

TEST(TraerTodosCampos, ListsEveryColumnButTheExceptedInOrder) {
  TempDir dir;
  dao::Database db = dao::DBEngine::CreateDatabase(dir.File("b.mdb"), "");
  db.Execute("CREATE TABLE Dom (Cuit TEXT (11), CodDJ LONG, Dueño LONG, Calle TEXT (40))");
  EXPECT_EQ(TraerTodosCampos(db, "Dom", {"CodDJ"}), "Cuit, Dueño, Calle");
  EXPECT_EQ(TraerTodosCampos(db, "dom", {"CODDJ"}), "Cuit, Dueño, Calle");
  EXPECT_EQ(TraerTodosCampos(db, "Dom", {"coddj", "DUEÑO", "nada"}), "Cuit, Calle");
  EXPECT_EQ(TraerTodosCampos(db, "Dom", {}), "Cuit, CodDJ, Dueño, Calle");
  EXPECT_EQ(TraerTodosCampos(db, "Dom", {"Cuit", "CodDJ", "Dueño", "Calle"}), "");

  // A table made again with one more column after the definitions were
  // read: the new column is listed too.
  db.Execute("DROP TABLE Dom");
  db.Execute(
      "CREATE TABLE Dom (Cuit TEXT (11), CodDJ LONG, Dueño LONG, Calle TEXT (40), Piso TEXT (5))");
  EXPECT_EQ(TraerTodosCampos(db, "Dom", {"CodDJ"}), "Cuit, Dueño, Calle, Piso");
  EXPECT_EQ(TraerTodosCampos(db.TableDefs().Item("Dom"), {"CodDJ", "Calle"}), "Cuit, Dueño, Piso");
  EXPECT_EQ(ErrorOf([&] { TraerTodosCampos(db, "Falta", {"CodDJ"}); }), 3265);
  db.Close();
}

TEST(AddressKey, KeyIsALetterAndTheCode) {
  for (const auto& [code, key] : {std::pair{15, "A15"}, {-3, "A-3"}}) {
    EXPECT_EQ(AddressKey::DesdeCodigo(code), key);
    EXPECT_EQ(AddressKey::CodigoDesdeClave(key), code);
  }
  for (const char* key : {"A", "", "A1x"})
    EXPECT_EQ(ErrorOf([&] { AddressKey::CodigoDesdeClave(key); }), 13) << key;
  EXPECT_EQ(ErrorOf([] { AddressKey::CodigoDesdeClave("A99999999999"); }), 6);
}

// The slot table, and the control that hands its slots on to it.
TEST(AddressFieldSlots, SlotsKeepWhatWasStoredAndRefuseNumbersOutside0To21) {
  const auto check = [](auto& c) {
    int32_t type = 0, length = 0;
    bool visible = false, mandatory = false;
    std::string name = "x", sql, description, fixed;
    c.Get_Campo(21, type, name, length, visible, mandatory, sql, description, fixed);
    EXPECT_EQ(name, "");  // empty at creation
    c.Set_Campo(21, 3, "Obs", 255, true, true, "select 1", "Observaciones", "x");
    c.Get_Campo(21, type, name, length, visible, mandatory, sql, description, fixed);
    EXPECT_EQ(std::tie(type, name, length, visible, mandatory, sql, description, fixed),
              std::make_tuple(3, std::string("Obs"), 255, true, true, std::string("select 1"),
                              std::string("Observaciones"), std::string("x")));
    for (int outside : {-1, 22}) {
      EXPECT_EQ(ErrorOf([&] { c.Set_Campo(outside, 1, "X", 1, true, true, "", "", ""); }), 9);
      EXPECT_EQ(ErrorOf([&] {
                  c.Get_Campo(outside, type, name, length, visible, mandatory, sql, description,
                              fixed);
                }),
                9);
    }
    EXPECT_EQ(name, "Obs");
  };
  AddressFieldSlots slots;
  check(slots);
  UcnDomModel control;
  check(control);
}

// The decimal point is the regional separator, as the fields show it.
TEST(LeadingNumber, ReadsTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {{"1234", 1234}, {"  12 34 abc", 1234},
                                                  {"12a", 12},    {"-3,5", -3.5},
                                                  {"+7", 7},      {",5", 0.5},
                                                  {"3.5", 3},     {"1E3", 1000},
                                                  {"2D2x", 200},  {"5E", 5},
                                                  {"", 0},        {"S/N", 0},
                                                  {"-", 0},       {",", 0},
                                                  {"1E-999", 0}};
  for (const auto& [text, number] : cases) EXPECT_EQ(LeadingNumber(text), number) << text;
  RegionalSettings dotted;
  dotted.decimalSeparator = ".";
  dotted.thousandsSeparator = ",";
  EXPECT_EQ(LeadingNumber("3.5", dotted), 3.5);
  EXPECT_EQ(LeadingNumber("3,5", dotted), 3);
  EXPECT_EQ(ErrorOf([] { LeadingNumber("1E999"); }), 6);
}
