// The gallery's wiring, offscreen, on a new sample: every page built in
// its tab with its line, and each exercised as an operator would (a bar's
// button, a line added, a code looked up, the sorted list and the marks,
// delayed branches opened, the sample's amount, the address control with
// and without an editor, the regional outcome, the one-time message). What
// the pages say is tested without widgets in tests/gallery.
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
#include <array>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "address/ui/FrmDomicilios.h"
#include "controls/ui/NOVUBot.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/NOVUInfoRep.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/NOVUTree.h"
#include "controls/ui/ucnXCurrency.h"
#include "forms/ui/FrmXMensaje.h"
#include "gallery/GalleryReports.h"
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
#include "support/ClippedTexts.h"
#include "support/QueryResults.h"

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

  // Fails on any label, button, caption, column header or tab of `window`
  // that cannot show its whole text, printing each with the room it needs
  // and the room it has.
  static void ExpectWholeTexts(const QWidget& window) {
    const std::vector<clipped::Finding> found = clipped::In(window);
    for (const clipped::Finding& f : found) std::cout << "  " << f.Line() << '\n';
    EXPECT_EQ(clipped::Cut(found), 0u) << window.objectName().toStdString();
  }
  static QPushButton* ButtonOf(QWidget& page, const char* text) {
    for (QPushButton* b : page.findChildren<QPushButton*>()) {
      if (b->text() == QString::fromUtf8(text)) return b;
    }
    throw std::runtime_error(std::string("no button ") + text);
  }
  // Presses `button` and runs `act` on the modal window of type W it
  // opens; a guard closes the window if the test cannot. False if none opened.
  template <typename W, typename F>
  static bool OnModal(QAbstractButton& button, F act) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      if (auto* modal = qobject_cast<W*>(QApplication::activeModalWidget())) {
        seen = true;
        act(*modal);
      }
    });
    QTimer::singleShot(10000, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    button.click();
    QCoreApplication::processEvents();
    return seen;
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

QStringList Textos(QTreeWidgetItem* nodo) {
  QStringList t;
  for (int i = 0; i < nodo->childCount(); i++) t << nodo->child(i)->text(0);
  return t;
}

}  // namespace

TEST_F(GalleryTest, EveryPageHasItsTabAndItsLineShowsItsWholeTextsAndIsSavedAsAPicture) {
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
      QTreeWidgetItem* dj = Pagina<TreePage>("arbol").Arbol()->Arbol()->topLevelItem(0)->child(0);
      dj->setExpanded(true);
      dj->child(0)->setExpanded(true);  // its first owner
    }
    QCoreApplication::processEvents();  // the labels a page updates once a branch opened
    ExpectWholeTexts(ventana);
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
  // Per bar, a button its state shows and one it hides.
  const std::array<std::pair<int, int>, 3> shownHidden = {
      {{M::kEditar, M::kAceptar}, {M::kNuevo, M::kEditar}, {M::kAceptar, M::kSalir}}};
  for (int bar = 0; bar < 3; bar++) {
    EXPECT_TRUE(p.Barra(bar)->cmdBtn(shownHidden[bar].first)->isVisible()) << bar;
    EXPECT_FALSE(p.Barra(bar)->cmdBtn(shownHidden[bar].second)->isVisible()) << bar;
  }
  p.Barra(2)->cmdBtn(M::kCancelar)->click();
  EXPECT_EQ(p.Evento()->text().toStdString(), "Último evento: BotonCancelar (barra en estado 2)");
}

// Each line of the sample's findings in its kind, and the page's buttons.
TEST_F(GalleryTest, TheResultListShowsTheSamplesFindingsAndAddsALineOfEachKind) {
  auto& p = Pagina<ResultsPage>("resultados");
  NOVUInfoRep& lista = *p.Lista();
  const auto findings = GalleryReports::Findings(demo->Host());
  const char* const images[] = {"Informacion", "Advertencia", "Error"};
  ASSERT_EQ(lista.CantidadLineas(), static_cast<int>(findings.size()));
  for (size_t i = 0; i < findings.size(); i++) {
    EXPECT_EQ(lista.TextoLinea(static_cast<int>(i)), findings[i].text);
    EXPECT_EQ(lista.ImagenLinea(static_cast<int>(i)), images[static_cast<int>(findings[i].kind)]);
  }
  p.Texto()->setText(QString::fromUtf8("Otra línea, con ñ"));
  ButtonOf(p, "Agregar advertencia")->click();
  EXPECT_EQ(lista.TextoLinea(lista.CantidadLineas() - 1), "Otra línea, con ñ");
  EXPECT_EQ(lista.ImagenLinea(lista.CantidadLineas() - 1), "Advertencia");
}

