// Fake widgets for the standard windows' logic: one fake view stands for
// each of the four windows and writes what it is told into one shared log;
// a modal show keeps where the window stood and runs the operator's
// actions that the test scripted, as the window would while it is open.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/FormWindow.h"
#include "forms/FrmXAcercaDeModel.h"
#include "forms/FrmXAcercaDeView.h"
#include "forms/FrmXCerrandoModel.h"
#include "forms/FrmXCerrandoView.h"
#include "forms/FrmXInicioMensajeModel.h"
#include "forms/FrmXInicioMensajeView.h"
#include "forms/FrmXMensajeModel.h"
#include "forms/FrmXMensajeView.h"
#include "forms/WindowFactory.h"

class FakeFormWindow : public FormWindow {
 public:
  FakeFormWindow(int width, int height, bool mdi = false)
      : width_(width), height_(height), mdi_(mdi) {}
  bool MDIChild() const override { return mdi_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int ScreenWidth() const override { return 15360; }
  int ScreenHeight() const override { return 11520; }
  void Move(int x, int y) override {
    left = x;
    top = y;
  }
  int left = -1, top = -1;

 private:
  int width_, height_;
  bool mdi_;
};

using Log = std::vector<std::string>;

// Any standard window: each window's logic sees its own view interface of
// it, and `ticked` answers the check box of whichever window it is.
class FakeView : public FrmXAcercaDeView,
                 public FrmXInicioMensajeView,
                 public FrmXMensajeView,
                 public FrmXCerrandoView {
 public:
  FakeView(Log& log, FakeFormWindow& shown, FakeFormWindow size)
      : window(size), log_(log), shown_(shown) {}
  FormWindow& Ventana() override { return window; }
  void Cerrar() override { log_.push_back("Unload"); }
  // Keeps where the window stood in `shown` (the view dies with its
  // window's logic) and runs what the operator, or the window, does.
  void MostrarModal() override {
    log_.push_back("Show vbModal");
    shown_ = window;
    if (whileShown) whileShown();
  }
  void Release(const std::string& t) override { log_.push_back("lblRelease=" + t); }
  void Version(const std::string& t) override { log_.push_back("lblVersion=" + t); }
  void Beta(const std::string& t) override { log_.push_back("LblBeta=" + t); }
  void Nombre(const std::string& t) override { log_.push_back("LblTitulo1=" + t); }
  void Descripcion(const std::string& t) override { log_.push_back("txtTitulo(1)=" + t); }
  void Dibujo(std::shared_ptr<const Picture> i) override {
    log_.push_back(i ? "Img" : "Img=Nothing");
  }
  void Estado(const std::string& t) override { log_.push_back("lblEstado=" + t); }
  void MostrarAviso(bool v) override { log_.push_back(v ? "aviso" : "sin aviso"); }
  void MostrarCerrar(bool v) override { log_.push_back(v ? "cerrar" : "sin cerrar"); }
  void AlFrente() override { log_.push_back("al frente"); }
  void ProcesarMensajes() override { log_.push_back("DoEvents"); }
  void MostrarSinEsperar() override { log_.push_back("Show"); }
  void Titulo(const std::string& t) override { log_.push_back("Titulo=" + t); }
  void Mensaje(const std::string& t) override { log_.push_back("lblMensaje=" + t); }
  bool NoMostrarMarcado() const override { return ticked; }
  bool NoVolverMarcado() const override { return ticked; }
  void Puntero(int p) override { log_.push_back("MousePointer=" + std::to_string(p)); }
  void EnviarF1() override { log_.push_back("SendKeys {F1}"); }
  bool AbrirAyuda(const std::string& page) override {
    log_.push_back("ayuda " + page);
    return canOpenHelp;
  }
  void Icono(std::shared_ptr<const Picture> i) override {
    log_.push_back(i ? "picIcono" : "picIcono=Nothing");
  }
  void RepintarLabel1() override { log_.push_back("Label1.Refresh"); }
  void Repintar() override { log_.push_back("Refresh"); }

  FakeFormWindow window;
  std::function<void()> whileShown;
  bool ticked = false;
  bool canOpenHelp = true;

 private:
  Log& log_;
  FakeFormWindow& shown_;
};

// Makes the fake views; `onWelcome` and `onMessage` receive the logic and
// the view of their modal window when it shows.
class FakeWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrmXAcercaDeView> AcercaDe(FrmXAcercaDeModel& model) override {
    aboutModel = &model;
    auto view = Make({6000, 3600});
    about = view.get();
    return view;
  }
  std::unique_ptr<FrmXInicioMensajeView> InicioMensaje(FrmXInicioMensajeModel& model) override {
    auto view = Make({7800, 3900});
    view->whileShown = [this, &model, v = view.get()] {
      if (onWelcome) onWelcome(model, *v);
    };
    return view;
  }
  std::unique_ptr<FrmXMensajeView> Mensaje(FrmXMensajeModel& model) override {
    auto view = Make({6000, 2400});
    view->whileShown = [this, &model, v = view.get()] {
      if (onMessage) onMessage(model, *v);
    };
    return view;
  }
  // The notice is activated (twice, as a window may be) and is closed by
  // its logic.
  std::unique_ptr<FrmXCerrandoView> Cerrando(FrmXCerrandoModel& model) override {
    auto view = Make({5400, 1500});
    view->whileShown = [&model] {
      model.Form_Activate();
      model.Form_Activate();
    };
    return view;
  }

  Log log;
  int made = 0;
  FakeView* about = nullptr;
  FrmXAcercaDeModel* aboutModel = nullptr;
  FakeFormWindow shown{0, 0};  // where the last modal window stood
  std::function<void(FrmXInicioMensajeModel&, FakeView&)> onWelcome;
  std::function<void(FrmXMensajeModel&, FakeView&)> onMessage;

 private:
  std::unique_ptr<FakeView> Make(FakeFormWindow size) {
    ++made;
    return std::make_unique<FakeView>(log, shown, size);
  }
};
