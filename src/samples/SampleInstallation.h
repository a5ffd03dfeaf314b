/*
** SampleInstallation: a made-up installation of the host application, for
** the demonstration, the tests and the benchmark.
**
**   FOLDER/windows/novuPath.sys        one line: FOLDER/novu (absolute)
**   FOLDER/novu/VORA12/VORA12.mdb      the host database, password-protected
**                                      and scrambled
**   FOLDER/novu/Novu.mdb               the contributor database
**                                      (SampleContributors), the same way
**
** The host database holds 22Cuiles (one row per employee and declaration)
** and 21Declaraciones_Juradas (one row per monthly declaration) with their
** usual columns, about a tenth of every amount column left NULL, and the
** tables that the sample repair metadata names, in an older shape: some
** with rows, some empty, some missing. 11Empresa, which the metadata does
** not mark, holds the employer's row. The data are invented and the same on
** every call (fixed seed).
*/
#pragma once

#include <string>

#include "host/ClsKolm.h"

class SampleInstallation {
 public:
  struct Sizes {
    long cuiles = 2400;
    long declaraciones = 600;
  };

  // Creates the installation under `folder` (made when missing); returns
  // the host database's path. Refuses (3204) a host database already there.
  static std::string Create(const std::string& folder, ClsKolm& kolm, const Sizes& sizes);

  // Creates the host database alone at `path`, plain (not scrambled), with
  // the password of `kolm`.
  static void CreateHost(const std::string& path, ClsKolm& kolm, const Sizes& sizes);
};
