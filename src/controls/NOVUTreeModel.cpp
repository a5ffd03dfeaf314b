/*
** The lazy tree's rules. See NOVUTreeModel.h.
*/
#include "controls/NOVUTreeModel.h"

#include <algorithm>

#include "common/AppError.h"
#include "controls/CommonControlErrors.h"
#include "controls/NOVUTreeContainer.h"
#include "controls/NOVUTreeKeys.h"
#include "controls/NOVUTreeSql.h"
#include "controls/NOVUTreeView.h"
#include "dao/Database.h"

namespace {

// Puts the stacks and the parent key back when a load fails half way, so
// that the next operation does not start from a half-built path.
class PathRestorer {
 public:
  PathRestorer(std::vector<std::string>& nombres, std::vector<Variant>& valores, std::string& padre)
      : nombres_(nombres),
        valores_(valores),
        padre_(padre),
        copiaNombres_(nombres),
        copiaValores_(valores),
        copiaPadre_(padre) {}
  template <typename F>
  void Hacer(F&& f) {
    try {
      f();
    } catch (...) {
      nombres_ = copiaNombres_;
      valores_ = copiaValores_;
      padre_ = copiaPadre_;
      throw;
    }
  }

 private:
  std::vector<std::string>& nombres_;
  std::vector<Variant>& valores_;
  std::string& padre_;
  std::vector<std::string> copiaNombres_;
  std::vector<Variant> copiaValores_;
  std::string copiaPadre_;
};

}  // namespace

const std::array<std::string, 8>& NOVUTreeModel::Imagenes() {
  static const std::array<std::string, 8> imagenes = {
      "abierto", "cerrado", "lleno", "vacio", "actividades", "carga", "agregar", "deducciones"};
  return imagenes;
}

const std::string& NOVUTreeModel::Imagen(int32_t indice) {
  if (indice < 0 || indice >= static_cast<int32_t>(Imagenes().size())) ccerr::Subscript(indice, 7);
  return Imagenes()[static_cast<size_t>(indice)];
}

Rect NOVUTreeModel::Arbol(int ancho, int alto) {
  return Rect{kMargen, kMargen, std::max(ancho - 2 * kMargen, 0), std::max(alto - 2 * kMargen, 0)};
}

NOVUTreeContainer& NOVUTreeModel::Container() const {
  if (ObjArbol == nullptr) {
    throw AppError(ccerr::kObjectNotSet,
                   "Variable de objeto no establecida: el árbol no tiene ObjArbol");
  }
  return *ObjArbol;
}

const TreeItem& NOVUTreeModel::Descripcion(double codigo) const {
  for (const TreeItem& t : Items_) {
    if (t.Codigo.ToDouble() == codigo) return t;
  }
  throw AppError(ccerr::kObjectNotSet,
                 "Variable de objeto no establecida: no hay descripción de nodo con el código " +
                     FormatEngineNumber(codigo));
}

void NOVUTreeModel::Clear() {
  vista_.QuitarTodos();
  Items_.clear();
  NombresCampo_.clear();
  ValoresCampo_.clear();
  UltimoTemporal_ = 1000;
}

void NOVUTreeModel::ARB_AgregarNodo(int32_t padre, int32_t Codigo, int32_t TipoNodo,
                                    const std::string& Caption, int32_t Imagen) {
  TreeItem t;
  t.padre = padre;
  t.Codigo = Codigo;
  t.Caption = Caption;
  t.Check = TipoNodo == 1;
  t.carpeta = TipoNodo == 0;
  if (!t.Check) t.Imagen = Imagen;
  Items_.push_back(std::move(t));
}

void NOVUTreeModel::ARB_AgregarNodoIterador(int32_t padre, int32_t Codigo, const dao::Database& Db,
                                            const std::string& SQL, const std::string& ClaveCampo,
                                            bool HojasDistintas, bool CargaRetrasada,
                                            int32_t Imagen) {
  TreeItem t;
  t.padre = padre;
  t.Codigo = Codigo;
  t.Db = Db;
  t.SQL = SQL;
  t.ClaveCampo = ClaveCampo;
  t.HojasDistintas = HojasDistintas;
  t.CargaRetrasada = CargaRetrasada;
  t.Imagen = Imagen;
  t.Iterador = true;
  Items_.push_back(std::move(t));
}

void NOVUTreeModel::ARB_CargarArbol() {
  PathRestorer(NombresCampo_, ValoresCampo_, ClavePadre_).Hacer([this] {
    ClavePadre_.clear();
    ValoresCampo_.clear();
    CargarHijos(0);
  });
}

