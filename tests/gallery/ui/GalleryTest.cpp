// The gallery's wiring, offscreen, on a new sample: every page built in
// its tab with its line and its whole texts, and each exercised as an
// operator would. What the pages say is tested without widgets in
// tests/gallery. With REMENDOR_GALERIA_SHOTS set to a folder, each page is
// saved there as galeria-<page>.png. Also: nothing cut in the dialogs Qt
// draws for the program (the main window's texts are tests/repair/ui's).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
#include "platform/ui/QtFileDialog.h"
#include "platform/ui/QtInputBox.h"
#include "platform/ui/QtMessageBox.h"
#include "samples/SampleGalleryData.h"
#include "support/ClippedTexts.h"
#include "support/QueryResults.h"

namespace {

// The program's editor, as its main wires it.
std::unique_ptr<FrmDomiciliosView> Editor(QWidget* parent) {
  return std::make_unique<FrmDomicilios>(parent);
}

// Fails on any label, button, caption, column header or tab of `shown`
// that cannot show its whole text, printing each with the room it needs
// and the room it has.
void ExpectWholeTexts(const QWidget& shown) {
  const std::vector<clipped::Finding> found = clipped::In(shown);
  for (const clipped::Finding& f : found) std::cout << "  " << f.Line() << '\n';
  EXPECT_EQ(clipped::Cut(found), 0u) << shown.objectName().toStdString();
}

QStringList ChildTexts(QTreeWidgetItem* node) {
  QStringList texts;
  for (int i = 0; i < node->childCount(); i++) texts << node->child(i)->text(0);
  return texts;
}

class GalleryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { demo = new SampleGalleryData(); }
  static void TearDownTestSuite() {
    delete demo;
    demo = nullptr;
  }

  template <typename P>
  P& PageOf(const char* key) {
    auto* page = dynamic_cast<P*>(window.Pagina(key));
    if (!page) throw std::runtime_error(std::string("no page ") + key);
    return *page;
  }
  void Show(const char* key) {
    window.show();
    window.MostrarPagina(key);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
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
  ScopedService<RecordingMessageBox> boxes;
  GalleryWindow window{*demo, Editor};
};

SampleGalleryData* GalleryTest::demo = nullptr;

}  // namespace

TEST_F(GalleryTest, EveryPageHasItsTabAndItsLineShowsItsWholeTextsAndIsSavedAsAPicture) {
  const auto& pages = GalleryPages::Todas();
  ASSERT_EQ(window.Paginas().size(), pages.size());
  Show(pages[0].clave);
  const char* shots = std::getenv("REMENDOR_GALERIA_SHOTS");
  for (size_t i = 0; i < pages.size(); i++) {
    GalleryPage* page = window.Paginas()[i];
    EXPECT_EQ(window.Pestanas()->tabText(static_cast<int>(i)).toStdString(), pages[i].titulo);
    EXPECT_EQ(page->Linea()->text().toStdString(), pages[i].linea);
    window.MostrarPagina(pages[i].clave);
    EXPECT_EQ(window.Pestanas()->currentWidget(), page);
    if (std::string(pages[i].clave) == "arbol") {
      QTreeWidgetItem* declaration =
          PageOf<TreePage>("arbol").Arbol()->Arbol()->topLevelItem(0)->child(0);
      declaration->setExpanded(true);
      declaration->child(0)->setExpanded(true);  // its first owner
    }
    QCoreApplication::processEvents();  // the labels a page updates once a branch opened
    ExpectWholeTexts(window);
    const QImage shot = window.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    const QString name = QString::fromLocal8Bit(shots ? shots : "") + "/galeria-" + pages[i].clave;
    EXPECT_TRUE(!shots || shot.save(name + ".png")) << name.toStdString();
  }
  EXPECT_TRUE(boxes->Boxes().empty()) << boxes->Boxes().front().text;
}

TEST_F(GalleryTest, TheBarsShowTheirStatesAndTellTheEventOfAClick) {
  auto& page = PageOf<ButtonBarPage>("botones");
  Show("botones");
  using M = NOVUBotModel;
  // Per bar, a button its state shows and one it hides.
  const std::array<std::pair<int, int>, 3> shownHidden = {
      {{M::kEditar, M::kAceptar}, {M::kNuevo, M::kEditar}, {M::kAceptar, M::kSalir}}};
  for (int bar = 0; bar < 3; bar++) {
    EXPECT_TRUE(page.Barra(bar)->cmdBtn(shownHidden[bar].first)->isVisible()) << bar;
    EXPECT_FALSE(page.Barra(bar)->cmdBtn(shownHidden[bar].second)->isVisible()) << bar;
  }
  page.Barra(2)->cmdBtn(M::kCancelar)->click();
  EXPECT_EQ(page.Evento()->text().toStdString(),
            "Último evento: BotonCancelar (barra en estado 2)");
}

