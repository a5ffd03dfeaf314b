// The gallery, offscreen, on a new sample: every page built in its tab
// with its line, and each exercised as an operator would (a bar's button,
// a line added, a code looked up, the sorted list and the marks, delayed
// branches opened, the sample's amount, the address control without an
// editor, the regional outcome under two machines).
// With REMENDOR_GALERIA_SHOTS set to a folder, each page is saved there as
// galeria-<page>.png.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdlib>
#include <memory>

#include "address/ui/FrmDomicilios.h"
#include "controls/ui/NOVUBot.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/NOVUInfoRep.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/NOVUTree.h"
#include "controls/ui/ucnXCurrency.h"
#include "forms/ui/FrmXMensaje.h"
#include "gallery/ui/AddressPage.h"
#include "gallery/ui/ButtonBarPage.h"
#include "gallery/ui/ComboPage.h"
#include "gallery/ui/GalleryTreeContainer.h"
#include "gallery/ui/GalleryWindow.h"
#include "gallery/ui/ListsPage.h"
#include "gallery/ui/NumbersPage.h"
#include "gallery/ui/RegionalPage.h"
#include "gallery/ui/ResultsPage.h"
#include "gallery/ui/TreePage.h"
#include "gallery/ui/WindowsPage.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "platform/a_c_w.h"
#include "samples/SampleGalleryData.h"

namespace {

std::unique_ptr<FrmDomiciliosView> Editor(QWidget* padre);

class GalleryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { demo = new SampleGalleryData(); }
  static void TearDownTestSuite() {
    delete demo;
    demo = nullptr;
  }

  template <typename P>
  P& Pagina(const char* clave) {
    auto* p = dynamic_cast<P*>(ventana.Pagina(clave));
    if (!p) throw std::runtime_error(std::string("no page ") + clave);
    return *p;
  }

  static SampleGalleryData* demo;
  ScopedService<RecordingMessageBox> cajas;
  GalleryWindow ventana{*demo, Editor};
};

SampleGalleryData* GalleryTest::demo = nullptr;

// The program's editor, as its main wires it.
std::unique_ptr<FrmDomiciliosView> Editor(QWidget* padre) {
  return std::make_unique<FrmDomicilios>(padre);
}

QTreeWidgetItem* Hijo(QTreeWidgetItem* nodo, const QString& comienzo) {
  for (int i = 0; i < nodo->childCount(); i++) {
    if (nodo->child(i)->text(0).startsWith(comienzo)) return nodo->child(i);
  }
  return nullptr;
}

QStringList Textos(QTreeWidgetItem* nodo) {
  QStringList t;
  for (int i = 0; i < nodo->childCount(); i++) t << nodo->child(i)->text(0);
  return t;
}

}  // namespace

TEST_F(GalleryTest, EveryPageHasItsTabAndItsLineAndIsSavedAsAPicture) {
  const auto& todas = GalleryPages::Todas();
  ASSERT_EQ(ventana.Paginas().size(), todas.size());
  ventana.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
  const char* carpeta = std::getenv("REMENDOR_GALERIA_SHOTS");
  for (size_t i = 0; i < todas.size(); i++) {
    GalleryPage* p = ventana.Paginas()[i];
    EXPECT_EQ(ventana.Pestanas()->tabText(static_cast<int>(i)).toStdString(), todas[i].titulo);
    EXPECT_EQ(p->Linea()->text().toStdString(), todas[i].linea);
    ventana.MostrarPagina(todas[i].clave);
    EXPECT_EQ(ventana.Pestanas()->currentWidget(), p);
    if (std::string(todas[i].clave) == "arbol") {
      auto& arbol = Pagina<TreePage>("arbol");
      QTreeWidgetItem* dj = arbol.Arbol()->Arbol()->topLevelItem(0)->child(0);
      dj->setExpanded(true);
      Hijo(dj, "CONSTRUCCIONES")->setExpanded(true);
    }
    QCoreApplication::processEvents();  // the labels a page updates once a branch opened
    const QImage foto = ventana.grab().toImage();
    EXPECT_FALSE(foto.isNull());
    if (carpeta) {
      EXPECT_TRUE(
          foto.save(QString::fromLocal8Bit(carpeta) + "/galeria-" + todas[i].clave + ".png"));
    }
  }
  EXPECT_TRUE(cajas->Boxes().empty()) << cajas->Boxes().front().text;
}

