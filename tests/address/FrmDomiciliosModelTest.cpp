// The address editor's logic through a recording window on the sample
// data: modes and the bar's states, validation and its focus, saving new
// and edited addresses, the one-fiscal-address rule, deletions with their
// confirmation, single-address mode and the compact layout, and engine
// failures that must lose neither typing nor rows.
#include <gtest/gtest.h>

#include "address/EditorFixture.h"

namespace {

using D = SampleAddresses;
using Calls = std::vector<std::string>;

class FrmDomiciliosModelTest : public EditorFixture {
 protected:
  // Fills the mandatory fields of a new address.
  void Fill(const std::string& street, const std::string& number, const std::string& town) {
    view.Type(campo::kCalle, street);
    view.Type(campo::kNumero, number);
    view.Type(campo::kLocalidad, town);
  }
  // The window's mode: the bar's state and what is enabled.
  std::string Mode() const {
    return "bar " + std::to_string(view.barState) + (view.listEnabled ? ", list" : "") +
           (view.dataEnabled ? ", data" : "") + (view.numberEnabled ? ", number" : "");
  }
  // The address the fields show: street | number, its boxes | province.
  std::string Shown() const {
    return view.Texto(campo::kCalle) + " | " + view.Texto(campo::kNumero) +
           (view.noNumber ? " S/N" : "") + (view.fiscal ? " fiscal" : "") + " | " + view.province;
  }
};

}  // namespace

TEST_F(FrmDomiciliosModelTest, TheBarFollowsTheModeAndClosingAsksOnlyWhenTypingWouldBeLost) {
  const auto before = AllRows();
  boxes->SetNextAnswer(msgbox::vbNo);
  boxes->SetNextAnswer(msgbox::vbYes);
  Open([&](FrmDomiciliosModel& m) {
    EXPECT_FALSE(m.EnEdicion());
    EXPECT_EQ(Mode(), "bar 0, list");
    EXPECT_EQ(Shown(), "Av. Belgrano | 1234 fiscal | 3");  // disabled, still shown
    m.LstDomicilios_ItemClick(2);
    EXPECT_EQ(Shown(), "Ruta Nacional 9 |  S/N | 3");

    m.Bot_BotonEditar();
    EXPECT_TRUE(m.EnEdicion());
    EXPECT_TRUE(m.Editando());
    EXPECT_EQ(Mode(), "bar 2, data");  // no number: "Sin Número" is ticked
    EXPECT_EQ(view.focus, campo::kCalle);
    // A click on the disabled list changes nothing.
    m.LstDomicilios_ItemClick(0);
    EXPECT_EQ(view.Texto(campo::kCalle), "Ruta Nacional 9");

    // Unticking enables the number box, left empty; ticking empties it.
    view.noNumber = false;
    m.chkSinNro_Click();
    EXPECT_EQ(Mode(), "bar 2, data, number");
    EXPECT_EQ(view.Texto(campo::kNumero), "");
    view.Type(campo::kNumero, "12");
    view.noNumber = true;
    m.chkSinNro_Click();
    EXPECT_EQ(Mode(), "bar 2, data");
    EXPECT_EQ(view.Texto(campo::kNumero), "");

    // Cancelar reloads the address: the typing is dropped.
    view.Type(campo::kCalle, "Otra calle");
    m.Bot_BotonCancelar();
    EXPECT_EQ(Shown(), "Ruta Nacional 9 |  S/N | 3");
    EXPECT_FALSE(m.EnEdicion());
    EXPECT_EQ(Mode(), "bar 0, list");
    // A numeric slot takes only digits and backspace; a text slot takes all.
    for (int key : {int{'0'}, int{'7'}, int{'9'}, 8})
      EXPECT_EQ(m.TxtDato_KeyPress(campo::kNumero, key), key);
    for (int key : {'a', '-', ',', '.', ' '}) EXPECT_EQ(m.TxtDato_KeyPress(campo::kNumero, key), 0);
    EXPECT_EQ(m.TxtDato_KeyPress(campo::kCalle, '-'), '-');

    // The window system's close (Alt+F4, the frame) while an address is
    // typed asks before it drops the typing; with nothing typed it closes.
    EXPECT_TRUE(m.CloseRequested());  // browsing
    m.Bot_BotonNuevo();
    EXPECT_TRUE(m.CloseRequested());  // Nuevo's defaults are no typing
    view.Type(campo::kCalle, "Calle nueva");
    view.Type(campo::kNumero, "12345");
    EXPECT_FALSE(m.CloseRequested());  // No: the window and the typing stay
    EXPECT_TRUE(m.EnEdicion());
    EXPECT_EQ(view.Texto(campo::kNumero), "12345");
    EXPECT_TRUE(m.CloseRequested());  // Yes: dropped as Cancelar drops it
    EXPECT_FALSE(m.EnEdicion());
    EXPECT_EQ(view.Texto(campo::kCalle), "Ruta Nacional 9");
    m.Bot_BotonEditar();
    EXPECT_TRUE(m.CloseRequested());  // an edit with nothing changed
    m.Bot_BotonSalir();
  });
  EXPECT_TRUE(view.closed);
  ASSERT_EQ(boxes->Boxes().size(), 2u);  // Cancelar asks nothing
  EXPECT_EQ(boxes->Boxes()[0].text, FrmDomiciliosModel::kDescartar);
  EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbYesNo + msgbox::vbDefaultButton2);
  dom.CommitearCopia();
  EXPECT_EQ(AllRows(), before);
}