TEST_F(GalleryTest, TheComboSelectsByTheCodeEntered) {
  auto& p = Pagina<ComboPage>("combo");
  EXPECT_EQ(p.Combo()->CboDatos()->count(), 24);
  EXPECT_EQ(p.Seleccion()->text().toStdString(), "Seleccionada: código 3, texto «Córdoba»");
  p.Codigo()->setText("20");
  QTest::keyClick(p.Codigo(), Qt::Key_Return);
  EXPECT_EQ(p.Combo()->GetTextoSeleccionado(), "Neuquén");
  p.Codigo()->setText("99");
  QTest::keyClick(p.Codigo(), Qt::Key_Return);
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
  EXPECT_EQ(p.Marcas()->GetItems(Variant("P24"))->SmallIcon(), "marcado");
  EXPECT_EQ(p.Marcas()->GetItems(Variant("P1"))->SmallIcon(), "desmarcado");
}

TEST_F(GalleryTest, TheTreeAsksForABranchsRowsOnlyWhenItIsOpened) {
  auto& p = Pagina<TreePage>("arbol");
  QTreeWidgetItem* raiz = p.Arbol()->Arbol()->topLevelItem(0);
  ASSERT_EQ(raiz->childCount(), 3);
  EXPECT_EQ(p.Anfitrion().FilasPedidas(), 3);
  QTreeWidgetItem* dj = raiz->child(0);
  EXPECT_EQ(Textos(dj), QStringList{"nodotemporal"});
  dj->setExpanded(true);
  EXPECT_EQ(Textos(dj), (QStringList{"CONSTRUCCIONES DEL PLATA S.A.", "GÓMEZ, MARÍA JOSÉ"}));
  EXPECT_EQ(Textos(dj->child(1)),
            (QStringList{"Domicilio fiscal", "O'Higgins 5520, Córdoba (fiscal)"}));
  EXPECT_EQ(p.Anfitrion().FilasPedidas(), 9);
  dj->setExpanded(false);
  dj->setExpanded(true);
  EXPECT_EQ(p.Anfitrion().FilasPedidas(), 9);  // loaded once
  QTest::qWait(0);
  EXPECT_TRUE(p.Estado()->text().contains("hasta ahora: 9."));
}

TEST_F(GalleryTest, TheAmountBoxShowsTheSamplesTotalAndTheOtherTakesNull) {
  auto& p = Pagina<NumbersPage>("numeros");
  EXPECT_NEAR(p.Importe()->Text().ToDouble(),
              FirstValue(demo->Host(), "select sum(Adicionales) from 22Cuiles").ToDouble(), 0.005);
  EXPECT_EQ(p.ValorLibre()->text().toStdString(), "Text = Null");
}

TEST_F(GalleryTest, WithoutAnEditorTheAddressControlShowsTheOwnersSummaryOnly) {
  AddressPage p(demo->Host(), nullptr);
  EXPECT_FALSE(p.Control()->cmd().isEnabled());
  EXPECT_EQ(p.Control()->txt().toPlainText().count('\n'), 2);
  EXPECT_TRUE(p.Estado()->text().startsWith("Este programa no tiene el editor"));
  p.Titular()->SeleccionarOrden(3);  // SUÁREZ, TOMÁS: no addresses
  EXPECT_EQ(p.Control()->txt().toPlainText(), "");
}

