/*
** SampleContributors: builds the sample contributor database. See
** SampleContributors.h.
*/
#include "samples/SampleContributors.h"

#include <filesystem>

#include "common/NativePath.h"
#include "dao/DBEngine.h"

void SampleContributors::Create(const std::string& path, ClsKolm& kolm) {
  dao::Database db = dao::DBEngine::CreateDatabase(path, kolm.DarPWD().substr(5));
  const char* const statements[] = {
      "CREATE TABLE Contribs (Cuit TEXT (11), Descrip TEXT (60), nContrib LONG, TipoPersona "
      "INTEGER)",
      "CREATE TABLE domicilio (ncontrib LONG, Calle TEXT (40), nro TEXT (10), piso TEXT (5), "
      "dtoofLoc TEXT (5), Barrio TEXT (40), Localidad TEXT (40), codPostal TEXT (8))",
      "INSERT INTO Contribs VALUES ('30712345671', 'CONSTRUCCIONES DEL PLATA S.A.', 1, 2)",
      "INSERT INTO Contribs VALUES ('20234567897', 'O''HIGGINS,\tMARTÍN', 2, 1)",
      "INSERT INTO Contribs VALUES ('33709876541', 'COOPERATIVA EL CEIBO LTDA.', 3, 2)",
      "INSERT INTO Contribs VALUES ('27298765433', 'SOSA, MARÍA JOSÉ', 4, 1)",
      "INSERT INTO domicilio VALUES (1, 'Av. Belgrano', '1234', '3', 'B', 'Centro', 'Córdoba', "
      "'5000')",
      "INSERT INTO domicilio VALUES (2, 'San Martín', '455', 'PB', 'A', 'Alberdi', 'Rosario', "
      "'2000')",
      "INSERT INTO domicilio VALUES (4, 'Ruta 9 Km', '712', NULL, NULL, NULL, 'Villa María', "
      "'5900')",
  };
  try {
    for (const char* s : statements) db.Execute(s);
  } catch (...) {
    // A half-built sample would pass for a real one.
    db.Close();
    std::filesystem::remove(NativePath::From(path));
    throw;
  }
  db.Close();
}
