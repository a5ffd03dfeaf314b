// The seams for dialogs and the desktop: filters in Qt's form, the drives
// among the mounts, and the recording services answering ahead of time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/DriveService.h"
#include "platform/FileDialogService.h"
#include "platform/FileExplorerService.h"
#include "platform/FileFilter.h"
#include "platform/InputBoxService.h"
#include "platform/MountTable.h"
#include "platform/RecordingFileDialog.h"
#include "platform/RecordingFileExplorer.h"
#include "platform/RecordingInputBox.h"
#include "platform/ScopedService.h"

TEST(FileFilter, FormsFiltersBecomeQtFilters) {
  EXPECT_EQ(FileFilter::ToQt(""), "");
  EXPECT_EQ(FileFilter::ToQt("Bases de datos|*.mdb"), "Bases de datos (*.mdb)");
  EXPECT_EQ(FileFilter::ToQt("Bases de datos (*.mdb)|*.mdb|Todos los archivos (*.*)|*.*"),
            "Bases de datos (*.mdb);;Todos los archivos (*)");
  EXPECT_EQ(FileFilter::ToQt("Imágenes (*.png;*.jpg)|*.png;*.jpg"), "Imágenes (*.png *.jpg)");
  EXPECT_EQ(FileFilter::ToQt("Datos (*.mdb)|*.mdb; *.mde"), "Datos (*.mdb) (*.mdb *.mde)");
  EXPECT_EQ(FileFilter::ToQt("Texto|*.txt|Todos|"), "Texto (*.txt);;Todos (*)");
  EXPECT_EQ(FileFilter::ToQt("Texto|*.txt|Todos"), "Texto (*.txt);;Todos (*)");
  EXPECT_EQ(FileFilter::ToQt("Texto|*.txt|"), "Texto (*.txt)");
  EXPECT_EQ(FileFilter::ToQt("*.txt"), "*.txt (*)");
}

// The extension a save dialog adds to a name typed without one.
TEST(FileFilter, TheChosenEntryNamesTheExtensionASaveAdds) {
  EXPECT_EQ(FileFilter::DefaultExtension("Textos (*.txt)"), "txt");
  EXPECT_EQ(FileFilter::DefaultExtension("Bases de datos (*.mdb *.mde)"), "mdb");
  EXPECT_EQ(FileFilter::DefaultExtension("Copias (*.tar.gz)"), "tar.gz");
  EXPECT_EQ(FileFilter::DefaultExtension(FileFilter::ToQt("Textos|*.txt")), "txt");
  // Nothing to add where the entry matches every file or leaves it open.
  EXPECT_EQ(FileFilter::DefaultExtension("Todos los archivos (*)"), "");
  EXPECT_EQ(FileFilter::DefaultExtension("Todos (*.*)"), "");
  EXPECT_EQ(FileFilter::DefaultExtension("Bases (*.?db)"), "");
  EXPECT_EQ(FileFilter::DefaultExtension("Bases (*.md?)"), "");
  EXPECT_EQ(FileFilter::DefaultExtension("Informe (informe.txt)"), "");
  EXPECT_EQ(FileFilter::DefaultExtension("Textos"), "");
  EXPECT_EQ(FileFilter::DefaultExtension(""), "");
}

TEST(MountTable, DrivesAreTheUsersStorageWhereDesktopsMountIt) {
  const std::string tabla =
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "proc /proc proc rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sda2 /boot ext4 rw 0 0\n"
      "/dev/sdb1 /media/ana/PEN\\040ROJO vfat rw 0 0\n"
      "/dev/sr0 /run/media/ana/CD iso9660 ro 0 0\n"
      "server:/exp /mnt/red nfs4 rw 0 0\n"
      "//nas/datos /home/ana/nas cifs rw 0 0\n"
      "tmpfs /home/ana/tmp tmpfs rw 0 0\n"
      "/dev/sdb1 /media/ana/PEN\\040ROJO vfat rw 0 0\n"
      "overlay /var/lib/docker/x overlay rw 0 0\n"
      "malformed\n";
  EXPECT_EQ(MountTable::Volumes(tabla, "/home/ana"),
            (std::vector<std::string>{"/media/ana/PEN ROJO", "/run/media/ana/CD", "/mnt/red",
                                      "/home/ana/nas"}));
  EXPECT_EQ(MountTable::Volumes(tabla, ""),
            (std::vector<std::string>{"/media/ana/PEN ROJO", "/run/media/ana/CD", "/mnt/red"}));
  EXPECT_EQ(MountTable::Unescape("a\\011b\\134c\\09"), "a\tb\\c\\09");
}

