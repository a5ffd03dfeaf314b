// The folder chooser's widget on a scratch tree: its lists and label show
// the model, and the operator's picks, double clicks and buttons reach it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "controls/ui/NOVUDir.h"
#include "support/FolderChooserFixture.h"

namespace {

class NOVUDirTest : public FolderChooserFixture {
 protected:
  static std::vector<std::string> Names(const NOVUDir& d) {
    std::vector<std::string> names;
    for (int i = 0; i < d.dirDirectorio()->count(); ++i) {
      names.push_back(d.dirDirectorio()->item(i)->text().trimmed().toStdString());
    }
    return names;
  }
};

}  // namespace

TEST_F(NOVUDirTest, TheListsShowTheOpenFolderAndOpenWhatTheOperatorPicksOrMakes) {
  NOVUDir chooser;
  chooser.SetPath(rootPath + "/Datos/");
  EXPECT_EQ(chooser.lblDest()->text().toStdString(), rootPath + "/Datos");
  EXPECT_EQ(chooser.drvLista()->currentText().toStdString(), rootPath);
  // The tree down to the open folder, then its visible subfolders by name.
  const std::vector<std::string> names = Names(chooser);
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names.front(), "/");
  EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
            (std::vector<std::string>{"Datos", "Anual", "Viejos"}));

  // A double click opens a subfolder; the parent is the entry before it.
  QListWidget& list = *chooser.dirDirectorio();
  emit list.itemActivated(list.findItems("Viejos", Qt::MatchEndsWith).at(0));
  EXPECT_EQ(chooser.lblDest()->text().toStdString(), rootPath + "/Datos/Viejos");
  EXPECT_EQ(list.currentItem()->text().trimmed(), "Viejos");
  emit list.itemActivated(list.item(list.currentRow() - 1));
  EXPECT_EQ(chooser.Path(), rootPath + "/Datos");
  // The buttons create a folder and show the open one.
  inputBox->SetNextAnswer("Nueva");
  QTest::mouseClick(chooser.cmdCrearCarpeta(), Qt::LeftButton);
  EXPECT_EQ(chooser.lblDest()->text().toStdString(), rootPath + "/Datos/Nueva");
  EXPECT_EQ(list.currentItem()->text().trimmed(), "Nueva");
  QTest::mouseClick(chooser.cmdExaminar(), Qt::LeftButton);
  EXPECT_EQ(explorer->Folders(), std::vector<std::string>{rootPath + "/Datos/Nueva"});

  // A drive that cannot be read stays chosen with an empty label; a
  // readable one opens at its root.
  chooser.drvLista()->setCurrentIndex(2);
  emit chooser.drvLista()->activated(2);
  EXPECT_EQ(chooser.lblDest()->text(), "");
  EXPECT_EQ(chooser.drvLista()->currentIndex(), 2);
  emit chooser.drvLista()->activated(1);
  EXPECT_EQ(chooser.lblDest()->text().toStdString(), rootPath);
}

TEST_F(NOVUDirTest, TheCaptionIsTheFramesTitle) {
  NOVUDir chooser;
  EXPECT_EQ(chooser.FrDatos()->title(), "Destino");
  EXPECT_EQ(chooser.cmdCrearCarpeta()->text(), "&Crear carpeta");
  EXPECT_EQ(chooser.cmdExaminar()->text(), "examinar ...");
  chooser.SetCaption("Carpeta de respaldo");
  PropertyStore stored;
  chooser.GuardarPropiedades(stored);
  EXPECT_EQ(NOVUDir(stored).FrDatos()->title(), "Carpeta de respaldo");
}
