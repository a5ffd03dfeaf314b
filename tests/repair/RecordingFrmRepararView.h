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
    versions.emplace_back(Codigo, Texto);
  }
  void SeleccionarVersion(const std::string& Codigo) override {
    Log("SeleccionarVersion " + Codigo);
    for (const auto& [code, text] : versions) {
      if (code == Codigo) selected = Codigo;
    }
  }
  std::string VersionSeleccionada() const override { return selected; }
  void MostrarInstalacion(const std::string& text) override { Log("MostrarInstalacion " + text); }
  void TooltipMigrar(const std::string& text) override { Log("TooltipMigrar " + text); }
  void HabilitarMigrar(bool enabled) override {
    Log(std::string("HabilitarMigrar ") + (enabled ? "1" : "0"));
    migrateEnabled = enabled;
  }
  void EnfocarMigrar() override { Log("EnfocarMigrar"); }
  void MostrarOcupado(bool value) override {
    Log(std::string("MostrarOcupado ") + (value ? "1" : "0"));
    busy = value;
  }
  ResultSink& LineasResultado() override { return lines; }
  void Terminar() override { Log("Terminar"); }

  std::vector<std::string> calls;
  std::vector<std::pair<std::string, std::string>> versions;
  std::string selected;
  bool migrateEnabled = true;
  bool busy = false;
  RecordedLines lines;

 private:
  void Log(const std::string& call) { calls.push_back(call); }
};
