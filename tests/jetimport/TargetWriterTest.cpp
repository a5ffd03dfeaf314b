// Tables of a Jet file written into the engine: what is kept, what is
// refused rather than rounded, and what is left out with a note.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dao/DBEngine.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "jetimport/JetValueDecoder.h"
#include "jetimport/TargetWriter.h"
#include "support/ErrorOf.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

using namespace jetimport;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

SourceColumn Column(const std::string& name, int engineType, int size = 0) {
  SourceColumn c;
  c.name = name;
  c.engineType = engineType;
  c.size = size;
  return c;
}

JetCell Cell(JetCell::Kind kind, int64_t integer) {
  JetCell c;
  c.kind = kind;
  c.integer = integer;
  return c;
}

JetCell Text(JetCell::Kind kind, const std::string& text) {
  JetCell c;
  c.kind = kind;
  c.text = text;
  return c;
}

class Writer : public ::testing::Test {
 protected:
  Writer() : db(dao::DBEngine::CreateDatabase(dir.File("destino.mdb"), "")) {}
  ~Writer() override { db.Close(); }

  TempDir dir;
  dao::Database db;
  std::vector<std::string> notes;
  TargetWriter writer{db, [this](const std::string& n) { notes.push_back(n); }};
};

}  // namespace

TEST_F(Writer, ExactAmountsGoInAndOnesTheEngineWouldRoundAreRefused) {
  SourceTable t;
  t.name = "Importes";
  t.columns = {Column("Monto", dao::dbCurrency), Column("Tasa", dao::dbDecimal)};
  t.columns[1].precision = 18;
  t.columns[1].scale = 4;
  writer.Begin(t);
  const JetCell noRate;
  writer.Row(
      {Cell(JetCell::Kind::Currency, 123456789012), Text(JetCell::Kind::Decimal, "1.23450")});
  writer.Row({Cell(JetCell::Kind::Currency, 10000000000000000), noRate});  // 10^12, whole
  EXPECT_EQ(ErrorMessageOf([&] {
              writer.Row({Cell(JetCell::Kind::Currency, 12345678901233456), noRate});
            }),
            "3349 El valor 1234567890123.3456 de la columna 'Monto' de la tabla 'Importes' no se "
            "puede guardar exacto en la base del motor.");
  for (const char* inexact : {"1.23456", "12345678901234.5678", "-1234567890123456789"}) {
    EXPECT_THAT(ErrorMessageOf([&] {
                  writer.Row({JetCell(), Text(JetCell::Kind::Decimal, inexact)});
                }),
                StartsWith("3349 El valor " + std::string(inexact) + " de la columna 'Tasa'"));
  }
  writer.End();
  EXPECT_EQ(FirstValue(db, "SELECT Monto FROM Importes WHERE Tasa IS NOT NULL"),
            Variant::FromCurrency(123456789012));
  EXPECT_EQ(FirstValue(db, "SELECT Tasa FROM Importes WHERE Tasa IS NOT NULL"),
            Variant::FromDecimal(12345, 4));
  EXPECT_EQ(FirstValue(db, "SELECT Monto FROM Importes WHERE Tasa IS NULL"),
            Variant::FromCurrency(10000000000000000));
}

TEST_F(Writer, KeysRequiredColumnsDefaultsAndCountersAreMadeAgain) {
  SourceTable t;
  t.name = "22 Año";
  t.columns = {Column("Id", dao::dbLong),        Column("Nombre", dao::dbText, 10),
               Column("Activo", dao::dbBoolean), Column("Código", dao::dbText, 5),
               Column("Raro", dao::dbLong),      Column("Adjunto", 0)};
  t.columns[0].counter = true;
  t.columns[1].required = true;
  t.columns[1].defaultValue = "=\"sin nombre\"";
  t.columns[2].defaultValue = "Yes";
  t.columns[4].defaultValue = "GenGUID()";
  t.columns[5].skipReason = "columna de datos adjuntos o de varios valores";
  t.indexes = {{"PrimaryKey", true, true, {0}, {false}},
               {"Código", false, true, {3}, {true}},
               {"ConAdjunto", false, false, {5}, {false}}};
  writer.Begin(t);
  writer.Row({Cell(JetCell::Kind::Long, 5), Text(JetCell::Kind::Text, "Peña"),
              JetValueDecoder::Boolean(false), Text(JetCell::Kind::Text, "A1"), JetCell()});
  writer.Row({Cell(JetCell::Kind::Long, 7), Text(JetCell::Kind::Text, "Ñandú"),
              JetValueDecoder::Boolean(true), JetCell(), JetCell()});
  writer.End();
  EXPECT_EQ(writer.RowsWritten(), 2u);
  EXPECT_THAT(
      notes, ElementsAre(HasSubstr("'Adjunto' no se importa"), HasSubstr("'ConAdjunto' no se crea"),
                         HasSubstr("GenGUID() no se conserva")));

  // The counter goes on after the largest number imported, defaults fill
  // what a new row leaves out, and keys, uniqueness and NOT NULL hold.
  db.Execute("INSERT INTO [22 Año] (Código) VALUES ('B2')");
  EXPECT_EQ(
      Rows(db, "SELECT Id, Nombre, Activo FROM [22 Año] ORDER BY Id"),
      (std::vector<std::string>{"5|Peña|Falso", "7|Ñandú|Verdadero", "8|sin nombre|Verdadero"}));
  EXPECT_EQ(ErrorOf([&] { db.Execute("INSERT INTO [22 Año] (Id, Nombre) VALUES (5, 'x')"); }),
            dao::jeterr::kDuplicateKey);
  EXPECT_EQ(ErrorOf([&] { db.Execute("INSERT INTO [22 Año] (Código) VALUES ('a1')"); }),
            dao::jeterr::kDuplicateKey);
  EXPECT_EQ(ErrorOf([&] { db.Execute("UPDATE [22 Año] SET Nombre = Null WHERE Id = 5"); }),
            dao::jeterr::kNullNotAllowed);
  EXPECT_EQ(ErrorOf([&] { db.Execute("CREATE INDEX [Código] ON [22 Año] (Raro)"); }),
            dao::jeterr::kIndexExists);
}

TEST_F(Writer, ARowTheEngineRefusesNamesItsPlaceAndRollsTheTableBack) {
  SourceTable t;
  t.name = "Cortos";
  t.columns = {Column("Clave", dao::dbText, 3)};
  {
    TargetWriter failing(db, [](const std::string&) {});
    failing.Begin(t);
    failing.Row({Text(JetCell::Kind::Text, "abc")});
    EXPECT_THAT(
        ErrorMessageOf([&] { failing.Row({Text(JetCell::Kind::Text, "abcd")}); }),
        StartsWith("3163 La fila 2 de la tabla 'Cortos' no se pudo importar: El campo 'Clave'"));
    EXPECT_THAT(ErrorMessageOf([&] { failing.Row({JetCell(), JetCell()}); }), StartsWith("3343 "));
  }
  // The writer that never reached End took its transaction and rows along.
  EXPECT_EQ(ErrorOf([] { dao::DBEngine::CommitTrans(); }), dao::jeterr::kCommitWithoutBegin);
  EXPECT_EQ(FirstValue(db, "SELECT Count(*) FROM Cortos"), Variant(int32_t{0}));
}
