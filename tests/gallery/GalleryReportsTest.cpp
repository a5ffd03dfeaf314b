// What the gallery's pages say: the welcome window's button told apart
// from its answer, the working copy's three states, and the result page's
// findings on the sample before and after what a repair does to it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gallery/GalleryReports.h"
#include "samples/SampleGalleryData.h"

namespace {

using Kind = GalleryReports::Kind;
using ::testing::HasSubstr;

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
  EXPECT_THAT(GalleryReports::Addresses(true, true, Copy::None),
              HasSubstr("Tiene domicilios: sí\nCopia de trabajo: ninguna"));
  EXPECT_THAT(GalleryReports::Addresses(true, true, Copy::Unchanged), HasSubstr("sin cambios"));
  EXPECT_THAT(GalleryReports::Addresses(false, false, Copy::Changed), HasSubstr("con cambios"));
}

TEST(GalleryReports, TheResultPageShowsEachKindOfLineAsTheSampleIs) {
  SampleGalleryData demo;
  dao::Database& host = demo.Host();
  // The sample as made: NULL amounts, no VersionBase yet.
  const auto made = GalleryReports::Findings(host);
  ASSERT_EQ(Kinds(made),
            (std::vector<Kind>{Kind::Information, Kind::Warning, Kind::Warning, Kind::Error}));
  EXPECT_THAT(made[1].text, HasSubstr("Adicionales en NULL"));
  EXPECT_THAT(made[2].text, HasSubstr("VersionBase"));
  EXPECT_THAT(made.back().text, HasSubstr("TablaInexistente"));

  // What a repair leaves: no NULL left, VersionBase made.
  host.Execute("update 22Cuiles set Adicionales = 0 where Adicionales is null");
  host.Execute("create table VersionBase (Version text(20))");
  EXPECT_EQ(
      Kinds(GalleryReports::Findings(host)),
      (std::vector<Kind>{Kind::Information, Kind::Information, Kind::Information, Kind::Error}));
}

}  // namespace
