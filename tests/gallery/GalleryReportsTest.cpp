// What the gallery's pages say: the welcome window's button told apart
// from its answer, the working copy's three states, and the result page's
// findings on the sample before and after what a repair does to it.
#include <gtest/gtest.h>

#include "gallery/GalleryReports.h"
#include "samples/SampleGalleryData.h"

namespace {

using Kind = GalleryReports::Kind;

std::vector<Kind> Kinds(const std::vector<GalleryReports::Finding>& findings) {
  std::vector<Kind> kinds;
  for (const auto& f : findings) kinds.push_back(f.kind);
  return kinds;
}

TEST(GalleryReports, TheWelcomeAndAddressPagesSayWhatHappened) {
  EXPECT_EQ(GalleryReports::Welcome(true, false),
            "Se pulsó «Salir y ejecutar el sistema»; InicioMensaje_Mostrar respondió False: la "
            "bienvenida no se vuelve a mostrar.");
  EXPECT_EQ(GalleryReports::Welcome(false, true).rfind("La ventana se cerró sin pulsar", 0), 0u);

  using Copy = GalleryReports::Copy;
  const std::string none = GalleryReports::Addresses(true, true, Copy::None);
  EXPECT_NE(none.find("Tiene domicilios: sí\nCopia de trabajo: ninguna"), std::string::npos);
  EXPECT_NE(GalleryReports::Addresses(true, true, Copy::Unchanged).find("sin cambios"),
            std::string::npos);
  EXPECT_NE(GalleryReports::Addresses(false, false, Copy::Changed).find("con cambios"),
            std::string::npos);
}

TEST(GalleryReports, TheResultPageShowsEachKindOfLineAsTheSampleIs) {
  SampleGalleryData demo;
  dao::Database& host = demo.Host();
  // The sample as made: NULL amounts, no VersionBase yet.
  const auto made = GalleryReports::Findings(host);
  ASSERT_EQ(Kinds(made),
            (std::vector<Kind>{Kind::Information, Kind::Warning, Kind::Warning, Kind::Error}));
  EXPECT_NE(made[1].text.find("Adicionales en NULL"), std::string::npos) << made[1].text;
  EXPECT_NE(made[2].text.find("VersionBase"), std::string::npos) << made[2].text;
  EXPECT_NE(made.back().text.find("TablaInexistente"), std::string::npos);

  // What a repair leaves: no NULL left, VersionBase made.
  host.Execute("update 22Cuiles set Adicionales = 0 where Adicionales is null");
  host.Execute("create table VersionBase (Version text(20))");
  EXPECT_EQ(
      Kinds(GalleryReports::Findings(host)),
      (std::vector<Kind>{Kind::Information, Kind::Information, Kind::Information, Kind::Error}));
}

}  // namespace
