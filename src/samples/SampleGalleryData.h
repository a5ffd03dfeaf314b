/*
** SampleGalleryData: the demonstration data the gallery's pages run on: the
** sample installation that `remendor-db demo` makes (the host database
** with its addresses and provinces, the contributor database), opened.
**
** The gallery works on copies in a scratch folder of its own, so that
** nothing an operator does on a page (an address added, a message told
** not to come back) reaches the folder it was given, and a gallery that
** ends abruptly leaves that folder scrambled, as it was. Without a folder
** the sample is made in the scratch folder itself. The scratch folder
** also holds the gallery's own database (table Configuracion, where the
** one-time message keeps its answer) and a help folder with one page,
** for the welcome window's help button. All of it is removed when the
** object goes.
**
** A given folder must hold novu/VORA12/VORA12.mdb and novu/Novu.mdb
** (AppError 53 naming the missing file otherwise). A host database made
** before it carried addresses gets the sample addresses on its copy. A
** file the engine cannot open raises the engine's error, as ClsKolm
** reported it.
**
** Only the host database is opened at once: every page is built on it.
** The contributor database is opened, and the gallery's own database
** made, the first time they are asked for, since each costs the engine's
** password derivation (tens of milliseconds) and no page needs either
** before the operator acts; an error opening them is raised then.
*/
#pragma once

#include <string>

#include "dao/Database.h"
#include "host/ClsKolm.h"

class SampleGalleryData {
 public:
  static constexpr const char* kPropia = "Galeria.mdb";

  // `carpeta` is a folder made by `remendor-db demo`; empty: a new sample.
  explicit SampleGalleryData(const std::string& carpeta = "");
  ~SampleGalleryData();
  SampleGalleryData(const SampleGalleryData&) = delete;
  SampleGalleryData& operator=(const SampleGalleryData&) = delete;

  // The folder the data came from, as the operator knows it: the one
  // given, or the scratch sample.
  const std::string& Origen() const { return origen_; }
  // The scratch folder: the copies, the sample when it was made here.
  const std::string& Trabajo() const { return trabajo_; }
  // The folder of the host database's copy (".../novu/VORA12").
  std::string CarpetaVora() const;
  // The help folder the welcome window opens its page from.
  std::string CarpetaAyuda() const;

  dao::Database& Host() { return host_; }
  // Opened, or made, on the first call.
  dao::Database& Contribuyentes();
  dao::Database& Propia();

 private:
  void Abrir(const std::string& archivo, dao::Database& db);
  void Cerrar();
  std::string Copia(const std::string& archivo) const;

  ClsKolm kolm_;
  std::string origen_;
  std::string trabajo_;
  dao::Database host_;
  dao::Database contribuyentes_;
  dao::Database propia_;
};