TEST_F(GalleryTest, TheBarsShowTheirStatesAndTellTheEventOfAClick) {
  auto& p = Pagina<ButtonBarPage>("botones");
  ventana.show();
  ventana.MostrarPagina("botones");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
  using M = NOVUBotModel;
  EXPECT_TRUE(p.Barra(0)->cmdBtn(M::kEditar)->isVisible());
  EXPECT_FALSE(p.Barra(0)->cmdBtn(M::kAceptar)->isVisible());
  EXPECT_TRUE(p.Barra(1)->cmdBtn(M::kNuevo)->isVisible());
  EXPECT_FALSE(p.Barra(1)->cmdBtn(M::kEditar)->isVisible());
  EXPECT_TRUE(p.Barra(2)->cmdBtn(M::kAceptar)->isVisible());
  EXPECT_FALSE(p.Barra(2)->cmdBtn(M::kSalir)->isVisible());
  p.Barra(1)->cmdBtn(M::kSalir)->click();
  EXPECT_EQ(p.Evento()->text().toStdString(), "Último evento: BotonSalir (barra en estado 1)");
  p.Barra(2)->cmdBtn(M::kCancelar)->click();
  EXPECT_EQ(p.Evento()->text().toStdString(), "Último evento: BotonCancelar (barra en estado 2)");
}

TEST_F(GalleryTest, TheResultListOpensWithWhatTheSampleShowsEachLineOfItsKind) {
  auto& p = Pagina<ResultsPage>("resultados");
  NOVUInfoRep& lista = *p.Lista();
  // The sample as made (GalleryReports): its sizes, its NULL amounts, no
  // VersionBase until a repair, and the engine's error as an example.
  ASSERT_EQ(lista.CantidadLineas(), 4);
  EXPECT_EQ(lista.ImagenLinea(0), "Informacion");
  EXPECT_EQ(lista.TextoLinea(0).rfind("La muestra tiene ", 0), 0u);
  EXPECT_EQ(lista.ImagenLinea(1), "Advertencia");
  EXPECT_EQ(lista.ImagenLinea(2), "Advertencia");
  EXPECT_NE(lista.TextoLinea(2).find("VersionBase"), std::string::npos) << lista.TextoLinea(2);
  EXPECT_EQ(lista.ImagenLinea(3), "Error");

  p.Texto()->setText(QString::fromUtf8("Otra línea, con ñ"));
  for (QPushButton* b : p.findChildren<QPushButton*>()) {
    if (b->text() == QString::fromUtf8("Agregar advertencia")) b->click();
  }
  ASSERT_EQ(lista.CantidadLineas(), 5);
  EXPECT_EQ(lista.TextoLinea(4), "Otra línea, con ñ");
  EXPECT_EQ(lista.ImagenLinea(4), "Advertencia");
}

TEST_F(GalleryTest, TheComboHoldsTheProvincesAndSelectsByCode) {
  auto& p = Pagina<ComboPage>("combo");
  EXPECT_EQ(p.Combo()->CboDatos()->count(), 24);
  EXPECT_EQ(p.Combo()->GetTextoSeleccionado(), "Córdoba");
  EXPECT_EQ(p.Seleccion()->text().toStdString(), "Seleccionada: código 3, texto «Córdoba»");
  p.Codigo()->setText("20");
  QTest::keyClick(p.Codigo(), Qt::Key_Return);
  EXPECT_EQ(p.Combo()->GetTextoSeleccionado(), "Neuquén");
  p.Codigo()->setText("99");
  QTest::keyClick(p.Codigo(), Qt::Key_Return);
  EXPECT_EQ(p.Combo()->GetCodigoSeleccionado(), "");
  EXPECT_TRUE(p.Seleccion()->text().startsWith("Ninguna provincia"));
}