// Each line of the sample's findings in its kind, and the page's buttons.
TEST_F(GalleryTest, TheResultListShowsTheSamplesFindingsAndAddsALineOfEachKind) {
  auto& page = PageOf<ResultsPage>("resultados");
  NOVUInfoRep& list = *page.Lista();
  const auto findings = GalleryReports::Findings(demo->Host());
  const char* const images[] = {"Informacion", "Advertencia", "Error"};
  ASSERT_EQ(list.CantidadLineas(), static_cast<int>(findings.size()));
  for (int i = 0; i < list.CantidadLineas(); i++) {
    EXPECT_EQ(list.TextoLinea(i), findings[i].text);
    EXPECT_EQ(list.ImagenLinea(i), images[static_cast<int>(findings[i].kind)]);
  }
  page.Texto()->setText(QString::fromUtf8("Otra línea, con ñ"));
  ButtonOf(page, "Agregar advertencia")->click();
  EXPECT_EQ(list.TextoLinea(list.CantidadLineas() - 1), "Otra línea, con ñ");
  EXPECT_EQ(list.ImagenLinea(list.CantidadLineas() - 1), "Advertencia");
}

// The combo selects by the code entered; the owners in Spanish order and
// the used provinces marked; the sample's amount and a box that takes Null.
TEST_F(GalleryTest, TheComboListsAndNumbersPagesShowTheSampleAndFollowTheOperator) {
  auto& combo = PageOf<ComboPage>("combo");
  EXPECT_EQ(combo.Combo()->CboDatos()->count(), 24);
  EXPECT_EQ(combo.Seleccion()->text().toStdString(), "Seleccionada: código 3, texto «Córdoba»");
  combo.Codigo()->setText("20");
  QTest::keyClick(combo.Codigo(), Qt::Key_Return);
  EXPECT_EQ(combo.Combo()->GetTextoSeleccionado(), "Neuquén");
  combo.Codigo()->setText("99");
  QTest::keyClick(combo.Codigo(), Qt::Key_Return);
  EXPECT_TRUE(combo.Seleccion()->text().startsWith("Ninguna provincia"));

  auto& lists = PageOf<ListsPage>("listas");
  std::vector<std::string> names;
  for (int i = 1; i <= lists.Titulares()->GetCantFilas(); i++)
    names.push_back(lists.Titulares()->GetItems(Variant(int32_t{i}))->Text());
  EXPECT_EQ(names, (std::vector<std::string>{"ÁLVAREZ, NICOLÁS", "CONSTRUCCIONES DEL PLATA S.A.",
                                             "GÓMEZ, MARÍA JOSÉ", "PEÑA HERMANOS S.R.L.",
                                             "SUÁREZ, TOMÁS"}));
  EXPECT_EQ(lists.Titulares()->GetItems(Variant("T1-2"))->SubItems(1), "30712345676");
  EXPECT_EQ(lists.Marcas()->GetItems(Variant("P24"))->SmallIcon(), "marcado");
  EXPECT_EQ(lists.Marcas()->GetItems(Variant("P1"))->SmallIcon(), "desmarcado");

  auto& numbers = PageOf<NumbersPage>("numeros");
  EXPECT_NEAR(numbers.Importe()->Text().ToDouble(),
              FirstValue(demo->Host(), "select sum(Adicionales) from 22Cuiles").ToDouble(), 0.005);
  EXPECT_EQ(numbers.ValorLibre()->text().toStdString(), "Text = Null");
}

TEST_F(GalleryTest, TheTreeAsksForABranchsRowsOnlyWhenItIsOpened) {
  auto& page = PageOf<TreePage>("arbol");
  QTreeWidgetItem* root = page.Arbol()->Arbol()->topLevelItem(0);
  ASSERT_EQ(root->childCount(), 3);
  EXPECT_EQ(page.Anfitrion().FilasPedidas(), 3);
  QTreeWidgetItem* declaration = root->child(0);
  EXPECT_EQ(ChildTexts(declaration), QStringList{"nodotemporal"});
  declaration->setExpanded(true);
  EXPECT_EQ(ChildTexts(declaration),
            (QStringList{"CONSTRUCCIONES DEL PLATA S.A.", "GÓMEZ, MARÍA JOSÉ"}));
  EXPECT_EQ(ChildTexts(declaration->child(1)),
            (QStringList{"Domicilio fiscal", "O'Higgins 5520, Córdoba (fiscal)"}));
  EXPECT_EQ(page.Anfitrion().FilasPedidas(), 9);
  declaration->setExpanded(false);
  declaration->setExpanded(true);
  EXPECT_EQ(page.Anfitrion().FilasPedidas(), 9);  // loaded once
  QTest::qWait(0);
  EXPECT_TRUE(page.Estado()->text().contains("hasta ahora: 9."));
}

