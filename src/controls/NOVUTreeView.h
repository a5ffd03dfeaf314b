/*
** NOVUTreeView: the tree view operations the lazy tree's rules rely on,
** by node key. NOVUTree implements them on a Qt tree; tests may use any
** other.
**
** A key that no node has is AppError 35601; adding a node whose key
** another node has is 35602, and so is adding it under a parent key that
** no node has (35601). Removing a node removes its subtree.
** Positions are in twips, relative to the tree's node area.
*/
#pragma once

#include <string>

class NOVUTreeView {
 public:
  // Under `clavePadre` when `comoHijo`, else at the top level.
  virtual void AgregarNodo(bool comoHijo, const std::string& clavePadre, const std::string& clave,
                           const std::string& texto, const std::string& imagen) = 0;
  virtual void QuitarNodo(const std::string& clave) = 0;
  virtual void QuitarTodos() = 0;
  virtual int CantHijos(const std::string& clave) const = 0;
  // The key of the first child; "" when there is none.
  virtual std::string PrimerHijo(const std::string& clave) const = 0;
  virtual std::string Texto(const std::string& clave) const = 0;
  virtual void SetTexto(const std::string& clave, const std::string& texto) = 0;
  virtual std::string Imagen(const std::string& clave) const = 0;
  virtual void SetImagen(const std::string& clave, const std::string& imagen) = 0;
  virtual void SetImagenExpandida(const std::string& clave, const std::string& imagen) = 0;
  // Expanding may load the node's children (the view reports it back).
  virtual void SetExpandido(const std::string& clave, bool expandido) = 0;
  // The selected node's key; "" when none is.
  virtual std::string Seleccionado() const = 0;
  // The key of the node at (x, y); "" when there is none.
  virtual std::string NodoEn(double x, double y) const = 0;

 protected:
  ~NOVUTreeView() = default;
};
