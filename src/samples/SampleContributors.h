/*
** SampleContributors: a made-up contributor database Novu.mdb, the one the
** maker's applications look their contributor up in, for the demonstration
** and the tests.
**
** Tables Contribs (Cuit, Descrip, nContrib, TipoPersona) and domicilio
** (ncontrib and the address parts), with four contributors that show each
** case of the lookup:
**   30712345671  CONSTRUCCIONES DEL PLATA S.A.  a complete address
**   20234567897  O'HIGGINS,<tab>MARTÍN          a name with an apostrophe
**                                               and a tab; an address
**   33709876541  COOPERATIVA EL CEIBO LTDA.     no address rows
**   27298765433  SOSA, MARÍA JOSÉ               an address without floor,
**                                               flat and neighbourhood
*/
#pragma once

#include <string>

#include "host/ClsKolm.h"

class SampleContributors {
 public:
  // Creates the database at `path`, plain (not scrambled), with the
  // password of `kolm`. Refuses (3204) a file already there.
  static void Create(const std::string& path, ClsKolm& kolm);
};