void NOVUTreeModel::AgregarNodoArbol(const TreeItem& t, dao::Recordset& rs) {
  Variant codigo = t.Codigo;
  const std::string texto = t.Iterador ? Container().DarCaption(codigo, rs) : t.Caption;
  std::string imagen;
  if (t.Check) {
    codigo = t.Codigo;
    const Variant marcado = Container().EsCheck(codigo, ValoresCampo_);
    imagen = Imagen(!marcado.IsNull() && marcado.ToBool() ? 2 : 3);
  } else {
    imagen = Imagen(t.Imagen);
  }
  if (t.carpeta) imagen = Imagen(1);
  const std::string clave = NOVUTreeKeys::Clave(ValoresCampo_, t.Codigo);
  vista_.AgregarNodo(t.padre != 0, ClavePadre_, clave, texto, imagen);
  if (t.carpeta) vista_.SetImagenExpandida(clave, Imagen(0));
}

void NOVUTreeModel::CargarHijos(int32_t P) {
  // Copies: a form answering a callback may add descriptions, which would
  // move the list under a reference.
  for (size_t i = 0; i < Items_.size(); i++) {
    if (Items_[i].padre != P) continue;
    const TreeItem t = Items_[i];
    if (t.Iterador) {
      CargarIterador(t);
    } else {
      dao::Recordset ninguno;
      AgregarNodoArbol(t, ninguno);
      const std::string anterior = ClavePadre_;
      ClavePadre_ = NOVUTreeKeys::Clave(ValoresCampo_, t.Codigo);
      PrepararHijos(t.Codigo.ToLong(), t);
      ClavePadre_ = anterior;
    }
  }
}

void NOVUTreeModel::CargarIterador(const TreeItem& t) {
  const std::string sql = NOVUTreeSql::Sustituir(t.SQL, NombresCampo_, ValoresCampo_);
  dao::Database db = t.Db;
  dao::Recordset rs = db.OpenRecordset(sql);
  NombresCampo_.push_back(t.ClaveCampo);
  while (!rs.Eof()) {
    ValoresCampo_.push_back(rs.Fields(t.ClaveCampo).Value());
    AgregarNodoArbol(t, rs);
    const std::string anterior = ClavePadre_;
    ClavePadre_ = NOVUTreeKeys::Clave(ValoresCampo_, t.Codigo);
    int32_t nivel = t.Codigo.ToLong();
    if (t.HojasDistintas) {
      Variant codigo = t.Codigo;
      nivel = Container().DarCondicion(codigo, rs);
    }
    PrepararHijos(nivel, t);
    ClavePadre_ = anterior;
    ValoresCampo_.pop_back();
    rs.MoveNext();
  }
  NombresCampo_.pop_back();
}

void NOVUTreeModel::PrepararHijos(int32_t P, const TreeItem& t) {
  if (!t.CargaRetrasada) {
    CargarHijos(P);
    return;
  }
  TreeItem temporal;
  temporal.Codigo = ++UltimoTemporal_;
  temporal.padre = P;
  temporal.Caption = kTemporal;
  dao::Recordset ninguno;
  AgregarNodoArbol(temporal, ninguno);
}

void NOVUTreeModel::ReconstruirValores() {
  ValoresCampo_.clear();
  for (size_t i = 1; i < ARB_ClavesArbol.size() && i <= 2; i++) {
    ValoresCampo_.emplace_back(ARB_ClavesArbol[i]);
  }
}

std::vector<std::string> NOVUTreeModel::NombresDeRuta(const TreeItem& t, size_t cuantos) const {
  // The iterators from the top down to t: walk up through the levels,
  // skipping fixed nodes, which add no value to the path. A level that no
  // description has (one that DarCondicion chose) ends the walk.
  std::vector<std::string> nombres;
  const TreeItem* actual = &t;
  for (size_t pasos = 0; actual != nullptr && pasos <= Items_.size(); pasos++) {
    if (actual->Iterador) nombres.insert(nombres.begin(), actual->ClaveCampo);
    const TreeItem* arriba = nullptr;
    if (actual->padre != 0) {
      for (const TreeItem& d : Items_) {
        if (d.Codigo.ToDouble() == actual->padre) {
          arriba = &d;
          break;
        }
      }
    }
    actual = arriba;
  }
  if (nombres.size() > cuantos) nombres.resize(cuantos);
  return nombres;
}

