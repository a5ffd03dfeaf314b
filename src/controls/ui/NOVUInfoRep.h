/*
** NOVUInfoRep: the outcome of an operation as a growing list of lines, each
** marked as an error, a warning or a piece of information by its icon.
**
** The lines live only in the list widget (LstInfo, a one-column report
** list with the header "Información de la operación"); the control keeps
** no data of its own, stores no settings and raises no events. Lines are
** added at the end, never sorted, never selected or scrolled to. Two lines
** with the same text are two lines.
**
** Each line carries the key of its icon ("Error", "Advertencia" or
** "Informacion"), resolved in the control's 16 x 16 image list (imgTree);
** a key the list lacks is an error of the call (AppError 35601).
**
** Texts are UTF-8, as the rest of the system passes them.
*/
#pragma once

#include <QIcon>
#include <map>
#include <string>

#include "controls/NOVUInfoRepModel.h"
#include "controls/ui/TwipsControl.h"

class QTreeWidget;

class NOVUInfoRep : public TwipsControl {
  Q_OBJECT

 public:
  explicit NOVUInfoRep(QWidget* parent = nullptr);

  void Limpiar();
  void AgregarErr(const std::string& Descripcion);
  void AgregarAdvertencia(const std::string& Descripcion);
  void AgregarInfo(const std::string& Descripcion);

  // Reading the lines back, for forms and tests; `linea` counts from 0.
  int CantidadLineas() const;
  std::string TextoLinea(int linea) const;
  std::string ImagenLinea(int linea) const;

  const NOVUInfoRepModel& Modelo() const { return modelo_; }
  QTreeWidget* LstInfo() const { return lstInfo_; }

 protected:
  void OnResize() override;

 private:
  void Agregar(const std::string& descripcion, const QString& clave);
  void AplicarGeometria();

  QTreeWidget* lstInfo_;
  std::map<QString, QIcon> imgTree_;
  NOVUInfoRepModel modelo_;
};
