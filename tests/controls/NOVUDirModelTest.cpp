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
  static std::vector<std::pair<std::string, int>> FromTheOpenOne(const NOVUDirModel& d) {
    std::vector<std::pair<std::string, int>> v;
    for (const NOVUDirModel::Carpeta& c : d.Carpetas()) {
      if (c.indice >= -1) v.emplace_back(c.nombre, c.indice);
    }
    return v;
  }
  // The open folder, which the label shows too.
  static std::string Open(const NOVUDirModel& d) {
    EXPECT_EQ(d.LblDest(), d.Path());
    return d.Path();
  }
  std::vector<std::string> CannotCreate(const std::string& path) {
    return {"Imposible crear la carpeta " + path};
  }

  NOVUDirModel chooser;
};

}  // namespace

TEST_F(NOVUDirModelTest, PathOpensAFolderAndIgnoresWhatIsNoFolder) {
  EXPECT_EQ(chooser.Path(), NativePath::ToUtf8(fs::current_path()));
  chooser.SetPath(In("Datos/"));
  EXPECT_EQ(Open(chooser), In("Datos"));
  EXPECT_EQ(chooser.UnidadElegida(), 1);
  EXPECT_EQ(chooser.Seleccion(), -1);
  // The tree down to the open folder, then its visible subfolders by name.
  ASSERT_FALSE(chooser.Carpetas().empty());
  EXPECT_EQ(chooser.Carpetas().front().nombre, Root());
  EXPECT_EQ(chooser.Carpetas().front().nivel, 0);
  EXPECT_EQ(FromTheOpenOne(chooser),
            (std::vector<std::pair<std::string, int>>{{"Datos", -1}, {"Anual", 0}, {"Viejos", 1}}));
  EXPECT_EQ(chooser.Carpetas().back().ruta, In("Datos/Viejos"));

  for (const std::string& none : {In("NoExiste"), In("Datos/archivo.txt"), std::string()}) {
    chooser.SetPath(none);
    EXPECT_EQ(Open(chooser), In("Datos"));
  }
  EXPECT_TRUE(Notices().empty());

  // Opening an entry: a subfolder, then the parent (index -2).
  chooser.AbrirEntrada(1);
  EXPECT_EQ(Open(chooser), In("Datos/Viejos"));
  EXPECT_EQ(chooser.Seleccion(), -1);
  chooser.AbrirEntrada(-2);
  EXPECT_EQ(Open(chooser), In("Datos"));
  // An entry removed since it was listed is not opened; the list is read
  // again without it.
  fs::remove(In("Datos/Anual"));
  chooser.AbrirEntrada(0);
  EXPECT_EQ(Open(chooser), In("Datos"));
  EXPECT_EQ(FromTheOpenOne(chooser),
            (std::vector<std::pair<std::string, int>>{{"Datos", -1}, {"Viejos", 0}}));
}

// A name is asked for; one that exists or leaves the folder is refused
// with the full path, and so is any inside a folder removed meanwhile.
TEST_F(NOVUDirModelTest, CreatesAFolderInsideTheOpenOneAndRefusesNamesThatLeaveIt) {
  chooser.SetPath(In("Datos"));
  inputBox->SetNextAnswer("Nueva");
  chooser.CrearCarpeta();
  EXPECT_TRUE(fs::is_directory(In("Datos/Nueva")));
  EXPECT_EQ(Open(chooser), In("Datos/Nueva"));
  ASSERT_EQ(inputBox->Requests().size(), 1u);
  EXPECT_EQ(inputBox->Requests()[0].prompt, "Ingrese el nombre para la carpeta nueva");
  EXPECT_EQ(inputBox->Requests()[0].title, "Nueva carpeta");
  EXPECT_EQ(inputBox->Requests()[0].defaultText, "");
  chooser.CrearCarpeta();  // cancelled: "", nothing changes
  EXPECT_EQ(chooser.Path(), In("Datos/Nueva"));
  EXPECT_TRUE(Notices().empty());

  chooser.SetPath(In("Datos"));
  for (const std::string name : {"Viejos", "..", ".", "../Fuera", "a/b", "archivo.txt"}) {
    inputBox->SetNextAnswer(name);
    chooser.CrearCarpeta();
    EXPECT_EQ(Notices(), CannotCreate(In("Datos/") + name));
    EXPECT_EQ(chooser.Path(), In("Datos"));
  }
  EXPECT_FALSE(fs::exists(In("Fuera")) || fs::exists(In("Datos/a")));
  chooser.SetPath(In("Datos/Viejos"));
  fs::remove(In("Datos/Viejos"));
  inputBox->SetNextAnswer("Hija");
  chooser.CrearCarpeta();
  EXPECT_EQ(Notices(), CannotCreate(In("Datos/Viejos/Hija")));

  // At the root no separator is doubled.
  chooser.SetPath(Root());
  inputBox->SetNextAnswer("..");
  chooser.CrearCarpeta();
  EXPECT_EQ(chooser.Path(), Root());
  EXPECT_EQ(Notices(), CannotCreate(Root() + ".."));
}

