// The folder chooser on a scratch tree: opening folders, creating them
// (and refusing names that leave the folder), drives that cannot be read,
// the file manager, Path, the stored caption and the layout.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "controls/NOVUDir.h"
#include "platform/DriveService.h"
#include "platform/RecordingFileExplorer.h"
#include "platform/RecordingInputBox.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/NoticeTexts.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class NOVUDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.Path() / "Datos" / "Viejos");
    fs::create_directories(dir.Path() / "Datos" / ".oculta");
    fs::create_directories(dir.Path() / "Datos" / "Anual");
    std::ofstream(dir.File("Datos/archivo.txt")) << "x";
  }
  std::vector<std::string> Mensajes() { return TakeNoticeTexts(*cajas); }
  static std::vector<std::string> Nombres(const NOVUDir& d) {
    std::vector<std::string> nombres;
    for (int i = 0; i < d.dirDirectorio()->count(); ++i) {
      nombres.push_back(d.dirDirectorio()->item(i)->text().trimmed().toStdString());
    }
    return nombres;
  }

  TempDir dir;
  std::string raiz = dir.Path().string();
  ScopedService<RecordingMessageBox> cajas;
  ScopedService<RecordingInputBox> pregunta;
  ScopedService<RecordingFileExplorer> explorador{std::make_shared<RecordingFileExplorer>(true)};
  ScopedService<DriveService> unidades{
      std::make_shared<FixedDrives>(std::vector<std::string>{"/", raiz, raiz + "/sin-medio"})};
};

}  // namespace

TEST_F(NOVUDirTest, PathOpensAFolderAndIgnoresWhatIsNoFolder) {
  NOVUDir destino;
  EXPECT_EQ(destino.Path(), fs::current_path().string());
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

  for (const std::string& nada : {raiz + "/NoExiste", raiz + "/Datos/archivo.txt", std::string()}) {
    destino.SetPath(nada);
    EXPECT_EQ(destino.Path(), raiz + "/Datos");
  }
  EXPECT_TRUE(Mensajes().empty());

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
}

TEST_F(NOVUDirTest, CreatesAFolderInsideTheOpenOneAndOpensIt) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos");
  pregunta->SetNextAnswer("Nueva");
  QTest::mouseClick(destino.cmdCrearCarpeta(), Qt::LeftButton);
  EXPECT_TRUE(fs::is_directory(raiz + "/Datos/Nueva"));
  EXPECT_EQ(destino.Path(), raiz + "/Datos/Nueva");
  EXPECT_EQ(destino.lblDest()->text().toStdString(), raiz + "/Datos/Nueva");
  ASSERT_EQ(pregunta->Requests().size(), 1u);
  EXPECT_EQ(pregunta->Requests()[0].prompt, "Ingrese el nombre para la carpeta nueva");
  EXPECT_EQ(pregunta->Requests()[0].title, "Nueva carpeta");
  EXPECT_EQ(pregunta->Requests()[0].defaultText, "");

  // At the root no separator is doubled.
  NOVUDirModel modelo;
  modelo.SetPath("/");
  pregunta->SetNextAnswer("..");
  modelo.CrearCarpeta();
  EXPECT_EQ(modelo.Path(), "/");
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Imposible crear la carpeta /.."});
}

TEST_F(NOVUDirTest, ACancelledOrEmptyAnswerChangesNothing) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos");
  const auto antes = Nombres(destino);
  QTest::mouseClick(destino.cmdCrearCarpeta(), Qt::LeftButton);  // cancelled: ""
  EXPECT_EQ(destino.Path(), raiz + "/Datos");
  EXPECT_EQ(Nombres(destino), antes);
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(NOVUDirTest, NamesThatExistOrLeaveTheFolderAreRefusedWithTheFullPath) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos");
  for (const std::string nombre : {"Viejos", "..", ".", "../Fuera", "a/b", "archivo.txt"}) {
    pregunta->SetNextAnswer(nombre);
    QTest::mouseClick(destino.cmdCrearCarpeta(), Qt::LeftButton);
    EXPECT_EQ(Mensajes(),
              std::vector<std::string>{"Imposible crear la carpeta " + raiz + "/Datos/" + nombre});
    EXPECT_EQ(destino.Path(), raiz + "/Datos");
  }
  EXPECT_FALSE(fs::exists(raiz + "/Fuera"));
  EXPECT_FALSE(fs::exists(raiz + "/Datos/a"));

  // Inside a folder removed meanwhile nothing can be created either.
  destino.SetPath(raiz + "/Datos/Viejos");
  fs::remove(raiz + "/Datos/Viejos");
  pregunta->SetNextAnswer("Hija");
  QTest::mouseClick(destino.cmdCrearCarpeta(), Qt::LeftButton);
  EXPECT_EQ(Mensajes(),
            std::vector<std::string>{"Imposible crear la carpeta " + raiz + "/Datos/Viejos/Hija"});
}

