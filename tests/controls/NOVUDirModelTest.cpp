// The folder chooser's rules on a scratch tree: the open folder and its
// list, opening folders, creating them (and refusing names that leave the
// folder), drives that cannot be read, the file manager, the stored
// caption and the layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/NativePath.h"
#include "controls/NOVUDirModel.h"
#include "support/FolderChooserFixture.h"

namespace fs = std::filesystem;

namespace {

class NOVUDirModelTest : public FolderChooserFixture {
 protected:
  // The list's entries from the open folder on: the folder, then its
  // subfolders, each with its index.
  static std::vector<std::pair<std::string, int>> DesdeLaAbierta(const NOVUDirModel& d) {
    std::vector<std::pair<std::string, int>> v;
    for (const NOVUDirModel::Carpeta& c : d.Carpetas()) {
      if (c.indice >= -1) v.emplace_back(c.nombre, c.indice);
    }
    return v;
  }
};

}  // namespace

TEST_F(NOVUDirModelTest, PathOpensAFolderAndIgnoresWhatIsNoFolder) {
  NOVUDirModel destino;
  EXPECT_EQ(destino.Path(), NativePath::ToUtf8(fs::current_path()));
  destino.SetPath(In("Datos/"));
  EXPECT_EQ(destino.Path(), In("Datos"));
  EXPECT_EQ(destino.LblDest(), In("Datos"));
  EXPECT_EQ(destino.UnidadElegida(), 1);
  EXPECT_EQ(destino.Seleccion(), -1);
  // The tree down to the open folder, then its visible subfolders by name.
  ASSERT_FALSE(destino.Carpetas().empty());
  EXPECT_EQ(destino.Carpetas().front().nombre, Root());
  EXPECT_EQ(destino.Carpetas().front().nivel, 0);
  EXPECT_EQ(DesdeLaAbierta(destino),
            (std::vector<std::pair<std::string, int>>{{"Datos", -1}, {"Anual", 0}, {"Viejos", 1}}));
  EXPECT_EQ(destino.Carpetas().back().ruta, In("Datos/Viejos"));

  for (const std::string& nada : {In("NoExiste"), In("Datos/archivo.txt"), std::string()}) {
    destino.SetPath(nada);
    EXPECT_EQ(destino.Path(), In("Datos"));
  }
  EXPECT_TRUE(Mensajes().empty());

  // Opening an entry: a subfolder, then the parent (index -2).
  destino.AbrirEntrada(1);
  EXPECT_EQ(destino.Path(), In("Datos/Viejos"));
  EXPECT_EQ(destino.LblDest(), In("Datos/Viejos"));
  EXPECT_EQ(destino.Seleccion(), -1);
  destino.AbrirEntrada(-2);
  EXPECT_EQ(destino.Path(), In("Datos"));
  // An entry removed since it was listed is not opened; the list is read
  // again without it.
  fs::remove(In("Datos/Anual"));
  destino.AbrirEntrada(0);
  EXPECT_EQ(destino.Path(), In("Datos"));
  EXPECT_EQ(DesdeLaAbierta(destino),
            (std::vector<std::pair<std::string, int>>{{"Datos", -1}, {"Viejos", 0}}));
}

TEST_F(NOVUDirModelTest, CreatesAFolderInsideTheOpenOneAndOpensItUnlessCancelled) {
  NOVUDirModel destino;
  destino.SetPath(In("Datos"));
  pregunta->SetNextAnswer("Nueva");
  destino.CrearCarpeta();
  EXPECT_TRUE(fs::is_directory(In("Datos/Nueva")));
  EXPECT_EQ(destino.Path(), In("Datos/Nueva"));
  EXPECT_EQ(destino.LblDest(), In("Datos/Nueva"));
  ASSERT_EQ(pregunta->Requests().size(), 1u);
  EXPECT_EQ(pregunta->Requests()[0].prompt, "Ingrese el nombre para la carpeta nueva");
  EXPECT_EQ(pregunta->Requests()[0].title, "Nueva carpeta");
  EXPECT_EQ(pregunta->Requests()[0].defaultText, "");
  destino.CrearCarpeta();  // cancelled: "", nothing changes
  EXPECT_EQ(destino.Path(), In("Datos/Nueva"));
  EXPECT_TRUE(Mensajes().empty());

  // At the root no separator is doubled.
  NOVUDirModel modelo;
  modelo.SetPath(Root());
  pregunta->SetNextAnswer("..");
  modelo.CrearCarpeta();
  EXPECT_EQ(modelo.Path(), Root());
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Imposible crear la carpeta " + Root() + ".."});
}

