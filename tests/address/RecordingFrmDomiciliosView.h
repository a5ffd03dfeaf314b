// The address editor without widgets, for driving FrmDomiciliosModel and
// the control's opening in tests: it keeps what the window would show and
// logs the calls that change a mode, a focus or the window ("EstadoBarra
// 2", "Enfocar 12"), in order. Like a combo, it selects only a province
// it holds; MostrarModal runs what the test's user does, then returns.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "address/FrmDomiciliosModel.h"
#include "address/FrmDomiciliosView.h"

class RecordingFrmDomiciliosView : public FrmDomiciliosView {
 public:
  void Caption(const std::string& text) override { caption = text; }

  void AgregarColumna(const std::string& title, int width) override {
    columns.emplace_back(title, width);
  }
  void AgregarEntrada(const AddressListEntry& e) override { entries.push_back(e); }
  void ActualizarEntrada(int index, const AddressListEntry& e) override {
    entries.at(static_cast<size_t>(index)) = e;
  }
  void EliminarEntrada(int index) override { entries.erase(entries.begin() + index); }
  void LimpiarLista() override { entries.clear(); }
  void SeleccionarEntrada(int index) override { selected = index; }
  void HabilitarLista(bool value) override { listEnabled = value; }
  void MostrarLista(bool value) override {
    Log(std::string("MostrarLista ") + (value ? "1" : "0"));
  }

  void ConfigurarCampo(int slot, const std::string& label, int length, bool visible) override {
    slotLines[slot] = label + " " + std::to_string(length) + (visible ? "" : " hidden");
  }
  void MostrarTipo(bool) override {}
  void MostrarSinNumero(bool) override {}

  std::string Texto(int slot) const override { return texts[static_cast<size_t>(slot)]; }
  void SetTexto(int slot, const std::string& text) override {
    texts[static_cast<size_t>(slot)] = text;
  }
  bool SinNumero() const override { return noNumber; }
  void SetSinNumero(bool value) override { noNumber = value; }
  bool Fiscal() const override { return fiscal; }
  void SetFiscal(bool value) override { fiscal = value; }

  void LimpiarProvincias() override { provinces.clear(); }
  void AgregarProvincia(const std::string& code, const std::string& description) override {
    provinces.emplace_back(code, description);
  }
  void SeleccionarProvincia(const std::string& code) override {
    province.clear();
    for (const auto& [c, d] : provinces) {
      if (c == code) province = code;
    }
  }
  std::string ProvinciaSeleccionada() const override { return province; }

  void HabilitarDatos(bool value) override { dataEnabled = value; }
  void HabilitarNumero(bool value) override { numberEnabled = value; }
  void HabilitarTipo(bool value) override { typeEnabled = value; }
  void Enfocar(int slot) override {
    Log("Enfocar " + std::to_string(slot));
    focus = slot;
  }

  void EstadoBarra(int state) override {
    Log("EstadoBarra " + std::to_string(state));
    barState = state;
  }
  void ImagenBarra(std::shared_ptr<const Picture>) override {}

  void AltoDatos(int height) override { Log("AltoDatos " + std::to_string(height)); }
  void TopDatos(int top) override { Log("TopDatos " + std::to_string(top)); }
  void AltoVentana(int height) override { Log("AltoVentana " + std::to_string(height)); }
  void AltoBarra(int height) override { Log("AltoBarra " + std::to_string(height)); }
  void Centrar() override { Log("Centrar"); }

  void MostrarModal(FrmDomiciliosModel& model) override {
    Log("MostrarModal");
    if (user) user(model);
  }
  void Cerrar() override {
    Log("Cerrar");
    closed = true;
  }

  // The user types into a slot's box.
  void Type(int slot, const std::string& text) { SetTexto(slot, text); }

  std::vector<std::string> calls;
  std::string caption;
  std::vector<std::pair<std::string, int>> columns;
  std::vector<AddressListEntry> entries;
  int selected = -1;
  bool listEnabled = true;
  std::map<int, std::string> slotLines;  // "label length", " hidden" if so
  std::array<std::string, 22> texts;
  bool noNumber = false;
  bool fiscal = false;
  std::vector<std::pair<std::string, std::string>> provinces;
  std::string province;
  bool dataEnabled = true;
  bool numberEnabled = true;
  bool typeEnabled = true;
  int focus = -1;
  int barState = 0;
  bool closed = false;
  std::function<void(FrmDomiciliosModel&)> user;

 private:
  void Log(const std::string& llamada) { calls.push_back(llamada); }
};
