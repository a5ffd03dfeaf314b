/*
** NOVUTreeModel: the rules of the lazy tree, over any NOVUTreeView.
**
** The form that contains the tree declares node descriptions (TreeItem)
** in a flat list, each naming the level it is listed under (padre: 0 is
** the top level, any other number the Codigo of the description whose
** nodes are its parents), and ARB_CargarArbol builds the tree from them: a
** fixed description gives one node, an iterator one node per row of its
** query, and every node's children are the descriptions listed under its
** level, down to any depth. A row's captions, check states and
** (HojasDistintas) children level come from the form (ObjArbol, see
** NOVUTreeContainer.h).
**
** Keys (NOVUTreeKeys.h): "A", the key values of the enclosing iterator
** rows (ValoresCampo, outermost first), then the description's Codigo.
** Fixed nodes add no code of their own to their children's keys.
**
** Queries run on the description's database through the engine, as the
** form wrote them, once NOVUTreeSql has put the enclosing rows' key values
** into their "%ClaveCampo%" placeholders.
**
** Delayed loading (CargaRetrasada): each row node gets one placeholder
** child, "nodotemporal" (codes 1, 2, ... from creation, 1001, 1002, ...
** after Clear); expanding the row replaces it by the real children, once:
** expanding again finds real children and queries nothing. ARB_Recargar_Rama
** rebuilds a fixed branch from its descriptions.
**
** Where this differs from a bare reading of the rules:
**   - a delayed load offers the queries it runs the key values it rebuilt
**     from the expanded node's key, under the ClaveCampo names of the
**     iterators above that node, so a nested query's placeholders are
**     filled as they are in a load done at once;
**   - ARB_CargarArbol and ARB_Recargar_Rama build from the top, so they
**     start from an empty value path rather than from whatever the last
**     expansion left, which would give their nodes keys that no longer
**     match their codes;
**   - a load that fails leaves the value and name stacks, and the parent
**     key, as they were before it.
**
** Nothing is trapped: errors of the engine, of the form and of the view
** (a duplicate key, a missing key) reach the caller. Using a description
** that needs ObjArbol while it is unset is AppError 91; an image number
** outside 0-7 is 9; a code for which no description exists is 91.
**
** Geometry, in twips: the tree view keeps a 10-twip margin on every side
** of the control, and is never less than empty.
*/
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Variant.h"
#include "controls/TreeItem.h"
#include "dao/Recordset.h"
#include "graphics/Rect.h"

class NOVUTreeContainer;
class NOVUTreeView;

class NOVUTreeModel {
 public:
  static constexpr const char* kTemporal = "nodotemporal";
  static constexpr int kBotonDerecho = 2;
  static constexpr int kEnter = 13;
  static constexpr int kMargen = 10;
  static constexpr int kAnchoDiseno = 4800;
  static constexpr int kAltoDiseno = 3600;

  static const std::array<std::string, 8>& Imagenes();
  static const std::string& Imagen(int32_t indice);
  // Where the tree view goes in a control `ancho` x `alto` twips large.
  static Rect Arbol(int ancho, int alto);

  explicit NOVUTreeModel(NOVUTreeView& vista) : vista_(vista) {}

  int32_t IdInstancia = 0;
  NOVUTreeContainer* ObjArbol = nullptr;
  std::vector<double> ARB_ClavesArbol;

  void Clear();
  void ARB_AgregarNodo(int32_t padre, int32_t Codigo, int32_t TipoNodo, const std::string& Caption,
                       int32_t Imagen = 0);
  void ARB_AgregarNodoIterador(int32_t padre, int32_t Codigo, const dao::Database& Db,
                               const std::string& SQL, const std::string& ClaveCampo,
                               bool HojasDistintas, bool CargaRetrasada, int32_t Imagen);
  void ARB_CargarArbol();
  // Codes deepest first, as ClaveNodo takes them.
  void ARB_Expandir(bool Expandir, const std::vector<double>& Datos);
  std::string ARB_NodoCaption(const std::vector<double>& Datos) const;
  void SetARB_NodoCaption(const std::vector<double>& Datos, const std::string& Texto);
  int32_t ARB_NodoImage(const std::vector<double>& Datos) const;
  void SetARB_NodoImage(const std::vector<double>& Datos, int32_t Imagen);
  void ARB_RefrescarNodo(const std::vector<double>& Datos);
  void ARB_Recargar_Rama(int32_t Nodo, int32_t padre);

  // What the view reports. DblClick and KeyPress answer whether the
  // selection is confirmed (then the control raises ArbolSeleccion).
  void Expand(const std::string& clave);
  void NodeClick(const std::string& clave);
  void MouseDown(int boton, double x, double y);
  bool KeyPress(int caracter);
  bool DblClick();

  const std::vector<TreeItem>& Items() const { return Items_; }
  const std::vector<std::string>& NombresCampo() const { return NombresCampo_; }
  const std::vector<Variant>& ValoresCampo() const { return ValoresCampo_; }
  const std::string& ClavePadre() const { return ClavePadre_; }
  int32_t UltimoTemporal() const { return UltimoTemporal_; }
  double MouseX() const { return MouseX_; }
  double MouseY() const { return MouseY_; }
  bool BotonDerecho() const { return BotonDerecho_; }
  bool PorTeclado() const { return PorTeclado_; }

 private:
  NOVUTreeContainer& Container() const;
  const TreeItem& Descripcion(double codigo) const;
  void AgregarNodoArbol(const TreeItem& t, dao::Recordset& rs);
  void CargarHijos(int32_t P);
  void CargarIterador(const TreeItem& t);
  void PrepararHijos(int32_t P, const TreeItem& t);
  void ReconstruirValores();
  std::vector<std::string> NombresDeRuta(const TreeItem& t, size_t cuantos) const;

  NOVUTreeView& vista_;
  std::vector<TreeItem> Items_;
  std::vector<std::string> NombresCampo_;
  std::vector<Variant> ValoresCampo_;
  std::string ClavePadre_;
  int32_t UltimoTemporal_ = 0;
  double MouseX_ = 0;
  double MouseY_ = 0;
  bool BotonDerecho_ = false;
  bool PorTeclado_ = false;
};
