// The folder chooser's widget on a scratch tree: its lists and label show
// the model, and the operator's picks, double clicks and buttons reach it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/ui/NOVUDir.h"
#include "support/FolderChooserFixture.h"

namespace fs = std::filesystem;

namespace {

class NOVUDirTest : public FolderChooserFixture {
 protected:
  static std::vector<std::string> Nombres(const NOVUDir& d) {
    std::vector<std::string> nombres;
    for (int i = 0; i < d.dirDirectorio()->count(); ++i) {
      nombres.push_back(d.dirDirectorio()->item(i)->text().trimmed().toStdString());
    }
    return nombres;
  }
};

}  // namespace

TEST_F(NOVUDirTest, TheListsShowTheOpenFolderAndOpenWhatTheOperatorPicks) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos/");
  EXPECT_EQ(destino.Path(), raiz + "/Datos");
  EXPECT_EQ(destino.lblDest()->text().toStdString(), raiz + "/Datos");
  EXPECT_EQ(destino.drvLista()->currentText().toStdString(), raiz);
  // The tree down to the open folder, then its visible subfolders by name.
  const std::vector<std::string> nombres = Nombres(destino);
  ASSERT_GE(nombres.size(), 3u);
  EXPECT_EQ(nombres.front(), "/");
  EXPECT_EQ(std::vector<std::string>(nombres.end() - 3, nombres.end()),
            (std::vector<std::string>{"Datos", "Anual", "Viejos"}));

  // A double click opens a subfolder; the parent is the entry before "Datos".
  QListWidget& lista = *destino.dirDirectorio();
  QListWidgetItem* viejos = lista.findItems("Viejos", Qt::MatchEndsWith).at(0);
  emit lista.itemActivated(viejos);
  EXPECT_EQ(destino.Path(), raiz + "/Datos/Viejos");
  EXPECT_EQ(destino.lblDest()->text().toStdString(), raiz + "/Datos/Viejos");
  EXPECT_EQ(lista.currentItem()->text().trimmed(), "Viejos");
  EXPECT_EQ(lista.currentItem()->data(Qt::UserRole).toInt(), -1);
  emit lista.itemActivated(lista.item(lista.currentRow() - 1));
  EXPECT_EQ(destino.Path(), raiz + "/Datos");

  // Choosing a drive that cannot be read empties the label and keeps the
  // drive chosen; a readable one opens at its root.
  ASSERT_EQ(destino.drvLista()->count(), 3);
  destino.drvLista()->setCurrentIndex(2);
  emit destino.drvLista()->activated(2);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"No se puede leer la unidad seleccionada."});
  EXPECT_EQ(destino.lblDest()->text(), "");
  EXPECT_EQ(destino.drvLista()->currentIndex(), 2);
  EXPECT_EQ(destino.dirDirectorio()->currentItem()->data(Qt::UserRole).toInt(), -1);
  emit destino.drvLista()->activated(1);
  EXPECT_EQ(destino.Path(), raiz);
  EXPECT_EQ(destino.lblDest()->text().toStdString(), raiz);
}

TEST_F(NOVUDirTest, TheButtonsCreateAFolderAndShowTheOpenOne) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos");
  pregunta->SetNextAnswer("Nueva");
  QTest::mouseClick(destino.cmdCrearCarpeta(), Qt::LeftButton);
  EXPECT_TRUE(fs::is_directory(raiz + "/Datos/Nueva"));
  EXPECT_EQ(destino.lblDest()->text().toStdString(), raiz + "/Datos/Nueva");
  EXPECT_EQ(destino.dirDirectorio()->currentItem()->text().trimmed(), "Nueva");

  QTest::mouseClick(destino.cmdExaminar(), Qt::LeftButton);
  EXPECT_EQ(explorador->Folders(), std::vector<std::string>{raiz + "/Datos/Nueva"});
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(NOVUDirTest, TheCaptionIsTheFramesTitle) {
  NOVUDir nuevo;
  EXPECT_EQ(nuevo.FrDatos()->title(), "Destino");
  EXPECT_EQ(nuevo.cmdCrearCarpeta()->text(), "&Crear carpeta");
  EXPECT_EQ(nuevo.cmdExaminar()->text(), "examinar ...");
  nuevo.SetCaption("Carpeta de respaldo");
  EXPECT_EQ(nuevo.FrDatos()->title(), "Carpeta de respaldo");
  PropertyStore guardado;
  nuevo.GuardarPropiedades(guardado);
  NOVUDir leido(guardado);
  EXPECT_EQ(leido.FrDatos()->title(), "Carpeta de respaldo");
}
