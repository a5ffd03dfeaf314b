/*
** NOVUList: a report-style list of rows in columns, which the operator
** sorts by clicking a column's header; the sort column's header then
** shows a hollow triangle pointing up (ascending) or down (descending).
**
** The caller adds columns (caption, width in twips) and rows: a key, the
** text of the first column, one of five images by number and the texts of
** further columns. Rows are found by number (from 1, in the order shown)
** or by key; an empty key is no key, so any number of rows may have it and
** none is found by it. Clicks select whole rows, and no text is edited in
** place.
**
** The rules (sorting by header clicks, check-list mode, geometry, the
** stored setting) live in NOVUListModel; the header's triangle is put in
** place by IC, which this control gives its header to. Rows sort by the
** text of the sort column in Spanish order (see NOVUListItem.h); once the
** list is sorted, rows added later go straight to their place.
**
** Errors reach the caller as AppErrors: a row number outside the list is
** 35600, a key that no row has 35601, a key that another row already has
** 35602, an image number outside 0-4 is 9 and a sort the list cannot do
** 380. A failed call changes nothing.
**
** Event: ItemClick(Item), whenever the operator clicks a row. In
** check-list mode a double click flips the selected row's image between
** "marcado" and "desmarcado", and so do a click on a row's image (its box)
** and the space bar on the selected row; none of them raises anything.
**
** The one stored setting is "Enabled" (default True).
*/
#pragma once

#include <QIcon>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/Variant.h"
#include "controls/IC.h"
#include "controls/ICListView.h"
#include "controls/NOVUListModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/NOVUListItem.h"
#include "controls/ui/TwipsControl.h"

class QModelIndex;
class QTreeWidget;
class NOVUListHeader;

class NOVUList : public TwipsControl, private ICListView {
  Q_OBJECT
  Q_CLASSINFO("ItemClick", "Occurs when a ListItem object is clicked or selected")

 public:
  explicit NOVUList(QWidget* parent = nullptr);
  // A list loaded from the settings its form stored for it.
  explicit NOVUList(const PropertyStore& propiedades, QWidget* parent = nullptr);
  ~NOVUList() override;

  void AgregarColumna(const std::string& Texto, int32_t Ancho);
  // Datos are the texts of columns 2, 3, ... in order.
  void AgregarItem(const std::string& Clave, const std::string& Texto, int32_t Imagen,
                   const std::vector<Variant>& Datos = {});
  // `Index` is a row number (from 1) or, as a String, a row's key.
  NOVUListItem* GetItems(const Variant& Index) const;
  int32_t GetCantFilas() const;
  void Seleccionar(const Variant& Indice);
  // The selected row, or null.
  NOVUListItem* GetISelectedItem() const;
  void Eliminar(const Variant& Indice);
  // Removes every row; the columns stay.
  void Clear();
  // TipoOrden 0 ascending, 1 descending; Columna from 0. The header's
  // triangles stay as they were.
  void Ordenar(int32_t TipoOrden, int32_t Columna);
  void SetCheckList();

  // 0 left, 1 right, 2 centre; `Columna` from 1, as the header counts.
  void SetAlineacionColumna(int Columna, int Alineacion);

  bool Enabled() const { return modelo_.Enabled(); }
  void SetEnabled(bool New_Enabled);
  void GuardarPropiedades(PropertyStore& propiedades) const {
    modelo_.GuardarPropiedades(propiedades);
  }
  const PropertyStore& Propiedades() const { return modelo_.Propiedades(); }

  const NOVUListModel& Modelo() const { return modelo_; }
  IC& Iconos() { return *ic_; }
  QTreeWidget* LstDatos() const { return lstDatos_; }
  NOVUListHeader* Encabezado() const { return encabezado_; }

 signals:
  void ItemClick(NOVUListItem* Item);

 protected:
  void OnResize() override;

 private:
  void Construir();
  void ColumnClick(int indice);
  void DblClick();
  void Marcar(NOVUListModel::CheckInput entrada, NOVUListItem* fila);
  QRect Casilla(const QModelIndex& indice) const;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void AplicarOrden(const NOVUListModel::Orden& orden);
  int PosicionOrdenada(const NOVUListItem& fila) const;

  int View() const override { return kReportView; }
  int ColumnCount() const override { return modelo_.CantColumnas(); }
  int ColumnAlignment(int indice) const override;
  ICHeader* Header() override;

  QTreeWidget* lstDatos_ = nullptr;
  NOVUListHeader* encabezado_ = nullptr;
  NOVUListModel modelo_;
  std::unique_ptr<IC> ic_;
  // Rows by key. The standard map keeps each key's hash, so growing it
  // hashes no key again; Qt's seeded string hash, run over every key at each
  // growth, cost more than adding the rows themselves.
  std::unordered_map<std::string, NOVUListItem*> claves_;
  // The row whose box took the last press, and whether a double click
  // fell on a box: its first click has marked it already.
  NOVUListItem* casilla_ = nullptr;
  bool dobleEnCasilla_ = false;
};
