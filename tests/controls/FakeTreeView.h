// A tree view without widgets for the lazy tree's rules: nodes by key, as
// NOVUTreeView promises them, with the errors of the call. Expanding a
// node reports it to the model, as a tree view's expand event does; what
// the model then raises reaches the caller. The node under the pointer is
// whatever the test says it is.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controls/CommonControlErrors.h"
#include "controls/NOVUTreeModel.h"
#include "controls/NOVUTreeView.h"

class FakeTreeView : public NOVUTreeView {
 public:
  struct Node {
    std::string parent;  // "" at the top level
    std::string text;
    std::string image;
    std::string expandedImage;
    bool expanded = false;
    std::vector<std::string> children;
  };

  void AgregarNodo(bool comoHijo, const std::string& clavePadre, const std::string& clave,
                   const std::string& texto, const std::string& imagen) override {
    if (nodes.count(clave) > 0) ccerr::DuplicateKey(clave);
    CheckImage(imagen);
    if (comoHijo) {
      Find(clavePadre).children.push_back(clave);
    } else {
      roots.push_back(clave);
    }
    nodes[clave] = Node{comoHijo ? clavePadre : "", texto, imagen, "", false, {}};
  }
  void QuitarNodo(const std::string& clave) override {
    const Node node = Find(clave);
    auto& siblings = node.parent.empty() ? roots : nodes[node.parent].children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), clave));
    Forget(clave);
  }
  void QuitarTodos() override {
    nodes.clear();
    roots.clear();
    selected.clear();
  }
  int CantHijos(const std::string& clave) const override {
    return static_cast<int>(Find(clave).children.size());
  }
  std::string PrimerHijo(const std::string& clave) const override {
    const Node& node = Find(clave);
    return node.children.empty() ? std::string() : node.children.front();
  }
  std::string Texto(const std::string& clave) const override { return Find(clave).text; }
  void SetTexto(const std::string& clave, const std::string& texto) override {
    Find(clave).text = texto;
  }
  std::string Imagen(const std::string& clave) const override { return Find(clave).image; }
  void SetImagen(const std::string& clave, const std::string& imagen) override {
    Node& node = Find(clave);
    CheckImage(imagen);
    node.image = imagen;
  }
  void SetImagenExpandida(const std::string& clave, const std::string& imagen) override {
    Node& node = Find(clave);
    CheckImage(imagen);
    node.expandedImage = imagen;
  }
  void SetExpandido(const std::string& clave, bool expandido) override {
    Node& node = Find(clave);
    const bool opens = expandido && !node.expanded;
    node.expanded = expandido;
    if (opens) model->Expand(clave);
  }
  std::string Seleccionado() const override { return selected; }
  std::string NodoEn(double, double) const override { return underPointer; }

  // The keys under `clave` ("" for the top level), each with its text.
  std::vector<std::string> Children(const std::string& clave) const {
    std::vector<std::string> shown;
    for (const std::string& k : clave.empty() ? roots : Find(clave).children) {
      shown.push_back(k + " " + Find(k).text);
    }
    return shown;
  }

  NOVUTreeModel* model = nullptr;
  std::map<std::string, Node> nodes;
  std::vector<std::string> roots;
  std::string selected;
  std::string underPointer;

 private:
  Node& Find(const std::string& clave) {
    return const_cast<Node&>(std::as_const(*this).Find(clave));
  }
  const Node& Find(const std::string& clave) const {
    auto it = nodes.find(clave);
    if (it == nodes.end()) ccerr::NotFound(clave);
    return it->second;
  }
  static void CheckImage(const std::string& imagen) {
    const auto& images = NOVUTreeModel::Imagenes();
    if (std::find(images.begin(), images.end(), imagen) == images.end()) ccerr::NotFound(imagen);
  }
  void Forget(const std::string& clave) {
    for (const std::string& child : nodes[clave].children) Forget(child);
    if (selected == clave) selected.clear();
    nodes.erase(clave);
  }
};
