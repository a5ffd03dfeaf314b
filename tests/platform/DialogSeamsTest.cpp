// The seams for dialogs and the desktop: filters in Qt's form, the drives
// among the mounts, what the seams answer with nothing installed, and the
// scoped guard that installs a service and puts back what it found, from
// nested scopes and from a scope left by an exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/DriveService.h"
#include "platform/FileDialogService.h"
#include "platform/FileExplorerService.h"
#include "platform/FileFilter.h"
#include "platform/InputBoxService.h"
#include "platform/MountTable.h"
#include "platform/RecordingMessageBox.h"
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
  for (const char* open : {"Todos los archivos (*)", "Todos (*.*)", "Bases (*.?db)",
                           "Bases (*.md?)", "Informe (informe.txt)", "Textos", ""}) {
    EXPECT_EQ(FileFilter::DefaultExtension(open), "") << open;
  }
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

TEST(DriveService, TheMachinesDrivesBeginWithTheRoot) {
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
}

// With nothing installed nothing is shown or started: every seam answers
// as a cancelled dialog would.
TEST(DialogSeams, WithNothingInstalledEverySeamAnswersCancel) {
  EXPECT_FALSE(FileDialogService::Current().Ask(FileDialogMode::Open, "", "").has_value());
  EXPECT_EQ(InputBox("¿Nombre?", "Título"), "");
  EXPECT_FALSE(FileExplorerService::Current().Open("/"));
}

TEST(ScopedService, PutsBackWhatItFoundHoweverItsScopeEnds) {
  MessageBoxService* const before = &MessageBoxService::Current();
  {
    ScopedService<RecordingMessageBox> outer;
    EXPECT_EQ(&MessageBoxService::Current(), outer.Get().get());
    try {
      ScopedService<RecordingMessageBox> inner;
      MsgBox("dentro");
      EXPECT_EQ(inner->Boxes().size(), 1u);
      throw std::runtime_error("scope left by an error");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(&MessageBoxService::Current(), outer.Get().get());
    MsgBox("fuera");
    ASSERT_EQ(outer->Boxes().size(), 1u);
    EXPECT_EQ(outer->Boxes()[0].text, "fuera");
  }
  EXPECT_EQ(&MessageBoxService::Current(), before);

  // A service given is installed as it is; none stands for the seam's default.
  ScopedService<DriveService> fixed(std::make_shared<FixedDrives>(std::vector<std::string>{"/x"}));
  {
    ScopedService<DriveService> machine(nullptr);
    EXPECT_EQ(DriveService::Current().Drives(), SystemDrives().Drives());
  }
  EXPECT_EQ(DriveService::Current().Drives(), std::vector<std::string>{"/x"});
}