// Validation names the first missing field and focuses it; Nuevo leaves
// the type shown as it stands: after the fiscal address, a new one saved
// as it stands is refused, not stored as a second fiscal; saved as another
// type it is listed and selected. The fiscal one itself may be saved again.
TEST_F(FrmDomiciliosModelTest, ValidationAndTheOneFiscalRuleRefuseANewAddressUntilItIsRight) {
  Open([&](FrmDomiciliosModel& m) {
    m.LstDomicilios_ItemClick(1);  // not the fiscal one
    m.Bot_BotonNuevo();
    EXPECT_FALSE(view.fiscal);
    m.Bot_BotonCancelar();

    m.LstDomicilios_ItemClick(0);  // the fiscal one
    m.Bot_BotonNuevo();
    EXPECT_FALSE(m.Editando());
    EXPECT_EQ(Mode(), "bar 2, data, number");
    EXPECT_EQ(Shown(), " |  fiscal | 3");  // the default province
    EXPECT_EQ(view.focus, campo::kCalle);
    view.Type(campo::kCalle, "   ");  // blanks only
    view.focus = -1;
    m.Bot_BotonAceptar();
    EXPECT_EQ(view.focus, campo::kCalle);
    view.Type(campo::kCalle, "Pasaje O'Brien Ñandú");
    m.Bot_BotonAceptar();
    EXPECT_EQ(view.focus, campo::kLocalidad);
    view.Type(campo::kLocalidad, "Río Cuarto");
    view.SeleccionarProvincia("");
    m.Bot_BotonAceptar();
    EXPECT_EQ(view.focus, campo::kProvincia);
    view.SeleccionarProvincia("3");
    view.Type(campo::kNumero, "15");
    m.Bot_BotonAceptar();
    // Refused: still editing, the typing kept.
    EXPECT_TRUE(m.EnEdicion());
    EXPECT_EQ(view.Texto(campo::kCalle), "Pasaje O'Brien Ñandú");
    EXPECT_EQ(view.entries.size(), 3u);
    view.fiscal = false;
    m.Bot_BotonAceptar();
    EXPECT_FALSE(m.EnEdicion());
    EXPECT_EQ(Mode(), "bar 0, list");
    ASSERT_EQ(view.entries.size(), 4u);
    EXPECT_EQ(view.entries[3].Clave + " " + view.entries[3].Texto, "A8 Pasaje O'Brien Ñandú");
    EXPECT_EQ(view.selected, 3);
    EXPECT_EQ(view.Texto(campo::kLocalidad), "Río Cuarto");

    m.LstDomicilios_ItemClick(0);
    m.Bot_BotonEditar();
    view.Type(campo::kCalle, "Av. Gral. Belgrano");
    m.Bot_BotonAceptar();
    EXPECT_FALSE(m.EnEdicion());
    EXPECT_EQ(view.entries[0].Clave + " " + view.entries[0].Texto, "A1 Av. Gral. Belgrano");
  });
  EXPECT_EQ(BoxTexts(), (Calls{"Debe ingresar el dato Calle", "Debe ingresar el dato Localidad",
                               "Debe ingresar la provincia", AddressRecords::kYaHayFiscal}));
  EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbOKOnly);
  EXPECT_EQ(boxes->Boxes()[0].title, "Remendor");
  EXPECT_EQ(Count("CodDJ = 1 and CodDueno = 1"), 4);  // no refused save left a row
  EXPECT_EQ(Count("CodDJ = 1 and CodDueno = 1 and Fiscal = 1"), 1);
  EXPECT_EQ(Count("CodDJ = 1 and CodDomicilio = 1 and Calle = 'Av. Gral. Belgrano'"), 1);
  EXPECT_EQ(Count("CodDJ = 1 and CodDomicilio = 8 and Calle = 'Pasaje O''Brien Ñandú' and "
                  "Numero = 15 and Fiscal = 0 and Provincia = 3 and CodReferencia = 1"),
            1);

  // A hidden mandatory field is not asked for.
  Hide(campo::kLocalidad);
  boxes->Clear();
  Open([&](FrmDomiciliosModel& m) {
    m.Bot_BotonNuevo();
    view.fiscal = false;
    view.Type(campo::kCalle, "Colón");
    m.Bot_BotonAceptar();
    EXPECT_FALSE(m.EnEdicion());
  });
  EXPECT_TRUE(boxes->Boxes().empty());
}

