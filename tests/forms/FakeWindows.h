// Fake widgets for the standard windows' logic: each view writes what it
// is told into one shared log, and a modal show runs the operator's
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
    ++moves;
  }
  int left = -1, top = -1, moves = 0;

 private:
  int width_, height_;
  bool mdi_;
};

using Log = std::vector<std::string>;

class FakeFrmXAcercaDeView : public FrmXAcercaDeView {
 public:
  explicit FakeFrmXAcercaDeView(Log& log) : log_(log) {}
  FormWindow& Ventana() override { return window; }
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
  void Cerrar() override { log_.push_back("Unload"); }
  FakeFormWindow window{6000, 3600};

 private:
  Log& log_;
};

// A modal window: its show logs, keeps where the window stood in `shown`
// (the view dies with its window's logic) and runs what the operator, or
// the window itself, does while it is open.
template <typename View>
class FakeModalView : public View {
 public:
  FakeModalView(Log& log, FakeFormWindow& shown, FakeFormWindow size)
      : window(size), log_(log), shown_(shown) {}
  FormWindow& Ventana() override { return window; }
  void MostrarModal() override {
    log_.push_back("Show vbModal");
    shown_ = window;
    if (whileShown) whileShown();
  }
  void Cerrar() override { log_.push_back("Unload"); }
  FakeFormWindow window;
  std::function<void()> whileShown;

 protected:
  Log& log_;

 private:
  FakeFormWindow& shown_;
};

class FakeFrmXInicioMensajeView : public FakeModalView<FrmXInicioMensajeView> {
 public:
  FakeFrmXInicioMensajeView(Log& log, FakeFormWindow& shown)
      : FakeModalView(log, shown, {7800, 3900}) {}
  void Titulo(const std::string& t) override { log_.push_back("lblNombre=" + t); }
  void Mensaje(const std::string& t) override { log_.push_back("lblMensaje=" + t); }
  bool NoMostrarMarcado() const override { return doNotShowTicked; }
  void Puntero(int p) override { log_.push_back("MousePointer=" + std::to_string(p)); }
  void EnviarF1() override { log_.push_back("SendKeys {F1}"); }
  bool AbrirAyuda(const std::string& page) override {
    log_.push_back("ayuda " + page);
    return canOpenHelp;
  }
  bool doNotShowTicked = false;
  bool canOpenHelp = true;
};

class FakeFrmXMensajeView : public FakeModalView<FrmXMensajeView> {
 public:
  FakeFrmXMensajeView(Log& log, FakeFormWindow& shown) : FakeModalView(log, shown, {6000, 2400}) {}
  void Titulo(const std::string& t) override { log_.push_back("Caption=" + t); }
  void Mensaje(const std::string& t) override { log_.push_back("lblMensaje=" + t); }
  bool NoVolverMarcado() const override { return doNotRepeatTicked; }
  bool doNotRepeatTicked = false;
};

class FakeFrmXCerrandoView : public FakeModalView<FrmXCerrandoView> {
 public:
  FakeFrmXCerrandoView(Log& log, FakeFormWindow& shown) : FakeModalView(log, shown, {5400, 1500}) {}
  void Icono(std::shared_ptr<const Picture> i) override {
    log_.push_back(i ? "picIcono" : "picIcono=Nothing");
  }
  void RepintarLabel1() override { log_.push_back("Label1.Refresh"); }
  void Repintar() override { log_.push_back("Refresh"); }
};

// Makes the fake views; `onWelcome` and `onMessage` receive the logic and
// the view of their modal window when it shows.
class FakeWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrmXAcercaDeView> AcercaDe(FrmXAcercaDeModel& model) override {
    ++made;
    auto view = std::make_unique<FakeFrmXAcercaDeView>(log);
    about = view.get();
    aboutModel = &model;
    return view;
  }
  std::unique_ptr<FrmXInicioMensajeView> InicioMensaje(FrmXInicioMensajeModel& model) override {
    ++made;
    auto view = std::make_unique<FakeFrmXInicioMensajeView>(log, shown);
    view->whileShown = [this, &model, v = view.get()] {
      if (onWelcome) onWelcome(model, *v);
    };
    return view;
  }
  std::unique_ptr<FrmXMensajeView> Mensaje(FrmXMensajeModel& model) override {
    ++made;
    auto view = std::make_unique<FakeFrmXMensajeView>(log, shown);
    view->whileShown = [this, &model, v = view.get()] {
      if (onMessage) onMessage(model, *v);
    };
    return view;
  }
  // The notice is activated (twice, as a window may be) and is closed by
  // its logic.
  std::unique_ptr<FrmXCerrandoView> Cerrando(FrmXCerrandoModel& model) override {
    ++made;
    auto view = std::make_unique<FakeFrmXCerrandoView>(log, shown);
    view->whileShown = [&model] {
      model.Form_Activate();
      model.Form_Activate();
    };
    return view;
  }

  Log log;
  int made = 0;
  FakeFrmXAcercaDeView* about = nullptr;
  FrmXAcercaDeModel* aboutModel = nullptr;
  FakeFormWindow shown{0, 0};  // where the last modal window stood
  std::function<void(FrmXInicioMensajeModel&, FakeFrmXInicioMensajeView&)> onWelcome;
  std::function<void(FrmXMensajeModel&, FakeFrmXMensajeView&)> onMessage;
};
