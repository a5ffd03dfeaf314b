/*
** GalleryReports: what the gallery's pages say about what happened, so
** that each says what the control or window really did.
**
**   Welcome   what closed the welcome window (its start button or not)
**             and what InicioMensaje_Mostrar answered, which a close
**             without the button leaves as it was.
**   Addresses whether the owner has addresses, as the control's summary
**             shows them once the editor has closed, and the working copy:
**             none, made and unchanged (the editor saved and deleted
**             nothing), or holding changes that "Deshacer" would undo.
**   Findings  the result page's first lines, each of the kind it is:
**             the sample's declarations and employee rows (information);
**             the rows whose Adicionales is NULL, a warning while there
**             are any, information once a repair has set them to 0; the
**             table VersionBase, information when the sample has it, a
**             warning when a repair still has to make it; and one error,
**             the engine's own answer to a query of a table that does not
**             exist, shown as the example it is.
*/
#pragma once

#include <string>
#include <vector>

#include "dao/Database.h"

class GalleryReports {
 public:
  static std::string Welcome(bool started, bool showAgain);

  enum class Copy { None, Unchanged, Changed };
  static std::string Addresses(bool hasEditor, bool hasAddresses, Copy copy);

  enum class Kind { Information, Warning, Error };
  struct Finding {
    Kind kind;
    std::string text;
  };
  static std::vector<Finding> Findings(dao::Database& host);
};