TEST(DriveService, TheMachinesDrivesBeginWithTheRootAndFixedOnesReplaceThem) {
  const std::vector<std::string> maquina = SystemDrives().Drives();
  ASSERT_FALSE(maquina.empty());
#ifdef _WIN32
  // Every drive letter the system has, as its root: the system's own
  // drive among them (under Wine also Z:, the Linux root).
  const char* windir = std::getenv("WINDIR");
  ASSERT_NE(windir, nullptr);
  EXPECT_NE(std::find(maquina.begin(), maquina.end(), std::string(windir, 2) + "\\"),
            maquina.end());
  for (const auto& drive : maquina) {
    EXPECT_EQ(drive.size(), 3u) << drive;
    EXPECT_EQ(drive.substr(1), ":\\") << drive;
  }
#else
  EXPECT_EQ(maquina.front(), "/");
#endif
  ScopedService<DriveService> fixed(
      std::make_shared<FixedDrives>(std::vector<std::string>{"/", "/no/such/medium"}));
  EXPECT_EQ(DriveService::Current().Drives().back(), "/no/such/medium");
}

TEST(DialogSeams, RecordingServicesAnswerAheadOfTimeAndDefaultToCancel) {
  // With nothing installed nothing is shown or started.
  EXPECT_FALSE(FileDialogService::Current().Ask(FileDialogMode::Open, "", "").has_value());
  EXPECT_EQ(InputBox("¿Nombre?", "Título"), "");
  EXPECT_FALSE(FileExplorerService::Current().Open("/"));

  ScopedService<RecordingFileDialog> dialogo;
  dialogo->SetNextFileName("/tmp/a.mdb");
  dialogo->SetNextCancel();
  dialogo->SetNextError(32755, "Cancelado");
  EXPECT_EQ(FileDialogService::Current().Ask(FileDialogMode::Save, "T (*.txt)", "/tmp"),
            "/tmp/a.mdb");
  EXPECT_FALSE(FileDialogService::Current().Ask(FileDialogMode::Open, "", "").has_value());
  EXPECT_THROW(FileDialogService::Current().Ask(FileDialogMode::Open, "", ""), AppError);
  ASSERT_EQ(dialogo->Requests().size(), 3u);
  EXPECT_EQ(dialogo->Requests()[0].mode, FileDialogMode::Save);
  EXPECT_EQ(dialogo->Requests()[0].filter, "T (*.txt)");
  EXPECT_EQ(dialogo->Requests()[0].start, "/tmp");

  ScopedService<RecordingInputBox> caja;
  caja->SetNextAnswer("Nueva");
  EXPECT_EQ(InputBox("Ingrese", "Nueva carpeta"), "Nueva");
  EXPECT_EQ(InputBox("Ingrese", "Nueva carpeta", "x"), "");
  EXPECT_EQ(caja->Requests().at(1).defaultText, "x");

  ScopedService<RecordingFileExplorer> explorador(std::make_shared<RecordingFileExplorer>(true));
  explorador->SetNextResult(false);
  EXPECT_FALSE(FileExplorerService::Current().Open("/a"));
  EXPECT_TRUE(FileExplorerService::Current().Open("/b"));
  EXPECT_EQ(explorador->Folders(), (std::vector<std::string>{"/a", "/b"}));
}