TEST_F(NOVUDirTest, AnUnreadableDriveEmptiesTheLabelAndKeepsTheFolder) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos");
  ASSERT_EQ(destino.drvLista()->count(), 3);
  destino.drvLista()->setCurrentIndex(2);
  emit destino.drvLista()->activated(2);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"No se puede leer la unidad seleccionada."});
  EXPECT_EQ(destino.Path(), raiz + "/Datos");
  EXPECT_EQ(destino.lblDest()->text(), "");
  EXPECT_EQ(destino.drvLista()->currentIndex(), 2);
  EXPECT_EQ(destino.dirDirectorio()->currentItem()->data(Qt::UserRole).toInt(), -1);

  // A readable drive opens at its root.
  emit destino.drvLista()->activated(1);
  EXPECT_EQ(destino.Path(), raiz);
  EXPECT_EQ(destino.lblDest()->text().toStdString(), raiz);
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(NOVUDirTest, ExaminarShowsTheOpenFolderInTheFileManager) {
  NOVUDir destino;
  destino.SetPath(raiz + "/Datos");
  QTest::mouseClick(destino.cmdExaminar(), Qt::LeftButton);
  EXPECT_EQ(explorador->Folders(), std::vector<std::string>{raiz + "/Datos"});
  EXPECT_TRUE(Mensajes().empty());
  explorador->SetNextResult(false);
  QTest::mouseClick(destino.cmdExaminar(), Qt::LeftButton);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Imposible examinar la carpeta especificada"});
}

TEST_F(NOVUDirTest, CaptionIsStoredAndTheLayoutStretchesWithTheControl) {
  NOVUDir nuevo;
  EXPECT_EQ(nuevo.FrDatos()->title(), "Destino");
  EXPECT_EQ(nuevo.cmdCrearCarpeta()->text(), "&Crear carpeta");
  EXPECT_EQ(nuevo.cmdExaminar()->text(), "examinar ...");
  nuevo.SetCaption("Carpeta de respaldo");
  EXPECT_TRUE(nuevo.Modelo().Propiedades().IsChanged("Caption"));
  PropertyStore guardado;
  nuevo.GuardarPropiedades(guardado);
  NOVUDir leido(guardado);
  EXPECT_EQ(leido.FrDatos()->title(), "Carpeta de respaldo");

  const NOVUDirModel::Diseno d = NOVUDirModel::DisenoInicial();
  const NOVUDirModel::Geometria chica = NOVUDirModel::Redimensionar(4010, 3195, d);
  const NOVUDirModel::Geometria grande = NOVUDirModel::Redimensionar(6010, 4195, d);
  EXPECT_EQ(grande.FrDatos, QRect(10, 10, 5990, 4175));
  EXPECT_EQ(grande.hijos.drvLista.width() - chica.hijos.drvLista.width(), 2000);
  EXPECT_EQ(grande.hijos.dirDirectorio.width(), grande.hijos.drvLista.width());
  EXPECT_EQ(grande.hijos.lblDest.width() - chica.hijos.lblDest.width(), 2000);
  EXPECT_EQ(grande.hijos.cmdExaminar.left(),
            grande.hijos.lblDest.left() + grande.hijos.lblDest.width());
  EXPECT_EQ(grande.hijos.cmdCrearCarpeta.left() + grande.hijos.cmdCrearCarpeta.width(),
            grande.hijos.dirDirectorio.left() + grande.hijos.dirDirectorio.width());
  EXPECT_EQ(grande.hijos.dirDirectorio.height() - chica.hijos.dirDirectorio.height(), 1000);
  EXPECT_EQ(grande.hijos.cmdCrearCarpeta.top(),
            grande.hijos.dirDirectorio.top() + grande.hijos.dirDirectorio.height());
  EXPECT_EQ(grande.FrDatos.height() - grande.hijos.cmdCrearCarpeta.top() -
                grande.hijos.cmdCrearCarpeta.height(),
            100);
}
