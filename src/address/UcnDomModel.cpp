/*
** The address control's logic. See UcnDomModel.h.
*/
#include "address/UcnDomModel.h"

#include <exception>

#include "address/AddressRecords.h"
#include "address/AddressStatements.h"
#include "address/FrmDomiciliosModel.h"
#include "platform/MessageBoxService.h"

void UcnDomModel::Set_Campo(int Opcion, int32_t TipoControlDato, const std::string& NombreCampo,
                            int32_t Longitud, bool Visible, bool Obligatorio,
                            const std::string& SQL, const std::string& Descripcion,
                            const std::string& ValorFijo) {
  a_.Campos.Set_Campo(Opcion, TipoControlDato, NombreCampo, Longitud, Visible, Obligatorio, SQL,
                      Descripcion, ValorFijo);
}

void UcnDomModel::Get_Campo(int Opcion, int32_t& TipoControlDato, std::string& NombreCampo,
                            int32_t& Longitud, bool& Visible, bool& Obligatorio, std::string& SQL,
                            std::string& Descripcion, std::string& ValorFijo) const {
  a_.Campos.Get_Campo(Opcion, TipoControlDato, NombreCampo, Longitud, Visible, Obligatorio, SQL,
                      Descripcion, ValorFijo);
}

std::string UcnDomModel::DarDomicilios() {
  return AddressRecords(a_).DarDomicilios();
}

void UcnDomModel::Refrescar() {
  MostrarResumen(DarDomicilios());
}

void UcnDomModel::MostrarResumen(const std::string& texto) {
  txt_ = texto;
  if (alCambiarResumen) alCambiarResumen(txt_);
}

std::string UcnDomModel::DarCodTemporal() const {
  return std::to_string(AddressStatements::CodigoCopia(a_.Dueño));
}

void UcnDomModel::cmd_Click(FrmDomiciliosView& ventana) {
  if (AntesDeAbrir) AntesDeAbrir();
  const std::string antes = txt_;
  try {
    FrmDomiciliosModel frm(ventana, *this);
    for (int slot : campo::kDeTexto) {
      const CampoDomicilio& c = a_.Campos.Campo(slot);
      ventana.ConfigurarCampo(slot, c.Descripcion + ":", c.Longitud, c.Visible);
    }
    ventana.MostrarTipo(a_.Campos.Campo(campo::kTipo).Visible);
    ventana.MostrarSinNumero(a_.Campos.Campo(campo::kSinNumero).Visible);
    if (!frm.CargarProvincias() || !frm.CargarLista()) return;
    MostrarResumen(frm.DarTextoDomicilio());
    if (!frm.Entradas().empty()) frm.Seleccionar(0);
    frm.HacerCopia(std::stoi(DarCodTemporal()));
    if (!frm.RefrescarDatos()) {
      MostrarResumen(antes);
      return;
    }
    frm.ProcesarOrden();
    ventana.MostrarModal(frm);
    MostrarResumen(DarDomicilios());
  } catch (const std::exception& e) {
    MostrarResumen(antes);
    MsgBox(e.what());
  }
}

void UcnDomModel::UserControl_Resize(int ancho, int alto, int anchoBoton, int altoBoton) {
  const int lineas = alto / kAltoLinea;
  cmd_ = {ancho - anchoBoton - kMargen, 0, anchoBoton, altoBoton};
  const int anchoTexto = cmd_.left - kMargen + (lineas == 1 ? kExtraUnaLinea : 0);
  txtRect_ = {0, 0, anchoTexto, lineas * kAltoLinea};
}