TEST_F(GalleryTest, TheOwnersAreInSpanishOrderAndTheUsedProvincesMarked) {
  auto& p = Pagina<ListsPage>("listas");
  std::vector<std::string> nombres;
  for (int i = 1; i <= p.Titulares()->GetCantFilas(); i++) {
    nombres.push_back(p.Titulares()->GetItems(Variant(int32_t{i}))->Text());
  }
  EXPECT_EQ(nombres, (std::vector<std::string>{"ÁLVAREZ, NICOLÁS", "CONSTRUCCIONES DEL PLATA S.A.",
                                               "GÓMEZ, MARÍA JOSÉ", "PEÑA HERMANOS S.R.L.",
                                               "SUÁREZ, TOMÁS"}));
  EXPECT_EQ(p.Titulares()->GetItems(Variant("T1-2"))->SubItems(1), "30712345676");
  EXPECT_EQ(p.Marcas()->GetItems(Variant("P3"))->SmallIcon(), "marcado");
  EXPECT_EQ(p.Marcas()->GetItems(Variant("P24"))->SmallIcon(), "marcado");
  EXPECT_EQ(p.Marcas()->GetItems(Variant("P1"))->SmallIcon(), "desmarcado");
}

TEST_F(GalleryTest, TheTreeAsksForABranchsRowsOnlyWhenItIsOpened) {
  auto& p = Pagina<TreePage>("arbol");
  QTreeWidgetItem* raiz = p.Arbol()->Arbol()->topLevelItem(0);
  EXPECT_EQ(Textos(raiz),
            (QStringList{"Declaración 1, CUIT 30712345676", "Declaración 2, CUIT 30654321098",
                         "Declaración 3, CUIT 33709876541"}));
  EXPECT_EQ(p.Anfitrion().FilasPedidas(), 3);

  QTreeWidgetItem* dj = raiz->child(0);
  EXPECT_EQ(Textos(dj), QStringList{"nodotemporal"});
  dj->setExpanded(true);
  EXPECT_EQ(Textos(dj), (QStringList{"CONSTRUCCIONES DEL PLATA S.A.", "GÓMEZ, MARÍA JOSÉ"}));
  EXPECT_EQ(Textos(dj->child(0)),
            (QStringList{"Domicilio fiscal", "Av. Belgrano 1234, Córdoba (fiscal)",
                         "Bv. San Juan 850, Córdoba", "Ruta Nacional 9 S/N, Villa María"}));
  EXPECT_EQ(Textos(dj->child(1)),
            (QStringList{"Domicilio fiscal", "O'Higgins 5520, Córdoba (fiscal)"}));
  EXPECT_EQ(p.Anfitrion().FilasPedidas(), 9);
  dj->setExpanded(false);
  dj->setExpanded(true);
  EXPECT_EQ(p.Anfitrion().FilasPedidas(), 9);  // loaded once
  EXPECT_EQ(Textos(raiz->child(2)), QStringList{"nodotemporal"});
  QTest::qWait(0);
  EXPECT_TRUE(p.Estado()->text().contains("hasta ahora: 9."));
}

TEST_F(GalleryTest, TheAmountBoxShowsTheSamplesTotalAndTheOtherTakesNull) {
  auto& p = Pagina<NumbersPage>("numeros");
  dao::Recordset rs =
      demo->Host().OpenRecordset("select sum(Adicionales) from 22Cuiles", dao::dbOpenSnapshot);
  EXPECT_NEAR(p.Importe()->Text().ToDouble(), rs.Fields(0).Value().ToDouble(), 0.005);
  EXPECT_TRUE(p.Libre()->Text().IsNull());
  EXPECT_EQ(p.ValorLibre()->text().toStdString(), "Text = Null");
}

TEST_F(GalleryTest, WithoutAnEditorTheAddressControlShowsTheOwnersSummaryOnly) {
  AddressPage p(demo->Host(), nullptr);
  EXPECT_FALSE(p.Control()->cmd().isEnabled());
  EXPECT_EQ(p.Control()->txt().toPlainText().toStdString(),
            "Av. Belgrano 1234, Córdoba\nBv. San Juan 850, Córdoba\nRuta Nacional 9 , Villa María");
  EXPECT_TRUE(p.Estado()->text().startsWith("Este programa no tiene el editor"));
  EXPECT_FALSE(p.Guardar()->isEnabled());
  p.Titular()->SeleccionarOrden(3);  // SUÁREZ, TOMÁS: no addresses
  EXPECT_EQ(p.Control()->txt().toPlainText(), "");
  EXPECT_TRUE(p.Estado()->text().contains("Tiene domicilios: no"));
}