TEST_F(FrmDomiciliosModelTest, DeletionsAskFirstAndEndInBrowsing) {
  boxes->SetNextAnswer(msgbox::vbNo);
  boxes->SetNextAnswer(msgbox::vbYes);
  boxes->SetNextAnswer(msgbox::vbYes);
  Open([&](FrmDomiciliosModel& m) {
    m.LstDomicilios_ItemClick(1);
    m.Bot_BotonEliminarDato();  // No
    EXPECT_EQ(view.entries.size(), 3u);
    m.Bot_BotonEliminarDato();  // Yes
    ASSERT_EQ(view.entries.size(), 2u);
    EXPECT_EQ(view.entries[1].Clave, "A3");
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(Shown(), "Av. Belgrano | 1234 fiscal | 3");
    EXPECT_EQ(Mode(), "bar 0, list");

    m.Bot_BotonEliminarTodos();  // Yes
    EXPECT_TRUE(view.entries.empty());
    EXPECT_EQ(view.Texto(campo::kCalle), "");
    EXPECT_EQ(Mode(), "bar 1, list");
    EXPECT_FALSE(m.EnEdicion());
  });
  ASSERT_EQ(boxes->Boxes().size(), 3u);
  EXPECT_EQ(boxes->Boxes()[0].text, "¿Confirma la eliminación del domicilio seleccionado?");
  EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbYesNo);
  EXPECT_EQ(boxes->Boxes()[2].text, "¿Confirma la eliminación de todos los domicilios?");
  EXPECT_EQ(Count("CodDJ = 1 and CodDueno = 1"), 0);
  EXPECT_EQ(Count("CodDJ = 1 and CodDueno = 2"), 1);   // the other owner's rows stay
  EXPECT_EQ(Count("CodDJ = -1 and CodDueno = 1"), 3);  // the backup rests
}

TEST_F(FrmDomiciliosModelTest, EngineFailuresAreShownAndLoseNeitherTypingNorRows) {
  // A save that fails half way: the last slot written names a column the
  // table lacks.
  const auto column = [&](const char* name) {
    ChangeSlot(campo::kObservaciones, [&](CampoDomicilio& c) { c.NombreCampo = name; });
  };
  Open([&](FrmDomiciliosModel& m) {
    m.Bot_BotonNuevo();
    view.fiscal = false;
    Fill("Sarmiento", "99", "Jesús María");
    column("NoExiste");
    m.Bot_BotonAceptar();
    column("Observaciones");
    EXPECT_TRUE(m.EnEdicion());
    EXPECT_EQ(view.Texto(campo::kCalle), "Sarmiento");
    EXPECT_EQ(view.entries.size(), 3u);
    m.Bot_BotonAceptar();  // retried once the cause is gone
    EXPECT_EQ(view.entries.size(), 4u);

    m.LstDomicilios_ItemClick(0);
    m.Bot_BotonEditar();
    view.Type(campo::kCalle, "Cambiada");
    column("NoExiste");
    m.Bot_BotonAceptar();
    column("Observaciones");
    EXPECT_TRUE(m.EnEdicion());
    EXPECT_EQ(view.Texto(campo::kCalle), "Cambiada");
    EXPECT_EQ(view.entries[0].Texto, "Av. Belgrano");
    m.Bot_BotonCancelar();

    // Another program removed the third address meanwhile: loading it
    // fails, and the fields show no other address's data.
    db.Execute("DELETE FROM 24Domicilios WHERE CodDomicilio = 3");
    m.LstDomicilios_ItemClick(2);
    EXPECT_EQ(view.Texto(campo::kCalle), "");
    // A deletion that fails leaves the list as it was.
    dom.SetTabla("NoHayTabla");
    boxes->SetNextAnswer(msgbox::vbYes);
    m.Bot_BotonEliminarDato();
    EXPECT_EQ(view.entries.size(), 4u);
    dom.SetTabla(D::kTabla);
  });
  ASSERT_EQ(boxes->Boxes().size(), 5u);
  for (int i : {0, 1}) {
    EXPECT_NE(boxes->Boxes()[i].text.find("NoExiste"), std::string::npos) << boxes->Boxes()[i].text;
    EXPECT_EQ(boxes->Boxes()[i].style, msgbox::vbOKOnly);
  }
  EXPECT_EQ(boxes->Boxes()[3].text, FrmDomiciliosModel::kConfirmaUno);
  EXPECT_NE(boxes->Boxes()[4].text.find("NoHayTabla"), std::string::npos) << boxes->Boxes()[4].text;
  // The first attempt left no half-written row, the failed edit no change.
  EXPECT_EQ(Count("CodDJ = 1 and Calle = 'Sarmiento'"), 1);
  EXPECT_EQ(Count("Calle = 'Cambiada'"), 0);
}