TEST_F(NOVUDirModelTest, AnUnreadableDriveEmptiesTheLabelAndKeepsTheFolder) {
  chooser.SetPath(In("Datos"));
  ASSERT_EQ(chooser.Unidades().size(), 3u);
  chooser.Seleccionar(0);
  chooser.ElegirUnidad(2);
  EXPECT_EQ(Notices(), std::vector<std::string>{"No se puede leer la unidad seleccionada."});
  EXPECT_EQ(chooser.Path(), In("Datos"));
  EXPECT_EQ(chooser.LblDest(), "");
  EXPECT_EQ(chooser.UnidadElegida(), 2);
  EXPECT_EQ(chooser.Seleccion(), -1);

  // A readable drive opens at its root; a drive the list does not have
  // changes nothing.
  chooser.ElegirUnidad(1);
  EXPECT_EQ(Open(chooser), rootPath);
  chooser.ElegirUnidad(3);
  EXPECT_EQ(chooser.UnidadElegida(), 1);
  EXPECT_TRUE(Notices().empty());
}

TEST_F(NOVUDirModelTest, ExaminarShowsTheOpenFolderInTheFileManager) {
  chooser.SetPath(In("Datos"));
  chooser.Examinar();
  EXPECT_EQ(explorer->Folders(), std::vector<std::string>{In("Datos")});
  EXPECT_TRUE(Notices().empty());
  explorer->SetNextResult(false);
  chooser.Examinar();
  EXPECT_EQ(Notices(), std::vector<std::string>{"Imposible examinar la carpeta especificada"});
}

TEST(NOVUDirModel, CaptionIsStoredAndTheLayoutStretchesWithTheControl) {
  NOVUDirModel chooser;
  EXPECT_EQ(chooser.Caption(), "Destino");
  PropertyStore empty;
  chooser.GuardarPropiedades(empty);
  EXPECT_TRUE(empty.Keys().empty());
  chooser.SetCaption("Carpeta de respaldo");
  PropertyStore stored;
  chooser.GuardarPropiedades(stored);
  NOVUDirModel read;
  read.LeerPropiedades(stored);
  EXPECT_EQ(read.Caption(), "Carpeta de respaldo");
  EXPECT_FALSE(read.Propiedades().IsChanged("Caption"));

  // A control 2000 twips wider and 1000 higher: the lists, label and
  // buttons follow, the buttons under the list and 100 above the frame.
  const NOVUDirModel::Diseno d = NOVUDirModel::DisenoInicial();
  const auto small = NOVUDirModel::Redimensionar(4010, 3195, d).hijos;
  const NOVUDirModel::Geometria large = NOVUDirModel::Redimensionar(6010, 4195, d);
  const auto& g = large.hijos;
  EXPECT_EQ(large.FrDatos, (Rect{10, 10, 5990, 4175}));
  EXPECT_EQ(g.drvLista.width - small.drvLista.width, 2000);
  EXPECT_EQ(g.dirDirectorio.width, g.drvLista.width);
  EXPECT_EQ(g.lblDest.width - small.lblDest.width, 2000);
  EXPECT_EQ(g.cmdExaminar.left, g.lblDest.left + g.lblDest.width);
  EXPECT_EQ(g.cmdCrearCarpeta.left + g.cmdCrearCarpeta.width,
            g.dirDirectorio.left + g.dirDirectorio.width);
  EXPECT_EQ(g.dirDirectorio.height - small.dirDirectorio.height, 1000);
  EXPECT_EQ(g.cmdCrearCarpeta.top, g.dirDirectorio.top + g.dirDirectorio.height);
  EXPECT_EQ(large.FrDatos.height - g.cmdCrearCarpeta.top - g.cmdCrearCarpeta.height, 100);
  // A control smaller than its parts leaves them no room, not less.
  const auto least = NOVUDirModel::Redimensionar(100, 100, d).hijos;
  EXPECT_EQ(std::make_pair(least.drvLista.width, least.dirDirectorio.height), std::make_pair(0, 0));
}
