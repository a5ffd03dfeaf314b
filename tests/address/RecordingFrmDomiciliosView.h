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
  void Caption(const std::string& texto) override { caption = texto; }

  void AgregarColumna(const std::string& titulo, int ancho) override {
    columnas.emplace_back(titulo, ancho);
  }
  void AgregarEntrada(const AddressListEntry& e) override { lista.push_back(e); }
  void ActualizarEntrada(int posicion, const AddressListEntry& e) override {
    lista.at(static_cast<size_t>(posicion)) = e;
  }
  void EliminarEntrada(int posicion) override { lista.erase(lista.begin() + posicion); }
  void LimpiarLista() override { lista.clear(); }
  void SeleccionarEntrada(int posicion) override { seleccion = posicion; }
  void HabilitarLista(bool valor) override { listaHabilitada = valor; }
  void MostrarLista(bool valor) override {
    Log(std::string("MostrarLista ") + (valor ? "1" : "0"));
  }

  void ConfigurarCampo(int slot, const std::string& etiqueta, int longitud, bool visible) override {
    etiquetas[slot] = etiqueta;
    longitudes[slot] = longitud;
    visibles[slot] = visible;
  }
  void MostrarTipo(bool) override {}
  void MostrarSinNumero(bool) override {}

  std::string Texto(int slot) const override { return textos[static_cast<size_t>(slot)]; }
  void SetTexto(int slot, const std::string& texto) override {
    textos[static_cast<size_t>(slot)] = texto;
  }
  bool SinNumero() const override { return sinNumero; }
  void SetSinNumero(bool valor) override { sinNumero = valor; }
  bool Fiscal() const override { return fiscal; }
  void SetFiscal(bool valor) override { fiscal = valor; }

  void LimpiarProvincias() override { provincias.clear(); }
  void AgregarProvincia(const std::string& codigo, const std::string& descripcion) override {
    provincias.emplace_back(codigo, descripcion);
  }
  void SeleccionarProvincia(const std::string& codigo) override {
    provincia.clear();
    for (const auto& [c, d] : provincias) {
      if (c == codigo) provincia = codigo;
    }
  }
  std::string ProvinciaSeleccionada() const override { return provincia; }

  void HabilitarDatos(bool valor) override { datosHabilitados = valor; }
  void HabilitarNumero(bool valor) override { numeroHabilitado = valor; }
  void HabilitarTipo(bool valor) override { tipoHabilitado = valor; }
  void Enfocar(int slot) override {
    Log("Enfocar " + std::to_string(slot));
    foco = slot;
  }

  void EstadoBarra(int estado) override {
    Log("EstadoBarra " + std::to_string(estado));
    estadoBarra = estado;
  }
  void ImagenBarra(std::shared_ptr<const Picture>) override {}

  void AltoDatos(int alto) override { Log("AltoDatos " + std::to_string(alto)); }
  void TopDatos(int top) override { Log("TopDatos " + std::to_string(top)); }
  void AltoVentana(int alto) override { Log("AltoVentana " + std::to_string(alto)); }
  void AltoBarra(int alto) override { Log("AltoBarra " + std::to_string(alto)); }
  void Centrar() override { Log("Centrar"); }

  void MostrarModal(FrmDomiciliosModel& modelo) override {
    Log("MostrarModal");
    if (user) user(modelo);
  }
  void Cerrar() override {
    Log("Cerrar");
    cerrada = true;
  }

  // The user types into a slot's box.
  void Type(int slot, const std::string& texto) { SetTexto(slot, texto); }

  std::vector<std::string> llamadas;
  std::string caption;
  std::vector<std::pair<std::string, int>> columnas;
  std::vector<AddressListEntry> lista;
  int seleccion = -1;
  bool listaHabilitada = true;
  std::map<int, std::string> etiquetas;
  std::map<int, int> longitudes;
  std::map<int, bool> visibles;
  std::array<std::string, 22> textos;
  bool sinNumero = false;
  bool fiscal = false;
  std::vector<std::pair<std::string, std::string>> provincias;
  std::string provincia;
  bool datosHabilitados = true;
  bool numeroHabilitado = true;
  bool tipoHabilitado = true;
  int foco = -1;
  int estadoBarra = 0;
  bool cerrada = false;
  std::function<void(FrmDomiciliosModel&)> user;

 private:
  void Log(const std::string& llamada) { llamadas.push_back(llamada); }
};
