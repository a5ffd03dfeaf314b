/*
** NOVUTree: a tree of nodes that its form describes rather than adds,
** loaded from fixed descriptions and database queries, optionally a level
** at a time as the operator expands it.
**
** The rules live in NOVUTreeModel (see there, and TreeItem.h and
** NOVUTreeContainer.h), geometry included; this widget is the tree view they run on (Arbol, a Qt
** tree with 16 x 16 images of our own, keyed by node key) and turns the
** operator's input into the model's events:
**   - expanding a node (mouse, keyboard or ARB_Expandir) loads a delayed
**     level; a folder shows "abierto" while expanded and "cerrado" else;
**   - a click on a node sets ARB_ClavesArbol to its codes;
**   - a double click on the selected node, with the left button and on
**     that node, or Enter, confirms it: ARB_ClavesArbol holds its codes and
**     ArbolSeleccion is raised.
** The engine and the form's answers can fail while a node is expanded. When a call
** (ARB_Expandir) expanded it, the error reaches that call's caller. When
** the operator did, the error cannot unwind through Qt's event loop, so
** the tree hands it to the form as the signal Error(number, description),
** and writes it to Qt's warning log when no form listens.
**
** A typical form:
**
**   arbol->Clear();
**   arbol->ARB_AgregarNodo(0, 1, 0, "Empresas");
**   arbol->ARB_AgregarNodoIterador(1, 7, db, "SELECT * FROM Empresas", "IdEmpresa",
**                                  false, true, 4);
**   arbol->ARB_AgregarNodoIterador(7, 8, db,
**       "SELECT * FROM Empleados WHERE IdEmpresa = %IdEmpresa%", "IdEmpleado",
**       false, false, 6);
**   arbol->ObjArbol = &respuestas;     // a NOVUTreeContainer of the form
**   arbol->ARB_CargarArbol();
**
** The tree stores no settings.
*/
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "controls/NOVUTreeModel.h"
#include "controls/NOVUTreeView.h"
#include "controls/ui/TwipsControl.h"

class QTreeWidget;
class QTreeWidgetItem;

class NOVUTree : public TwipsControl, private NOVUTreeView {
  Q_OBJECT

 public:
  explicit NOVUTree(QWidget* parent = nullptr);
  ~NOVUTree() override;

  NOVUTreeModel& Modelo() { return modelo_; }
  const NOVUTreeModel& Modelo() const { return modelo_; }

  // The members of the model, as the form uses them.
  void Clear() { modelo_.Clear(); }
  void ARB_AgregarNodo(int32_t padre, int32_t Codigo, int32_t TipoNodo, const std::string& Caption,
                       int32_t Imagen = 0) {
    modelo_.ARB_AgregarNodo(padre, Codigo, TipoNodo, Caption, Imagen);
  }
  void ARB_AgregarNodoIterador(int32_t padre, int32_t Codigo, const dao::Database& Db,
                               const std::string& SQL, const std::string& ClaveCampo,
                               bool HojasDistintas, bool CargaRetrasada, int32_t Imagen) {
    modelo_.ARB_AgregarNodoIterador(padre, Codigo, Db, SQL, ClaveCampo, HojasDistintas,
                                    CargaRetrasada, Imagen);
  }
  void ARB_CargarArbol() { modelo_.ARB_CargarArbol(); }
  void ARB_Expandir(bool Expandir, const std::vector<double>& Datos) {
    modelo_.ARB_Expandir(Expandir, Datos);
  }
  std::string ARB_NodoCaption(const std::vector<double>& Datos) const {
    return modelo_.ARB_NodoCaption(Datos);
  }
  void SetARB_NodoCaption(const std::vector<double>& Datos, const std::string& Texto) {
    modelo_.SetARB_NodoCaption(Datos, Texto);
  }
  int32_t ARB_NodoImage(const std::vector<double>& Datos) const {
    return modelo_.ARB_NodoImage(Datos);
  }
  void SetARB_NodoImage(const std::vector<double>& Datos, int32_t Imagen) {
    modelo_.SetARB_NodoImage(Datos, Imagen);
  }
  void ARB_RefrescarNodo(const std::vector<double>& Datos) { modelo_.ARB_RefrescarNodo(Datos); }
  void ARB_Recargar_Rama(int32_t Nodo, int32_t padre) { modelo_.ARB_Recargar_Rama(Nodo, padre); }

  bool Enabled() const;
  void SetEnabled(bool H);

  QTreeWidget* Arbol() const { return arbol_; }
  // The node of a key, or null; for forms and tests that look at it.
  QTreeWidgetItem* Nodo(const std::string& clave) const;

 signals:
  void ArbolSeleccion();
  void Error(int Numero, const QString& Descripcion);

 protected:
  void OnResize() override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void AgregarNodo(bool comoHijo, const std::string& clavePadre, const std::string& clave,
                   const std::string& texto, const std::string& imagen) override;
  void QuitarNodo(const std::string& clave) override;
  void QuitarTodos() override;
  int CantHijos(const std::string& clave) const override;
  std::string PrimerHijo(const std::string& clave) const override;
  std::string Texto(const std::string& clave) const override;
  void SetTexto(const std::string& clave, const std::string& texto) override;
  std::string Imagen(const std::string& clave) const override;
  void SetImagen(const std::string& clave, const std::string& imagen) override;
  void SetImagenExpandida(const std::string& clave, const std::string& imagen) override;
  void SetExpandido(const std::string& clave, bool expandido) override;
  std::string Seleccionado() const override;
  std::string NodoEn(double x, double y) const override;

  QTreeWidgetItem* Buscar(const std::string& clave) const;
  void MostrarImagen(QTreeWidgetItem* nodo);
  void Olvidar(QTreeWidgetItem* nodo);
  // Runs a model event; an error is the form's, as the platform would
  // have shown it.
  template <typename F>
  void Atender(F&& f);

  QTreeWidget* arbol_ = nullptr;
  std::map<std::string, QIcon> imgTree_;
  QHash<QString, QTreeWidgetItem*> nodos_;
  // Set while a call expands a node: where its error waits for the call.
  std::exception_ptr* errorDeLlamada_ = nullptr;
  NOVUTreeModel modelo_;

 public:
  // The model's public fields, under the names the form knows them by
  // (declared after the model, which they refer to).
  int32_t& IdInstancia = modelo_.IdInstancia;
  NOVUTreeContainer*& ObjArbol = modelo_.ObjArbol;
  std::vector<double>& ARB_ClavesArbol = modelo_.ARB_ClavesArbol;
};
