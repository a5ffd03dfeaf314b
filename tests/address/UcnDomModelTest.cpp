// The address control's logic on the sample data: the summary, the
// opening sequence and its single working copy, undoing the user's
// changes, the late reference and the resize rule.
#include <gtest/gtest.h>

#include "address/EditorFixture.h"
#include "support/ErrorOf.h"

namespace {

using D = SampleAddresses;
using Calls = std::vector<std::string>;

class UcnDomModelTest : public EditorFixture {};

const char* const kCompanySummary =
    "Av. Belgrano 1234, Córdoba\r\nBv. San Juan 850, Córdoba\r\nRuta Nacional 9 , Villa María";

}  // namespace

TEST_F(UcnDomModelTest, TheOpeningFollowsItsOrderTheSummaryFollowsTheEditorAndUndoRestores) {
  const auto before = AllRows();
  EXPECT_FALSE(dom.HayDomicilio());
  dom.Refrescar();
  EXPECT_EQ(dom.txt(), kCompanySummary);
  EXPECT_TRUE(dom.HayDomicilio());
  EXPECT_EQ(dom.ObtenerResumen(), "");

  std::vector<std::string> events;
  dom.AntesDeAbrir = [&] {
    events.push_back("AntesDeAbrir");
    EXPECT_TRUE(view.caption.empty());  // before anything else happens
  };
  dom.alCambiarResumen = [&](const std::string& t) { events.push_back("Resumen " + t); };
  Open([&](FrmDomiciliosModel& m) {
    EXPECT_EQ(view.caption, "Domicilios del titular");
    EXPECT_EQ(view.slotLines[campo::kCalle] + "|" + view.slotLines[campo::kCodigoPostal] + "|" +
                  view.slotLines[campo::kObservaciones],
              "Calle: 40|Código Postal: 8|Observaciones: 255");
    EXPECT_EQ(view.slotLines.count(campo::kProvincia), 0u);
    EXPECT_EQ(view.columns, (std::vector<std::pair<std::string, int>>{
                                {"Calle", 2000}, {"Nro", 500}, {"Localidad", 1000}}));
    EXPECT_EQ(view.provinces.size(), 24u);
    EXPECT_EQ(view.provinces[3], (std::pair<std::string, std::string>{"3", "Córdoba"}));
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(m.Entradas().size(), 3u);
    EXPECT_FALSE(dom.Inicio());
    EXPECT_EQ(Count("CodDJ = -1"), 3);  // the working copy
    EXPECT_EQ(dom.txt(), "");
    m.Bot_BotonSalir();
  });
  EXPECT_EQ(events, (Calls{"AntesDeAbrir", "Resumen ", "Resumen " + std::string(kCompanySummary)}));
  EXPECT_EQ(view.calls, (Calls{"Centrar", "EstadoBarra 0", "MostrarModal", "Cerrar"}));

  // A second opening makes no second copy; undoing restores the table of
  // the first opening.
  dom.AntesDeAbrir = nullptr;
  boxes->SetNextAnswer(msgbox::vbYes);
  Open([&](FrmDomiciliosModel& m) {
    EXPECT_EQ(Count("CodDJ = -1"), 3);
    m.Bot_BotonNuevo();
    view.fiscal = false;
    view.Type(campo::kCalle, "Güemes");
    view.Type(campo::kNumero, "12");
    view.Type(campo::kLocalidad, "Río Tercero");
    m.Bot_BotonAceptar();
    m.LstDomicilios_ItemClick(0);
    m.Bot_BotonEliminarDato();
    m.Bot_BotonSalir();
  });
  EXPECT_EQ(dom.txt(),
            "Bv. San Juan 850, Córdoba\r\nRuta Nacional 9 , Villa María\r\nGüemes 12, Río Tercero");
  dom.ResetearCopia();
  dom.Refrescar();
  EXPECT_EQ(dom.txt(), kCompanySummary);
  EXPECT_EQ(AllRows(), before);
}

// The rows saved before the host knew its record's reference, and their
// backup, take it; no other row does.
TEST_F(UcnDomModelTest, NuevoUpdateGivesThePendingRowsAndTheirBackupTheirReference) {
  Configure(D::kReferenciaPendiente);
  Open([](FrmDomiciliosModel& m) { m.Bot_BotonSalir(); });
  EXPECT_EQ(Count("CodReferencia = -2"), 2);  // the row and its backup
  dom.Nuevo_Update(4410);
  EXPECT_EQ(Count("CodReferencia = -2"), 0);
  EXPECT_EQ(Count("CodReferencia = 4410"), 2);
  EXPECT_EQ(Count("CodReferencia = 1"), 6);
  dom.CommitearCopia();
  dom.Set_Referencia(4410);
  EXPECT_EQ(dom.CodReferencia(), 4410);
  dom.Refrescar();
  EXPECT_EQ(dom.txt(), "Pasaje D'Elía 77, Ushuaia");
}

TEST_F(UcnDomModelTest, ResizeCountsWholeLinesOf320Twips) {
  const struct {
    int height, lines, textWidth;
  } cases[] = {{960, 3, 4000 - 300 - 20 - 20},
               {500, 1, 4000 - 300 - 20 - 20 + 1000},
               {300, 0, 4000 - 300 - 20 - 20},
               {320, 1, 4000 - 300 - 20 - 20 + 1000}};
  for (const auto& c : cases) {
    dom.UserControl_Resize(4000, c.height, 300, 285);
    EXPECT_EQ(dom.cmd(), (Rect{3680, 0, 300, 285})) << c.height;
    EXPECT_EQ(dom.txtRect(), (Rect{0, 0, c.textWidth, c.lines * 320})) << c.height;
  }
}
