/*
** NOVUSearch: a one-line box for choosing a file: a description on the
** left, the chosen file's full path, and a "..." button that opens the file
** dialog to open a file or, with Guardar, to name one to save. Once the
** operator has chosen, the path shows and Busqueda is raised.
**
** The rules live in NOVUSearchModel; the dialog and the messages go
** through the seams (FileDialogService, MessageBoxService). The control is
** always 310 twips high; setting Caption lays it out again, the path
** taking what the description leaves.
**
**   PropertyStore ajustes;
**   ajustes.Write("Caption", "Base de datos:");
**   ajustes.Write("Filtro", "Bases de datos (*.mdb)|*.mdb");
**   auto* base = new NOVUSearch(ajustes, this);
**   base->Move(120, 120, 6000, 0);
**   connect(base, &NOVUSearch::Busqueda, this, &Form::base_Busqueda);
*/
#pragma once

#include <string>

#include "controls/NOVUSearchModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/TwipsControl.h"

class QLabel;
class QPushButton;

class NOVUSearch : public TwipsControl {
  Q_OBJECT
  Q_CLASSINFO("Caption",
              "Devuelve o establece el texto mostrado en la barra de título de un objeto o bajo el "
              "icono de un objeto.")
  Q_CLASSINFO("NombreArchivo",
              "Devuelve o establece el texto mostrado en la barra de título de un objeto o bajo el "
              "icono de un objeto.")
  Q_CLASSINFO("Filtro",
              "Returns/sets the filters that are displayed in the Type list box of a dialog box.")

 public:
  static constexpr int kAnchoDiseno = 4800;
  static constexpr int kAnchoBoton = 375;
  static constexpr int kAltoBoton = 285;

  // A box new on its form.
  explicit NOVUSearch(QWidget* parent = nullptr);
  // A box loaded from the settings its form stored for it.
  explicit NOVUSearch(const PropertyStore& propiedades, QWidget* parent = nullptr);

  std::string Caption() const { return modelo_.Caption(); }
  void SetCaption(const std::string& New_Caption);
  bool Guardar() const { return modelo_.Guardar(); }
  void SetGuardar(bool New_Guardar) { modelo_.SetGuardar(New_Guardar); }
  std::string NombreArchivo() const { return modelo_.NombreArchivo(); }
  void SetNombreArchivo(const std::string& New_NombreArchivo);
  std::string Filtro() const { return modelo_.Filtro(); }
  void SetFiltro(const std::string& New_Filtro) { modelo_.SetFiltro(New_Filtro); }

  void GuardarPropiedades(PropertyStore& propiedades) const {
    modelo_.GuardarPropiedades(propiedades);
  }
  const NOVUSearchModel& Modelo() const { return modelo_; }
  QPushButton* CmdBuscar() const { return cmdBuscar_; }
  QLabel* LblTitulo() const { return lblTitulo_; }
  QLabel* LblDesc() const { return lblDesc_; }

 signals:
  void Busqueda();

 protected:
  void OnResize() override;

 private:
  void Construir();
  void CmdBuscar_Click();
  void Mostrar();

  QPushButton* cmdBuscar_ = nullptr;
  QLabel* lblTitulo_ = nullptr;
  QLabel* lblDesc_ = nullptr;
  NOVUSearchModel modelo_;
};
