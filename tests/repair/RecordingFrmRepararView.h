// The main window without widgets, for driving FrmRepararModel in tests:
// it keeps what the window would show and writes every call it gets, in
// order, as one line ("MostrarInstalacion /x/VORA12"), so that a test can
// check both what is shown and the order in which it was shown.
//
// Later forms' fake views follow the same shape: one member per thing
// shown, one logged line per call, no behaviour beyond what a widget does
// by itself (here: the list selects only a code it holds).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "RecordedLines.h"
#include "repair/FrmRepararView.h"

class RecordingFrmRepararView : public FrmRepararView {
 public:
  void AgregarVersion(const std::string& Codigo, const std::string& Texto) override {
    Log("AgregarVersion " + Codigo + " " + Texto);
    versiones.emplace_back(Codigo, Texto);
  }
  void SeleccionarVersion(const std::string& Codigo) override {
    Log("SeleccionarVersion " + Codigo);
    for (const auto& [codigo, texto] : versiones) {
      if (codigo == Codigo) seleccionada = Codigo;
    }
  }
  std::string VersionSeleccionada() const override { return seleccionada; }
  void MostrarInstalacion(const std::string& texto) override {
    Log("MostrarInstalacion " + texto);
    instalacion = texto;
  }
  void TooltipMigrar(const std::string& texto) override {
    Log("TooltipMigrar " + texto);
    tooltipMigrar = texto;
  }
  void HabilitarMigrar(bool habilitado) override {
    Log(std::string("HabilitarMigrar ") + (habilitado ? "1" : "0"));
    migrarHabilitado = habilitado;
  }
  void EnfocarMigrar() override { Log("EnfocarMigrar"); }
  void MostrarOcupado(bool valor) override {
    Log(std::string("MostrarOcupado ") + (valor ? "1" : "0"));
    ocupado = valor;
  }
  ResultSink& LineasResultado() override { return lineas; }
  void Terminar() override {
    Log("Terminar");
    terminado = true;
  }

  std::vector<std::string> llamadas;
  std::vector<std::pair<std::string, std::string>> versiones;
  std::string seleccionada;
  std::string instalacion;
  std::string tooltipMigrar;
  bool migrarHabilitado = true;
  bool ocupado = false;
  bool terminado = false;
  RecordedLines lineas;

 private:
  void Log(const std::string& llamada) { llamadas.push_back(llamada); }
};