TEST_F(GalleryTest, TheRegionalPageTellsEachChecksOutcomeWithoutShowingIt) {
  RegionalPage buena(nullptr, RegionalSettings::Required());
  EXPECT_EQ(buena.Resultado()->text().count(QString::fromUtf8("✔")), 2);
  EXPECT_FALSE(buena.Resultado()->text().contains("Mensaje"));

  RegionalSettings otra;
  otra.decimalSeparator = ".";
  otra.thousandsSeparator = ",";
  RegionalPage mala(nullptr, otra);
  EXPECT_TRUE(mala.Resultado()->text().contains(QString::fromUtf8("✘ Números")));
  EXPECT_TRUE(mala.Resultado()->text().contains(QString::fromUtf8("✔ Fechas")));
  EXPECT_TRUE(mala.Resultado()->text().contains("Separador de miles : . (punto)"));
  EXPECT_TRUE(cajas->Boxes().empty());
  mala.Ejecutar()->click();  // now as a program runs them: the message shows
  ASSERT_EQ(cajas->Boxes().size(), 1u);
  EXPECT_EQ(cajas->Boxes()[0].text, a_c_w::kMensajeNumeros);
}

TEST_F(GalleryTest, TheAddressEditorOpensFromThePageAndTheHostKeepsOrUndoesItsWork) {
  auto& p = Pagina<AddressPage>("domicilios");
  ASSERT_TRUE(p.Control()->cmd().isEnabled());
  EXPECT_TRUE(p.Estado()->text().startsWith(QString::fromUtf8("Pulse «...»")));
  const QString antes = p.Control()->txt().toPlainText();
  ASSERT_EQ(antes.count('\n'), 2);

  // The operator deletes the address the editor opens on, confirms, and
  // leaves; a guard ends the window if the test cannot.
  cajas->SetNextAnswer(msgbox::vbYes);
  bool visto = false;
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<FrmDomicilios*>(QApplication::activeModalWidget());
    if (!editor) return;
    visto = true;
    editor->Bot()->cmdBtn(NOVUBotModel::kEliminarDato)->click();
    editor->Bot()->cmdBtn(NOVUBotModel::kSalir)->click();
  });
  QTimer::singleShot(10000, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  p.Control()->cmd().click();
  QCoreApplication::processEvents();
  ASSERT_TRUE(visto);
  EXPECT_EQ(p.Control()->txt().toPlainText().count('\n'), 1);
  EXPECT_TRUE(p.Estado()->text().contains(QString::fromUtf8("Tiene domicilios: sí")));
  EXPECT_TRUE(p.Estado()->text().contains(QString::fromUtf8("Copia de trabajo: con cambios")));
  ASSERT_TRUE(p.Deshacer()->isEnabled());

  p.Deshacer()->click();
  EXPECT_EQ(p.Control()->txt().toPlainText(), antes);
  EXPECT_FALSE(p.Guardar()->isEnabled());
}

TEST_F(GalleryTest, TheOneTimeMessageKeepsItsAnswerInTheGallerysOwnDatabase) {
  demo->Propia().Execute("delete from Configuracion");
  auto& p = Pagina<WindowsPage>("ventanas");
  QPushButton* mensaje = nullptr;
  for (QPushButton* b : p.findChildren<QPushButton*>()) {
    if (b->text() == "Mensaje de una vez") mensaje = b;
  }
  ASSERT_NE(mensaje, nullptr);
  QTimer::singleShot(10000, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });

  int vistos = 0;
  auto operador = [&] {
    auto* ventana = qobject_cast<FrmXMensaje*>(QApplication::activeModalWidget());
    if (!ventana) return;
    vistos++;
    ventana->chkNoVolver()->setChecked(true);
    ventana->btnAceptar()->click();
  };
  QTimer::singleShot(0, operador);
  mensaje->click();
  EXPECT_EQ(vistos, 1);
  EXPECT_EQ(p.Respuesta()->text().toStdString(), "El mensaje de una vez se cerró.");
  dao::Recordset rs =
      demo->Propia().OpenRecordset("select CodItem from Configuracion", dao::dbOpenSnapshot);
  ASSERT_FALSE(rs.Eof());
  EXPECT_EQ(rs.Fields(0).Value().ToLong(), 1);

  QTimer::singleShot(0, operador);
  mensaje->click();  // told not to come back: nothing shows
  QCoreApplication::processEvents();
  EXPECT_EQ(vistos, 1);
  EXPECT_TRUE(cajas->Boxes().empty());
}
