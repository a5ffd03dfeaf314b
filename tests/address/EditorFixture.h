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
    Configure(SampleAddresses::kEmpresa);
  }
  void TearDown() override {
    dom.SetDb(dao::Database());
    AddressFixture::TearDown();
  }

  void Configure(const SampleAddresses::Titular& t) { Configure(dom, t); }
  void Configure(UcnDomModel& c, const SampleAddresses::Titular& t) {
    c.SetDb(db);
    c.SetTabla(SampleAddresses::kTabla);
    c.SetCuit(t.Cuit);
    c.SetCodDJ(t.CodDJ);
    c.SetDueño(t.Dueño);
    c.SetCodReferencia(t.CodReferencia);
    c.SetObjSistema(numbering.get());
    c.SetDescFormulario("Domicilios del titular");
    c.SetProvinciaValorDefecto("3");
    SampleAddresses::ConfigurarCampos(c.Ambito().Campos);
  }
  // Changes one slot of the control's table as the host would, keeping the rest.
  void ChangeSlot(int slot, const std::function<void(CampoDomicilio&)>& change) {
    CampoDomicilio c = dom.Campos().Campo(slot);
    change(c);
    dom.Set_Campo(slot, c.TipoControlDato, c.NombreCampo, c.Longitud, c.Visible, c.Obligatorio,
                  c.SQL, c.Descripcion, c.ValorFijo);
  }
  void Hide(int slot) {
    ChangeSlot(slot, [](CampoDomicilio& c) { c.Visible = false; });
  }
  // Opens the editor as the button does; `user` acts while it shows.
  void Open(std::function<void(FrmDomiciliosModel&)> user) {
    view.user = std::move(user);
    dom.cmd_Click(view);
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> t;
    for (const auto& b : boxes->Boxes()) t.push_back(b.text);
    return t;
  }

  ScopedService<RecordingMessageBox> boxes;
  UcnDomModel dom;
  RecordingFrmDomiciliosView view;
};
