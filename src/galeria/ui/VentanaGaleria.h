/*
** VentanaGaleria: the gallery's window: one tab per page, in the order of
** PaginasGaleria, every page live on the demonstration data, and a line at
** the bottom naming the sample it came from.
**
** The address page's editor comes from the factory given (none: the
** control shows its summary only).
*/
#pragma once

#include <QWidget>
#include <vector>

#include "address/ui/UcnDom.h"

class SampleGalleryData;
class PaginaGaleria;
class QLabel;
class QTabWidget;

class VentanaGaleria : public QWidget {
  Q_OBJECT

 public:
  VentanaGaleria(SampleGalleryData& demo, UcnDom::FabricaEditor editor, QWidget* parent = nullptr);

  QTabWidget* Pestanas() const { return pestanas_; }
  const std::vector<PaginaGaleria*>& Paginas() const { return paginas_; }
  // The page of `clave`, or null.
  PaginaGaleria* Pagina(const char* clave) const;
  void MostrarPagina(const char* clave);

 private:
  void Agregar(PaginaGaleria* pagina);

  QTabWidget* pestanas_;
  std::vector<PaginaGaleria*> paginas_;
};