TEST_F(NOVUDirModelTest, NamesThatExistOrLeaveTheFolderAreRefusedWithTheFullPath) {
  NOVUDirModel destino;
  destino.SetPath(In("Datos"));
  for (const std::string nombre : {"Viejos", "..", ".", "../Fuera", "a/b", "archivo.txt"}) {
    pregunta->SetNextAnswer(nombre);
    destino.CrearCarpeta();
    EXPECT_EQ(Mensajes(),
              std::vector<std::string>{"Imposible crear la carpeta " + In("Datos/") + nombre});
    EXPECT_EQ(destino.Path(), In("Datos"));
  }
  EXPECT_FALSE(fs::exists(In("Fuera")));
  EXPECT_FALSE(fs::exists(In("Datos/a")));

  // Inside a folder removed meanwhile nothing can be created either.
  destino.SetPath(In("Datos/Viejos"));
  fs::remove(In("Datos/Viejos"));
  pregunta->SetNextAnswer("Hija");
  destino.CrearCarpeta();
  EXPECT_EQ(Mensajes(),
            std::vector<std::string>{"Imposible crear la carpeta " + In("Datos/Viejos/Hija")});
}

TEST_F(NOVUDirModelTest, AnUnreadableDriveEmptiesTheLabelAndKeepsTheFolder) {
  NOVUDirModel destino;
  destino.SetPath(In("Datos"));
  ASSERT_EQ(destino.Unidades().size(), 3u);
  destino.Seleccionar(0);
  destino.ElegirUnidad(2);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"No se puede leer la unidad seleccionada."});
  EXPECT_EQ(destino.Path(), In("Datos"));
  EXPECT_EQ(destino.LblDest(), "");
  EXPECT_EQ(destino.UnidadElegida(), 2);
  EXPECT_EQ(destino.Seleccion(), -1);

  // A readable drive opens at its root; a drive the list does not have
  // changes nothing.
  destino.ElegirUnidad(1);
  EXPECT_EQ(destino.Path(), raiz);
  EXPECT_EQ(destino.LblDest(), raiz);
  destino.ElegirUnidad(3);
  EXPECT_EQ(destino.UnidadElegida(), 1);
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(NOVUDirModelTest, ExaminarShowsTheOpenFolderInTheFileManager) {
  NOVUDirModel destino;
  destino.SetPath(In("Datos"));
  destino.Examinar();
  EXPECT_EQ(explorador->Folders(), std::vector<std::string>{In("Datos")});
  EXPECT_TRUE(Mensajes().empty());
  explorador->SetNextResult(false);
  destino.Examinar();
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Imposible examinar la carpeta especificada"});
}

TEST(NOVUDirModel, CaptionIsStoredAndTheLayoutStretchesWithTheControl) {
  NOVUDirModel nuevo;
  EXPECT_EQ(nuevo.Caption(), "Destino");
  PropertyStore vacio;
  nuevo.GuardarPropiedades(vacio);
  EXPECT_TRUE(vacio.Keys().empty());
  nuevo.SetCaption("Carpeta de respaldo");
  EXPECT_TRUE(nuevo.Propiedades().IsChanged("Caption"));
  PropertyStore guardado;
  nuevo.GuardarPropiedades(guardado);
  NOVUDirModel leido;
  leido.LeerPropiedades(guardado);
  EXPECT_EQ(leido.Caption(), "Carpeta de respaldo");
  EXPECT_FALSE(leido.Propiedades().IsChanged("Caption"));

  const NOVUDirModel::Diseno d = NOVUDirModel::DisenoInicial();
  const NOVUDirModel::Geometria chica = NOVUDirModel::Redimensionar(4010, 3195, d);
  const NOVUDirModel::Geometria grande = NOVUDirModel::Redimensionar(6010, 4195, d);
  EXPECT_EQ(grande.FrDatos, (Rect{10, 10, 5990, 4175}));
  EXPECT_EQ(grande.hijos.drvLista.width - chica.hijos.drvLista.width, 2000);
  EXPECT_EQ(grande.hijos.dirDirectorio.width, grande.hijos.drvLista.width);
  EXPECT_EQ(grande.hijos.lblDest.width - chica.hijos.lblDest.width, 2000);
  EXPECT_EQ(grande.hijos.cmdExaminar.left, grande.hijos.lblDest.left + grande.hijos.lblDest.width);
  EXPECT_EQ(grande.hijos.cmdCrearCarpeta.left + grande.hijos.cmdCrearCarpeta.width,
            grande.hijos.dirDirectorio.left + grande.hijos.dirDirectorio.width);
  EXPECT_EQ(grande.hijos.dirDirectorio.height - chica.hijos.dirDirectorio.height, 1000);
  EXPECT_EQ(grande.hijos.cmdCrearCarpeta.top,
            grande.hijos.dirDirectorio.top + grande.hijos.dirDirectorio.height);
  EXPECT_EQ(grande.FrDatos.height - grande.hijos.cmdCrearCarpeta.top -
                grande.hijos.cmdCrearCarpeta.height,
            100);
  // A control smaller than its parts leaves them no room, not less.
  const NOVUDirModel::Geometria minima = NOVUDirModel::Redimensionar(100, 100, d);
  EXPECT_EQ(minima.hijos.drvLista.width, 0);
  EXPECT_EQ(minima.hijos.dirDirectorio.height, 0);
}
