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
  FakeFormWindow(int ancho, int alto, bool mdi = false) : ancho_(ancho), alto_(alto), mdi_(mdi) {}
  bool MDIChild() const override { return mdi_; }
  int Width() const override { return ancho_; }
  int Height() const override { return alto_; }
  int ScreenWidth() const override { return 15360; }
  int ScreenHeight() const override { return 11520; }
  void Move(int left, int top) override {
    left_ = left;
    top_ = top;
    ++movido_;
  }
  int left_ = -1, top_ = -1, movido_ = 0;

 private:
  int ancho_, alto_;
  bool mdi_;
};

using Log = std::vector<std::string>;

class FakeAcercaDe : public FrmXAcercaDeView {
 public:
  explicit FakeAcercaDe(Log& log) : log_(log) {}
  FormWindow& Ventana() override { return ventana; }
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
  FakeFormWindow ventana{6000, 3600};

 private:
  Log& log_;
};

class FakeInicioMensaje : public FrmXInicioMensajeView {
 public:
  FakeInicioMensaje(Log& log, FakeFormWindow& mostrada) : log_(log), mostrada_(mostrada) {}
  FormWindow& Ventana() override { return ventana; }
  void Titulo(const std::string& t) override { log_.push_back("lblNombre=" + t); }
  void Mensaje(const std::string& t) override { log_.push_back("lblMensaje=" + t); }
  bool NoMostrarMarcado() const override { return noMostrar; }
  void Puntero(int p) override { log_.push_back("MousePointer=" + std::to_string(p)); }
  void EnviarF1() override { log_.push_back("SendKeys {F1}"); }
  bool AbrirAyuda(const std::string& pagina) override {
    log_.push_back("ayuda " + pagina);
    return abrirPuede;
  }
  void MostrarModal() override {
    log_.push_back("Show vbModal");
    mostrada_ = ventana;
    if (operador) operador();
  }
  void Cerrar() override { log_.push_back("Unload"); }
  FakeFormWindow ventana{7800, 3900};
  std::function<void()> operador;  // the operator's actions while shown
  bool noMostrar = false;
  bool abrirPuede = true;

 private:
  Log& log_;
  FakeFormWindow& mostrada_;
};

class FakeMensaje : public FrmXMensajeView {
 public:
  FakeMensaje(Log& log, FakeFormWindow& mostrada) : log_(log), mostrada_(mostrada) {}
  FormWindow& Ventana() override { return ventana; }
  void Titulo(const std::string& t) override { log_.push_back("Caption=" + t); }
  void Mensaje(const std::string& t) override { log_.push_back("lblMensaje=" + t); }
  bool NoVolverMarcado() const override { return noVolver; }
  void MostrarModal() override {
    log_.push_back("Show vbModal");
    mostrada_ = ventana;
    if (operador) operador();
  }
  void Cerrar() override { log_.push_back("Unload"); }
  FakeFormWindow ventana{6000, 2400};
  std::function<void()> operador;  // the operator's actions while shown
  bool noVolver = false;

 private:
  Log& log_;
  FakeFormWindow& mostrada_;
};

class FakeCerrando : public FrmXCerrandoView {
 public:
  FakeCerrando(Log& log, FakeFormWindow& mostrada, FrmXCerrandoModel& modelo)
      : log_(log), mostrada_(mostrada), modelo_(modelo) {}
  FormWindow& Ventana() override { return ventana; }
  void Icono(std::shared_ptr<const Picture> i) override {
    log_.push_back(i ? "picIcono" : "picIcono=Nothing");
  }
  void RepintarLabel1() override { log_.push_back("Label1.Refresh"); }
  void Repintar() override { log_.push_back("Refresh"); }
  // The window comes on screen, is activated (twice, as a window may be)
  // and is closed by its logic.
  void MostrarModal() override {
    log_.push_back("Show vbModal");
    mostrada_ = ventana;
    modelo_.Form_Activate();
    modelo_.Form_Activate();
  }
  void Cerrar() override { log_.push_back("Unload"); }
  FakeFormWindow ventana{5400, 1500};

 private:
  Log& log_;
  FakeFormWindow& mostrada_;
  FrmXCerrandoModel& modelo_;
};

// Makes the fake views; `operador` receives the logic and the view of
// each modal window when it shows.
class FakeWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrmXAcercaDeView> AcercaDe(FrmXAcercaDeModel& modelo) override {
    ++hechas;
    auto vista = std::make_unique<FakeAcercaDe>(log);
    acercaDe = vista.get();
    acercaDeModelo = &modelo;
    return vista;
  }
  std::unique_ptr<FrmXInicioMensajeView> InicioMensaje(FrmXInicioMensajeModel& modelo) override {
    ++hechas;
    auto vista = std::make_unique<FakeInicioMensaje>(log, mostrada);
    vista->operador = [this, &modelo, v = vista.get()] {
      if (alInicio) alInicio(modelo, *v);
    };
    return vista;
  }
  std::unique_ptr<FrmXMensajeView> Mensaje(FrmXMensajeModel& modelo) override {
    ++hechas;
    auto vista = std::make_unique<FakeMensaje>(log, mostrada);
    vista->operador = [this, &modelo, v = vista.get()] {
      if (alMensaje) alMensaje(modelo, *v);
    };
    return vista;
  }
  std::unique_ptr<FrmXCerrandoView> Cerrando(FrmXCerrandoModel& modelo) override {
    ++hechas;
    return std::make_unique<FakeCerrando>(log, mostrada, modelo);
  }

  Log log;
  int hechas = 0;
  FakeAcercaDe* acercaDe = nullptr;
  FrmXAcercaDeModel* acercaDeModelo = nullptr;
  // The views of modal windows die with their window's logic, when the
  // call that showed them returns; where the last of them stood is kept.
  FakeFormWindow mostrada{0, 0};
  std::function<void(FrmXInicioMensajeModel&, FakeInicioMensaje&)> alInicio;
  std::function<void(FrmXMensajeModel&, FakeMensaje&)> alMensaje;
};