// Without an editor the address control shows the owner's summary only.
// The regional checks run silently on the page and show their message
// when run as a program runs them.
TEST_F(GalleryTest, TheAddressPageWithoutAnEditorAndTheRegionalPageTellWhatTheyFound) {
  AddressPage page(demo->Host(), nullptr);
  EXPECT_FALSE(page.Control()->cmd().isEnabled());
  EXPECT_EQ(page.Control()->txt().toPlainText().count('\n'), 2);
  EXPECT_TRUE(page.Estado()->text().startsWith("Este programa no tiene el editor"));
  page.Titular()->SeleccionarOrden(3);  // SUÁREZ, TOMÁS: no addresses
  EXPECT_EQ(page.Control()->txt().toPlainText(), "");

  const RegionalPage required(nullptr, RegionalSettings::Required());
  EXPECT_EQ(required.Resultado()->text().count(QString::fromUtf8("✔")), 2);
  RegionalSettings pointDecimals;
  pointDecimals.decimalSeparator = ".";
  pointDecimals.thousandsSeparator = ",";
  RegionalPage failing(nullptr, pointDecimals);
  EXPECT_TRUE(failing.Resultado()->text().contains(QString::fromUtf8("✘ Números")));
  EXPECT_TRUE(boxes->Boxes().empty());
  failing.Ejecutar()->click();
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(boxes->Boxes()[0].text, a_c_w::kMensajeNumeros);
}

// The operator deletes the address the editor opens on, confirms, and
// leaves; the editor shows its whole texts browsing and entering.
TEST_F(GalleryTest, TheAddressEditorOpensFromThePageAndTheHostKeepsOrUndoesItsWork) {
  auto& page = PageOf<AddressPage>("domicilios");
  ASSERT_TRUE(page.Control()->cmd().isEnabled());
  EXPECT_TRUE(page.Estado()->text().startsWith(QString::fromUtf8("Pulse «...»")));
  const QString before = page.Control()->txt().toPlainText();
  ASSERT_EQ(before.count('\n'), 2);
  boxes->SetNextAnswer(msgbox::vbYes);
  ASSERT_TRUE(OnModal<FrmDomicilios>(page.Control()->cmd(), [](FrmDomicilios& editor) {
    ExpectWholeTexts(editor);
    editor.Bot()->cmdBtn(NOVUBotModel::kEliminarDato)->click();
    editor.Bot()->cmdBtn(NOVUBotModel::kSalir)->click();
  }));
  EXPECT_EQ(page.Control()->txt().toPlainText().count('\n'), 1);
  EXPECT_TRUE(page.Estado()->text().contains(QString::fromUtf8("Copia de trabajo: con cambios")));
  ASSERT_TRUE(page.Deshacer()->isEnabled());
  page.Deshacer()->click();
  EXPECT_EQ(page.Control()->txt().toPlainText(), before);
  EXPECT_FALSE(page.Guardar()->isEnabled());

  EXPECT_TRUE(OnModal<FrmDomicilios>(page.Control()->cmd(), [](FrmDomicilios& editor) {
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
  auto& page = PageOf<WindowsPage>("ventanas");
  Show("ventanas");
  int shown = 0;
  auto answer = [&](FrmXMensaje& message) {
    shown++;
    ExpectWholeTexts(message);
    message.chkNoVolver()->setChecked(true);
    message.btnAceptar()->click();
  };
  QPushButton* once = ButtonOf(page, "Mensaje de una vez");
  EXPECT_TRUE(OnModal<FrmXMensaje>(*once, answer));
  EXPECT_EQ(page.Respuesta()->text().toStdString(), "El mensaje de una vez se cerró.");
  EXPECT_EQ(FirstNumber(demo->Propia(), "select CodItem from Configuracion"), 1);
  EXPECT_FALSE(OnModal<FrmXMensaje>(*once, answer));  // told not to come back: nothing shows
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(boxes->Boxes().empty());

  EXPECT_TRUE(OnModal<QWidget>(*ButtonOf(page, "Bienvenida"), [](QWidget& welcome) {
    ExpectWholeTexts(welcome);
    welcome.close();
  }));
  ButtonOf(page, "Acerca de...")->click();
  QCoreApplication::processEvents();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->objectName() == "frmXAcercaDe") {
      ExpectWholeTexts(*top);
      top->close();
    }
  }
}

// The dialogs Qt draws for the program: a message box, an input box, the
// open and save dialogs.
TEST(ClippedTextsTest, TheDialogsQtDrawsShowTheirWholeTexts) {
  std::vector<std::unique_ptr<QWidget>> dialogs;
  dialogs.push_back(QtMessageBox::Build("¿Confirma la eliminación del domicilio seleccionado?",
                                        msgbox::vbYesNoCancel, ""));
  dialogs.push_back(
      QtInputBox::Build("Ingrese el nombre para la carpeta nueva", "Nueva carpeta", ""));
  for (FileDialogMode mode : {FileDialogMode::Open, FileDialogMode::Save}) {
    dialogs.push_back(
        QtFileDialog::Build(mode, "Textos (*.txt);;Todos los archivos (*)", REMENDOR_TEST_DATA));
  }
  for (const auto& dialog : dialogs) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }
  // A file dialog reads its folder in the background; its rows set nothing
  // here, but the columns are measured once they are there.
  QTest::qWait(300);
  for (const auto& dialog : dialogs) ExpectWholeTexts(*dialog);
}
