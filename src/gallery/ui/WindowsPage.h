/*
** WindowsPage: the standard windows, each behind a button: the about
** window, the same window as a start-up splash that reports progress and
** closes by itself, the welcome window (its help is the gallery's page),
** the one-time message (its answer kept in the gallery's own database,
** asked for only when the message is: making it is not the page's to pay
** at start-up) and the closing notice; with what the last window answered.
*/
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dao/Database.h"
#include "gallery/ui/GalleryPage.h"

class QLabel;
class QPushButton;
class QtWindowFactory;
class a_c_graph;

class WindowsPage : public GalleryPage {
  Q_OBJECT

 public:
  WindowsPage(std::function<dao::Database&()> propia, const std::string& carpetaAyuda,
              QWidget* parent = nullptr);
  ~WindowsPage() override;

  a_c_graph& Graph() { return *graph_; }
  QLabel* Respuesta() const { return respuesta_; }

 private:
  QPushButton* Boton(const char* texto, const char* explicacion, int fila);
  void Splash();

  std::unique_ptr<QtWindowFactory> fabrica_;
  std::unique_ptr<a_c_graph> graph_;
  std::function<dao::Database&()> propia_;
  QLabel* respuesta_ = nullptr;
};
