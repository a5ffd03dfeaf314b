/*
** GalleryWindow: the gallery's window: one tab per page, in the order of
** GalleryPages, every page live on the demonstration data, and a line at
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
class GalleryPage;
class QLabel;
class QTabWidget;

class GalleryWindow : public QWidget {
  Q_OBJECT

 public:
  GalleryWindow(SampleGalleryData& demo, UcnDom::FabricaEditor editor, QWidget* parent = nullptr);

  QTabWidget* Pestanas() const { return pestanas_; }
  const std::vector<GalleryPage*>& Paginas() const { return paginas_; }
  // The page of `clave`, or null.
  GalleryPage* Pagina(const char* clave) const;
  void MostrarPagina(const char* clave);

 private:
  void Agregar(GalleryPage* pagina);

  QTabWidget* pestanas_;
  std::vector<GalleryPage*> paginas_;
};
