// An owner's address rows on the sample data: list, summary, loading,
// saving, the one-fiscal-address rule, deletions, and values that hold
// quotes or are Null.
#include <gtest/gtest.h>

#include "address/AddressFixture.h"
#include "address/AddressKey.h"
#include "address/AddressRecords.h"

namespace {

using D = SampleAddresses;

class AddressRecordsTest : public AddressFixture {
 protected:
  AddressInput NewAddress(const std::string& street, const std::string& number) {
    return Address(street, number, "Río Cuarto");
  }
  // A loaded address in one line: type, "Sin Número", province, then the
  // text slots in order; "-" for what was not loaded.
  std::string Loaded(int32_t code) {
    const LoadedAddress d = records.Cargar(code);
    const auto flag = [](const std::optional<bool>& b) { return b ? (*b ? "1" : "0") : "-"; };
    std::string out = std::string(flag(d.Fiscal)) + flag(d.SinNumero) + d.Provincia.value_or("-");
    for (int slot : campo::kDeTexto) out += "|" + d.Textos[slot].value_or("-");
    return out + (d.Textos[campo::kDueño] ? "|dueño" : "");
  }

  AddressRecords records{scope};
};

// Answers as a host whose numbering failed.
class FailingNumbering : public ObjSistema {
 public:
  Variant DevolverMaximo(const std::string&) override { throw AppError(3008, "Tabla en uso"); }
};

}  // namespace

TEST_F(AddressRecordsTest, ListAndSummaryShowTheOwnersAddresses) {
  std::string listed;  // a Null number shows empty
  for (const auto& e : records.Lista())
    listed += e.Clave + " " + e.Texto + " " + e.Numero + ", " + e.Localidad + "|";
  EXPECT_EQ(listed,
            "A1 Av. Belgrano 1234, Córdoba|A2 Bv. San Juan 850, Córdoba|A3 Ruta Nacional 9 , Villa "
            "María|");
  EXPECT_EQ(records.DarDomicilios(),
            "Av. Belgrano 1234, Córdoba\r\nBv. San Juan 850, Córdoba\r\nRuta Nacional 9 , Villa "
            "María");

  SwitchTo(D::kSocia);
  EXPECT_EQ(records.DarDomicilios(), "O'Higgins 5520, Córdoba");

  SwitchTo(D::kSinDomicilios);
  EXPECT_TRUE(records.Lista().empty());
  EXPECT_EQ(records.DarDomicilios(), "");

  // The list and the summary keep to the reference; the other statements
  // do not.
  SwitchTo(D::kReferenciaPendiente);
  EXPECT_EQ(records.Lista().size(), 1u);
  scope.CodReferencia = 9;
  EXPECT_TRUE(records.Lista().empty());
  EXPECT_EQ(records.DarDomicilios(), "");
}

TEST_F(AddressRecordsTest, LoadingShowsNullColumnsAsEmptyText) {
  EXPECT_EQ(Loaded(3),
            "013|Ruta Nacional 9||9|563|||||General San Martín|Villa María|X5900||||Obrador; "
            "acceso por colectora");
  // Hidden slots are not loaded: the editor keeps what it shows.
  scope.Campos.Set_Campo(campo::kTipo, 1, "Fiscal", 1, false, false, "", "Tipo", "");
  scope.Campos.Set_Campo(campo::kFax, 1, "Fax", 20, false, false, "", "Fax", "");
  EXPECT_EQ(Loaded(1),
            "-03|Av. Belgrano|1234|||||||Capital|Córdoba|X5000|0351 422-1100|-|"
            "administracion@delplata.com.ar|Sede central");
  EXPECT_EQ(ErrorOf([&] { records.Cargar(99); }), 3021);
}

TEST_F(AddressRecordsTest, AddingAndEditingWriteTheVisibleFieldsAndAFailedSaveWritesNothing) {
  AddressInput d = NewAddress("Av. Sabattini", "2100 bis");
  d.Textos[campo::kPiso] = "2";
  d.Textos[campo::kObservaciones] = "L'atelier \"Sur\"";
  d.Textos[campo::kFax] = "no se guarda";
  scope.Campos.Set_Campo(campo::kFax, 1, "Fax", 20, false, false, "", "Fax", "");
  const int32_t code = records.Agregar(d);
  EXPECT_EQ(code, 8);
  // A numeric slot stores its leading number.
  EXPECT_EQ(Loaded(code), "003|Av. Sabattini|2100||||2||||Río Cuarto|||-||L'atelier \"Sur\"");
  EXPECT_EQ(Count("CodDomicilio = 8 and Fax is null and CodDueno = 1 and CodReferencia = 1 and "
                  "Cuit = '30712345676' and CodDJ = 1"),
            1);
  EXPECT_EQ(records.Lista().back().Clave, AddressKey::DesdeCodigo(code));

  d.Textos[campo::kCalle] = "Av. Amadeo Sabattini";
  d.SinNumero = true;
  d.Textos[campo::kNumero] = "";
  d.Provincia = "";
  records.Editar(code, d);
  EXPECT_EQ(Loaded(code), "010|Av. Amadeo Sabattini|0||||2||||Río Cuarto|||-||L'atelier \"Sur\"");
  EXPECT_EQ(Count("Cuit = '30712345676'"), 5);

  // A save that fails leaves no row.
  const auto before = AllRows();
  FailingNumbering failing;
  scope.Sistema = &failing;
  EXPECT_EQ(ErrorOf([&] { records.Agregar(NewAddress("Colón", "1")); }), 3008);
  scope.Sistema = nullptr;
  EXPECT_EQ(ErrorOf([&] { records.Agregar(NewAddress("Colón", "1")); }), 91);
  scope.Sistema = numbering.get();
  AddressInput tooLong = NewAddress("Colón", "1");
  tooLong.Textos[campo::kPiso] = "demasiado largo";
  EXPECT_EQ(ErrorOf([&] { records.Agregar(tooLong); }), 3163);
  EXPECT_EQ(ErrorOf([&] { records.Editar(2, tooLong); }), 3163);
  EXPECT_EQ(AllRows(), before);
}

