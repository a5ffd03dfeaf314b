/*
** NOVUInfoRepModel: the result list's kinds of line and its geometry: where
** it puts its list and how wide it makes the list's single column, in
** twips.
**
** A line is an error, a warning or a piece of information, named by the key
** of its image in the control's image list (imgTree): "Error",
** "Advertencia", "Informacion".
**
** The list fills the control with a 10-twip margin on every side, and the
** column stays 500 twips narrower than the list. A control smaller than its
** margins keeps the list at 0 wide or high rather than negative, and a list
** narrower than 500 a column of 0.
**
** Until the first resize the list has its design size (4575 wide inside a
** control of 4800 x 3600), so the column starts 4075 wide.
*/
#pragma once

#include "graphics/Rect.h"

class NOVUInfoRepModel {
 public:
  static constexpr int kMargen = 10;
  static constexpr int kReservaColumna = 500;
  static constexpr int kAnchoDiseno = 4800;
  static constexpr int kAltoDiseno = 3600;
  static constexpr const char* kError = "Error";
  static constexpr const char* kAdvertencia = "Advertencia";
  static constexpr const char* kInformacion = "Informacion";

  NOVUInfoRepModel();

  // The control's outer size, as its form sees it.
  void Redimensionar(int ancho, int alto);

  Rect LstInfo() const { return lista_; }
  int AnchoColumna() const { return anchoColumna_; }

 private:
  Rect lista_;
  int anchoColumna_;
};