TEST_F(GalleryTest, TheRegionalPageTellsEachChecksOutcomeAndShowsTheMessageOnRequest) {
  EXPECT_EQ(RegionalPage(nullptr, RegionalSettings::Required())
                .Resultado()
                ->text()
                .count(QString::fromUtf8("✔")),
            2);
  RegionalSettings otra;
  otra.decimalSeparator = ".";
  otra.thousandsSeparator = ",";
  RegionalPage mala(nullptr, otra);
  EXPECT_TRUE(mala.Resultado()->text().contains(QString::fromUtf8("✘ Números")));
  EXPECT_TRUE(cajas->Boxes().empty());
  mala.Ejecutar()->click();  // now as a program runs them: the message shows
  ASSERT_EQ(cajas->Boxes().size(), 1u);
  EXPECT_EQ(cajas->Boxes()[0].text, a_c_w::kMensajeNumeros);
}

// The operator deletes the address the editor opens on, confirms, and
// leaves; the editor shows its whole texts browsing and entering.
TEST_F(GalleryTest, TheAddressEditorOpensFromThePageAndTheHostKeepsOrUndoesItsWork) {
  auto& p = Pagina<AddressPage>("domicilios");
  ASSERT_TRUE(p.Control()->cmd().isEnabled());
  EXPECT_TRUE(p.Estado()->text().startsWith(QString::fromUtf8("Pulse «...»")));
  const QString antes = p.Control()->txt().toPlainText();
  ASSERT_EQ(antes.count('\n'), 2);
  cajas->SetNextAnswer(msgbox::vbYes);
  ASSERT_TRUE(OnModal<FrmDomicilios>(p.Control()->cmd(), [](FrmDomicilios& editor) {
    ExpectWholeTexts(editor);
    editor.Bot()->cmdBtn(NOVUBotModel::kEliminarDato)->click();
    editor.Bot()->cmdBtn(NOVUBotModel::kSalir)->click();
  }));
  EXPECT_EQ(p.Control()->txt().toPlainText().count('\n'), 1);
  EXPECT_TRUE(p.Estado()->text().contains(QString::fromUtf8("Copia de trabajo: con cambios")));
  ASSERT_TRUE(p.Deshacer()->isEnabled());
  p.Deshacer()->click();
  EXPECT_EQ(p.Control()->txt().toPlainText(), antes);
  EXPECT_FALSE(p.Guardar()->isEnabled());

  EXPECT_TRUE(OnModal<FrmDomicilios>(p.Control()->cmd(), [](FrmDomicilios& editor) {
    editor.Bot()->cmdBtn(NOVUBotModel::kNuevo)->click();
    QCoreApplication::processEvents();
    ExpectWholeTexts(editor);
    editor.close();
  }));
}

// Its answer kept, the one-time message does not come back. The other
// windows of the page show their whole texts.
TEST_F(GalleryTest, TheOneTimeMessageKeepsItsAnswerInTheGallerysOwnDatabase) {
  demo->Propia().Execute("delete from Configuracion");
  auto& p = Pagina<WindowsPage>("ventanas");
  ventana.show();
  ventana.MostrarPagina("ventanas");
  int vistos = 0;
  auto answer = [&](FrmXMensaje& mensaje) {
    vistos++;
    ExpectWholeTexts(mensaje);
    mensaje.chkNoVolver()->setChecked(true);
    mensaje.btnAceptar()->click();
  };
  QPushButton* mensaje = ButtonOf(p, "Mensaje de una vez");
  EXPECT_TRUE(OnModal<FrmXMensaje>(*mensaje, answer));
  EXPECT_EQ(p.Respuesta()->text().toStdString(), "El mensaje de una vez se cerró.");
  EXPECT_EQ(FirstNumber(demo->Propia(), "select CodItem from Configuracion"), 1);
  EXPECT_FALSE(OnModal<FrmXMensaje>(*mensaje, answer));  // told not to come back: nothing shows
  EXPECT_EQ(vistos, 1);
  EXPECT_TRUE(cajas->Boxes().empty());

  EXPECT_TRUE(OnModal<QWidget>(*ButtonOf(p, "Bienvenida"), [](QWidget& welcome) {
    ExpectWholeTexts(welcome);
    welcome.close();
  }));
  ButtonOf(p, "Acerca de...")->click();
  QCoreApplication::processEvents();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->objectName() == "frmXAcercaDe") {
      ExpectWholeTexts(*top);
      top->close();
    }
  }
}