TEST_F(FrmDomiciliosModelTest, ALoadingFailureStopsTheOpeningAndKeepsTheSummary) {
  dom.Refrescar();
  const std::string summary = dom.txt();
  db.Execute("DROP TABLE provincias");
  Open([&](FrmDomiciliosModel&) { ADD_FAILURE() << "the editor must not show"; });
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_NE(boxes->Boxes()[0].text.find("provincias"), std::string::npos);
  EXPECT_EQ(dom.txt(), summary);
  EXPECT_TRUE(dom.Inicio());  // no copy was made
}

// Hidden slots shorten the frame; a fixed type is chosen and its frame
// stays disabled; single-address mode goes straight into editing, hides
// the list, and Aceptar closes the window, or with no address yet saves a
// new one once and goes on editing it.
TEST_F(FrmDomiciliosModelTest, HiddenSlotsAFixedTypeAndSingleAddressModeShapeTheEditor) {
  for (int slot : {campo::kTelefono, campo::kFax, campo::kEMail, campo::kObservaciones}) Hide(slot);
  ChangeSlot(campo::kTipo, [](CampoDomicilio& c) { c.ValorFijo = "0"; });
  Open([&](FrmDomiciliosModel& m) {
    EXPECT_EQ(view.calls, (Calls{"AltoDatos 3075", "AltoVentana 5710", "AltoBarra 5475", "Centrar",
                                 "EstadoBarra 0", "MostrarModal"}));
    EXPECT_FALSE(view.fiscal);  // the first address is fiscal, the slot says other
    EXPECT_FALSE(view.typeEnabled);
    m.Bot_BotonEditar();
    EXPECT_FALSE(view.typeEnabled);
    m.Bot_BotonAceptar();
  });
  EXPECT_EQ(Count("CodDJ = 1 and CodDomicilio = 1 and Fiscal = 0"), 1);

  dom.SetSoloUno(true);
  view.calls.clear();
  Open([&](FrmDomiciliosModel& m) {
    EXPECT_TRUE(m.Editando());
    view.Type(campo::kCalle, "Av. Belgrano Sur");
    m.Bot_BotonAceptar();
  });
  EXPECT_EQ(view.calls, (Calls{"AltoDatos 3075", "MostrarLista 0", "TopDatos 100",
                               "AltoVentana 3675", "AltoBarra 3475", "Centrar", "EstadoBarra 2",
                               "Enfocar 2", "MostrarModal", "Cerrar"}));
  EXPECT_EQ(Count("CodDJ = 1 and CodDomicilio = 1 and Calle = 'Av. Belgrano Sur'"), 1);

  dom.CommitearCopia();
  Configure(D::kSinDomicilios);
  Open([&](FrmDomiciliosModel& m) {
    EXPECT_FALSE(m.Editando());
    EXPECT_EQ(view.barState, 2);
    Fill("Lavalle", "300", "Salta");
    m.Bot_BotonAceptar();
    EXPECT_TRUE(m.EnEdicion());  // never leaves editing
    view.Type(campo::kNumero, "301");
    m.Bot_BotonAceptar();
  });
  EXPECT_EQ(Count("Cuit = '30654321098' and CodDJ = 2 and CodDueno = 3"), 1);
  EXPECT_EQ(Count("Cuit = '30654321098' and CodDJ = 2 and CodDueno = 3 and Numero = 301"), 1);
}