TEST_F(AddressRecordsTest, OneFiscalAddressPerOwnerAndDeletionsKeepToTheOwner) {
  EXPECT_EQ(records.ControlarFiscal(true, std::nullopt), AddressRecords::kYaHayFiscal);
  EXPECT_EQ(records.ControlarFiscal(true, 2), AddressRecords::kYaHayFiscal);
  EXPECT_EQ(records.ControlarFiscal(true, 1), "");  // re-saving the fiscal one
  EXPECT_EQ(records.ControlarFiscal(false, std::nullopt), "");

  // Another owner's fiscal address does not count.
  SwitchTo(D::kSinDomicilios);
  EXPECT_EQ(records.ControlarFiscal(true, std::nullopt), "");
  AddressInput d = NewAddress("Mitre", "10");
  d.Fiscal = true;
  records.Agregar(d);
  EXPECT_EQ(records.ControlarFiscal(true, std::nullopt), AddressRecords::kYaHayFiscal);

  // Deletions keep to the owner.
  SwitchTo(D::kEmpresa);
  const long others = Count("not (Cuit = '30712345676' and CodDJ = 1 and CodDueno = 1)");
  records.Eliminar(2);
  EXPECT_EQ(records.DarDomicilios(), "Av. Belgrano 1234, Córdoba\r\nRuta Nacional 9 , Villa María");
  records.EliminarTodos();
  EXPECT_EQ(records.DarDomicilios(), "");
  EXPECT_EQ(Count("not (Cuit = '30712345676' and CodDJ = 1 and CodDueno = 1)"), others);
  EXPECT_EQ(Count("Cuit = '30654321098' and CodDueno = 1"), 2);
}

TEST_F(AddressRecordsTest, AQuoteInTheCuitTouchesNoOtherRow) {
  const auto before = AllRows();
  for (const std::string& cuit :
       {std::string("30712345676' or '1'='1"), std::string("' or CodDJ <> '"),
        std::string("O'Higgins"), std::string("30712345676\0", 12)}) {
    scope.Cuit = cuit;
    EXPECT_TRUE(records.Lista().empty()) << cuit;
    EXPECT_EQ(records.DarDomicilios(), "") << cuit;
    EXPECT_EQ(records.ControlarFiscal(true, std::nullopt), "") << cuit;
    records.Eliminar(1);
    records.EliminarTodos();
    EXPECT_EQ(ErrorOf([&] { records.Editar(1, NewAddress("X", "1")); }), 3021) << cuit;
  }
  EXPECT_EQ(AllRows(), before);

  // Such a taxpayer's own rows work like any other.
  scope.Cuit = "20'1";
  const int32_t code = records.Agregar(NewAddress("Chacabuco", "5"));
  EXPECT_EQ(records.DarDomicilios(), "Chacabuco 5, Río Cuarto");
  records.Eliminar(code);
  EXPECT_EQ(AllRows(), before);
}

TEST_F(AddressRecordsTest, ANumericFieldSavesTheValueItShows) {
  // The kilometre as a number with decimals: slot 6 numeric, on a DOUBLE.
  db.Execute("ALTER TABLE 24Domicilios ADD COLUMN Kilometro DOUBLE");
  scope.Campos.Set_Campo(campo::kKm, campo::kNumerico, "Kilometro", 10, true, false, "", "Km", "");
  const std::pair<const char*, double> values[] = {{"2.5", 2.5},       {"-0.75", -0.75},
                                                   {"1234.5", 1234.5}, {"0.125", 0.125},
                                                   {"1E+20", 1e20},    {"7", 7}};
  for (const auto& [value, stored] : values) {
    db.Execute(std::string("update 24Domicilios set Kilometro = ") + value +
               " where CodDomicilio = 3");
    const LoadedAddress loaded = records.Cargar(3);
    // Saving what was loaded, untouched, stores the same value.
    AddressInput d;
    for (int slot : campo::kDeTexto) d.Textos[static_cast<size_t>(slot)] = *loaded.Textos[slot];
    d.SinNumero = *loaded.SinNumero;
    d.Provincia = *loaded.Provincia;
    records.Editar(3, d);
    dao::Recordset rs = db.OpenRecordset(
        "select Kilometro from 24Domicilios where CodDomicilio = 3", dao::dbOpenSnapshot);
    EXPECT_EQ(rs.Fields(0).Value().ToDouble(), stored) << value;
  }
  EXPECT_EQ(*records.Cargar(3).Textos[campo::kKm], "7");
  db.Execute("update 24Domicilios set Kilometro = 2.5 where CodDomicilio = 3");
  EXPECT_EQ(*records.Cargar(3).Textos[campo::kKm], "2,5");
}
