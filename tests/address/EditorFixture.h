// The address control on the sample data, configured as the host does for
// one owner, with a recording editor window and message boxes answered
// ahead of time: opening the editor runs the test's user while it shows.
#pragma once

#include <functional>
#include <memory>

#include "address/AddressFixture.h"
#include "address/RecordingFrmDomiciliosView.h"
#include "address/UcnDomModel.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"

class EditorFixture : public AddressFixture {
 protected:
  void SetUp() override {
    AddressFixture::SetUp();
    Configurar(SampleAddresses::kEmpresa);
  }
  void TearDown() override {
    dom.SetDb(dao::Database());
    AddressFixture::TearDown();
  }

  void Configurar(const SampleAddresses::Titular& t) { Configurar(dom, t); }
  void Configurar(UcnDomModel& c, const SampleAddresses::Titular& t) {
    c.SetDb(db);
    c.SetTabla(SampleAddresses::kTabla);
    c.SetCuit(t.Cuit);
    c.SetCodDJ(t.CodDJ);
    c.SetDueño(t.Dueño);
    c.SetCodReferencia(t.CodReferencia);
    c.SetObjSistema(sistema.get());
    c.SetDescFormulario("Domicilios del titular");
    c.SetProvinciaValorDefecto("3");
    SampleAddresses::ConfigurarCampos(c.Ambito().Campos);
  }
  void Ocultar(int slot) {
    CampoDomicilio c = dom.Campos().Campo(slot);
    dom.Set_Campo(slot, c.TipoControlDato, c.NombreCampo, c.Longitud, false, c.Obligatorio, c.SQL,
                  c.Descripcion, c.ValorFijo);
  }
  // Opens the editor as the button does; `usuario` acts while it shows.
  void Abrir(std::function<void(FrmDomiciliosModel&)> usuario) {
    vista.usuario = std::move(usuario);
    dom.cmd_Click(vista);
  }
  std::vector<std::string> Textos() const {
    std::vector<std::string> t;
    for (const auto& b : boxes->Boxes()) t.push_back(b.text);
    return t;
  }

  ScopedService<RecordingMessageBox> boxes;
  UcnDomModel dom;
  RecordingFrmDomiciliosView vista;
};