void NOVUTreeModel::Expand(const std::string& clave) {
  if (vista_.CantHijos(clave) != 1) return;
  if (vista_.Texto(vista_.PrimerHijo(clave)) != kTemporal) return;
  PathRestorer(NombresCampo_, ValoresCampo_, ClavePadre_).Hacer([&] {
    while (vista_.CantHijos(clave) > 0) vista_.QuitarNodo(vista_.PrimerHijo(clave));
    ClavePadre_ = clave;
    ARB_ClavesArbol = NOVUTreeKeys::ClavesDesdeKey(clave);
    ReconstruirValores();
    const TreeItem t = Descripcion(ARB_ClavesArbol[0]);
    const std::vector<std::string> nombres = NombresDeRuta(t, ValoresCampo_.size());
    const size_t base = NombresCampo_.size();
    NombresCampo_.insert(NombresCampo_.end(), nombres.begin(), nombres.end());
    int32_t nivel = static_cast<int32_t>(ARB_ClavesArbol[0]);
    if (t.HojasDistintas) {
      Variant codigo = ARB_ClavesArbol[0];
      dao::Recordset ninguno;
      nivel = Container().DarCondicion(codigo, ninguno);
    }
    CargarHijos(nivel);
    NombresCampo_.resize(base);
  });
}

void NOVUTreeModel::ARB_Expandir(bool Expandir, const std::vector<double>& Datos) {
  vista_.SetExpandido(NOVUTreeKeys::ClaveNodo(Datos), Expandir);
}

std::string NOVUTreeModel::ARB_NodoCaption(const std::vector<double>& Datos) const {
  return vista_.Texto(NOVUTreeKeys::ClaveNodo(Datos));
}

void NOVUTreeModel::SetARB_NodoCaption(const std::vector<double>& Datos, const std::string& Texto) {
  vista_.SetTexto(NOVUTreeKeys::ClaveNodo(Datos), Texto);
}

int32_t NOVUTreeModel::ARB_NodoImage(const std::vector<double>& Datos) const {
  const std::string imagen = vista_.Imagen(NOVUTreeKeys::ClaveNodo(Datos));
  const auto& tabla = Imagenes();
  const auto it = std::find(tabla.begin(), tabla.end(), imagen);
  return it == tabla.end() ? 0 : static_cast<int32_t>(it - tabla.begin());
}

void NOVUTreeModel::SetARB_NodoImage(const std::vector<double>& Datos, int32_t Imagen) {
  vista_.SetImagen(NOVUTreeKeys::ClaveNodo(Datos), NOVUTreeModel::Imagen(Imagen));
}

void NOVUTreeModel::ARB_RefrescarNodo(const std::vector<double>& Datos) {
  ARB_ClavesArbol = Datos;
  ReconstruirValores();
  Variant codigo = Datos.empty() ? 0.0 : Datos[0];
  const Variant marcado = Container().EsCheck(codigo, ValoresCampo_);
  SetARB_NodoImage(Datos, !marcado.IsNull() && marcado.ToBool() ? 2 : 3);
}

void NOVUTreeModel::ARB_Recargar_Rama(int32_t Nodo, int32_t padre) {
  PathRestorer(NombresCampo_, ValoresCampo_, ClavePadre_).Hacer([&] {
    vista_.QuitarNodo("A" + NOVUTreeKeys::Codigo(Nodo));
    ValoresCampo_.clear();
    ClavePadre_ = "A" + NOVUTreeKeys::Codigo(padre);
    const TreeItem t = Descripcion(Nodo);
    dao::Recordset ninguno;
    AgregarNodoArbol(t, ninguno);
    ClavePadre_ = "A" + NOVUTreeKeys::Codigo(Nodo);
    CargarHijos(Nodo);
  });
}

void NOVUTreeModel::NodeClick(const std::string& clave) {
  ARB_ClavesArbol = NOVUTreeKeys::ClavesDesdeKey(clave);
}

void NOVUTreeModel::MouseDown(int boton, double x, double y) {
  PorTeclado_ = false;
  MouseX_ = x;
  MouseY_ = y;
  BotonDerecho_ = boton == kBotonDerecho;
}

bool NOVUTreeModel::KeyPress(int caracter) {
  if (caracter != kEnter) return false;
  PorTeclado_ = true;
  return DblClick();
}

bool NOVUTreeModel::DblClick() {
  const std::string seleccionado = vista_.Seleccionado();
  if (seleccionado.empty()) return false;
  const bool confirmado =
      PorTeclado_ || (!BotonDerecho_ && vista_.NodoEn(MouseX_, MouseY_) == seleccionado);
  if (!confirmado) return false;
  ARB_ClavesArbol = NOVUTreeKeys::ClavesDesdeKey(seleccionado);
  return true;
}
