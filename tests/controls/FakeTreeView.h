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

  void AgregarNodo(bool asChild, const std::string& parentKey, const std::string& key,
                   const std::string& text, const std::string& image) override {
    if (nodes.count(key) > 0) ccerr::DuplicateKey(key);
    const Node node{asChild ? parentKey : "", text, Checked(image), "", false, {}};
    (asChild ? Find(parentKey).children : roots).push_back(key);
    nodes[key] = node;
  }
  void QuitarNodo(const std::string& key) override {
    const Node node = Find(key);
    auto& siblings = node.parent.empty() ? roots : nodes[node.parent].children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), key));
    Forget(key);
  }
  void QuitarTodos() override {
    nodes.clear();
    roots.clear();
    selected.clear();
  }
  int CantHijos(const std::string& key) const override {
    return static_cast<int>(Find(key).children.size());
  }
  std::string PrimerHijo(const std::string& key) const override {
    const Node& node = Find(key);
    return node.children.empty() ? std::string() : node.children.front();
  }
  std::string Texto(const std::string& key) const override { return Find(key).text; }
  void SetTexto(const std::string& key, const std::string& text) override { Find(key).text = text; }
  std::string Imagen(const std::string& key) const override { return Find(key).image; }
  void SetImagen(const std::string& key, const std::string& image) override {
    Node& node = Find(key);
    node.image = Checked(image);
  }
  void SetImagenExpandida(const std::string& key, const std::string& image) override {
    Node& node = Find(key);
    node.expandedImage = Checked(image);
  }
  void SetExpandido(const std::string& key, bool expand) override {
    Node& node = Find(key);
    const bool opens = expand && !node.expanded;
    node.expanded = expand;
    if (opens) model->Expand(key);
  }
  std::string Seleccionado() const override { return selected; }
  std::string NodoEn(double, double) const override { return underPointer; }

  // The keys under `key` ("" for the top level), each with its text.
  std::vector<std::string> Children(const std::string& key) const {
    std::vector<std::string> shown;
    for (const std::string& k : key.empty() ? roots : Find(key).children) {
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
  Node& Find(const std::string& key) { return const_cast<Node&>(std::as_const(*this).Find(key)); }
  const Node& Find(const std::string& key) const {
    auto it = nodes.find(key);
    if (it == nodes.end()) ccerr::NotFound(key);
    return it->second;
  }
  static const std::string& Checked(const std::string& image) {
    const auto& images = NOVUTreeModel::Imagenes();
    if (std::find(images.begin(), images.end(), image) == images.end()) ccerr::NotFound(image);
    return image;
  }
  void Forget(const std::string& key) {
    for (const std::string& child : nodes[key].children) Forget(child);
    if (selected == key) selected.clear();
    nodes.erase(key);
  }
};
