/*
** The address editor's logic. See FrmDomiciliosModel.h.
*/
#include "address/FrmDomiciliosModel.h"

#include <exception>

#include "address/AddressKey.h"
#include "address/UcnDomModel.h"
#include "platform/MessageBoxService.h"

namespace {

constexpr int kBackspace = 8;

bool EnBlanco(const std::string& texto) {
  return texto.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

FrmDomiciliosModel::FrmDomiciliosModel(FrmDomiciliosView& vista, UcnDomModel& ObjDom)
    : vista_(vista), objDom_(ObjDom), registros_(ObjDom.Ambito()) {
  vista_.Caption(objDom_.DescFormulario());
  LimpiarCampos();
}

bool FrmDomiciliosModel::Atrapar(const std::function<void()>& paso) {
  try {
    paso();
    return true;
  } catch (const std::exception& e) {
    MsgBox(e.what());
    return false;
  }
}

void FrmDomiciliosModel::LimpiarCampos() {
  vista_.SeleccionarProvincia("");
  for (int slot : campo::kDeTexto) vista_.SetTexto(slot, "");
  vista_.SetSinNumero(false);
}

bool FrmDomiciliosModel::CargarProvincias() {
  if (!objDom_.Campos().Campo(campo::kProvincia).Visible) return true;
  vista_.LimpiarProvincias();
  return Atrapar([&] {
    dao::Recordset rs = objDom_.Ambito().Db.OpenRecordset(kProvincias);
    for (; !rs.Eof(); rs.MoveNext()) {
      vista_.AgregarProvincia(rs.Fields("Codigo").Value().ToStringOrEmpty(),
                              rs.Fields("Descripcion").Value().ToStringOrEmpty());
    }
    rs.Close();
  });
}

bool FrmDomiciliosModel::CargarLista() {
  const AddressFieldSlots& c = objDom_.Campos();
  vista_.AgregarColumna(c.Campo(campo::kCalle).Descripcion, 2000);
  vista_.AgregarColumna(c.Campo(campo::kNumero).Descripcion, 500);
  vista_.AgregarColumna(c.Campo(campo::kLocalidad).Descripcion, 1000);
  std::vector<AddressListEntry> lista;
  if (!Atrapar([&] { lista = registros_.Lista(); })) return false;
  for (const AddressListEntry& e : lista) {
    entradas_.push_back(e);
    vista_.AgregarEntrada(e);
  }
  return true;
}

void FrmDomiciliosModel::Seleccionar(int posicion) {
  seleccion_ = posicion >= 0 && posicion < static_cast<int>(entradas_.size()) ? posicion : -1;
  vista_.SeleccionarEntrada(seleccion_);
}

int32_t FrmDomiciliosModel::CodigoSeleccionado() const {
  return AddressKey::CodigoDesdeClave(entradas_[static_cast<size_t>(seleccion_)].Clave);
}

bool FrmDomiciliosModel::RefrescarDatos() {
  bool cargado = true;
  if (seleccion_ < 0) {
    LimpiarCampos();
  } else {
    LoadedAddress d;
    cargado = Atrapar([&] { d = registros_.Cargar(CodigoSeleccionado()); });
    if (cargado) {
      if (d.Fiscal) vista_.SetFiscal(*d.Fiscal);
      if (d.SinNumero) vista_.SetSinNumero(*d.SinNumero);
      for (int slot : campo::kDeTexto) {
        const auto& texto = d.Textos[static_cast<size_t>(slot)];
        if (texto) vista_.SetTexto(slot, *texto);
      }
      if (d.Provincia) vista_.SeleccionarProvincia(*d.Provincia);
    } else {
      LimpiarCampos();
    }
  }
  AplicarTipoFijo();
  return cargado;
}

bool FrmDomiciliosModel::AplicarTipoFijo() {
  const std::string& fijo = objDom_.Campos().Campo(campo::kTipo).ValorFijo;
  if (fijo != "1" && fijo != "0") return false;
  vista_.SetFiscal(fijo == "1");
  vista_.HabilitarTipo(false);
  return true;
}

void FrmDomiciliosModel::ModoEdicion(bool Editar) {
  if (objDom_.SoloUno()) Editar = true;
  enEdicion_ = Editar;
  vista_.HabilitarLista(!Editar);
  HabilitarControles(Editar);
  if (enEdicion_) RememberStart();
}

void FrmDomiciliosModel::RememberStart() {
  start_ = Datos();
}

void FrmDomiciliosModel::HabilitarControles(bool Habilitar) {
  if (objDom_.SoloUno()) Habilitar = true;
  vista_.HabilitarDatos(Habilitar);
  vista_.HabilitarNumero(Habilitar && !vista_.SinNumero());
  vista_.EstadoBarra(Habilitar ? 2 : entradas_.empty() ? 1 : 0);
  if (!objDom_.Campos().Campo(campo::kTipo).ValorFijo.empty()) vista_.HabilitarTipo(false);
}

void FrmDomiciliosModel::ProcesarOrden() {
  const AddressFieldSlots& c = objDom_.Campos();
  const bool compacto = !c.Campo(campo::kTelefono).Visible && !c.Campo(campo::kFax).Visible &&
                        !c.Campo(campo::kEMail).Visible && !c.Campo(campo::kObservaciones).Visible;
  if (compacto) {
    vista_.AltoDatos(kAltoDatosCompacto);
    if (objDom_.SoloUno()) {
      listaVisible_ = false;
      vista_.MostrarLista(false);
      vista_.TopDatos(kTopDatosSoloUno);
      const int alto = kAltoDatosCompacto + 600;
      vista_.AltoVentana(alto);
      vista_.AltoBarra(alto - 200);
    } else {
      vista_.AltoVentana(kAltoVentanaCompacta);
      vista_.AltoBarra(kAltoBarraCompacta);
    }
  }
  vista_.ImagenBarra(objDom_.BotImagen());
  vista_.Centrar();
  if (!objDom_.SoloUno()) {
    ModoEdicion(false);
  } else if (!entradas_.empty()) {
    Bot_BotonEditar();
  } else {
    Bot_BotonNuevo();
  }
}

void FrmDomiciliosModel::HacerCopia(int32_t CodTemporal) {
  objDom_.Copia().HacerCopia(CodTemporal);
}

void FrmDomiciliosModel::Bot_BotonNuevo() {
  editando_ = false;
  LimpiarCampos();
  ModoEdicion(true);
  vista_.SeleccionarProvincia(objDom_.ProvinciaValorDefecto());
  RememberStart();
  vista_.Enfocar(campo::kCalle);
}

void FrmDomiciliosModel::Bot_BotonEditar() {
  // Only an address shown can be edited: the bar offers Editar only with
  // entries, but its event can be raised by hand.
  if (seleccion_ < 0) return;
  editando_ = true;
  ModoEdicion(true);
  vista_.Enfocar(campo::kCalle);
}

std::string FrmDomiciliosModel::ValidarDatos() {
  const AddressFieldSlots& c = objDom_.Campos();
  for (int slot : campo::kDeTexto) {
    const CampoDomicilio& f = c.Campo(slot);
    if (f.Obligatorio && f.Visible && EnBlanco(vista_.Texto(slot))) {
      vista_.Enfocar(slot);
      return kDebeIngresarDato + f.Descripcion;
    }
  }
  if (c.Campo(campo::kProvincia).Obligatorio && vista_.ProvinciaSeleccionada().empty()) {
    vista_.Enfocar(campo::kProvincia);
    return kDebeIngresarProvincia;
  }
  return registros_.ControlarFiscal(
      vista_.Fiscal(), editando_ ? std::optional<int32_t>(CodigoSeleccionado()) : std::nullopt);
}

AddressInput FrmDomiciliosModel::Datos() const {
  AddressInput d;
  d.Fiscal = vista_.Fiscal();
  d.SinNumero = vista_.SinNumero();
  for (int slot : campo::kDeTexto) d.Textos[static_cast<size_t>(slot)] = vista_.Texto(slot);
  d.Provincia = vista_.ProvinciaSeleccionada();
  return d;
}

void FrmDomiciliosModel::GuardarDomicilio() {
  const AddressInput d = Datos();
  AddressListEntry e{"", d.Textos[campo::kCalle], d.Textos[campo::kNumero],
                     d.Textos[campo::kLocalidad]};
  if (editando_) {
    registros_.Editar(CodigoSeleccionado(), d);
    e.Clave = entradas_[static_cast<size_t>(seleccion_)].Clave;
    entradas_[static_cast<size_t>(seleccion_)] = e;
    vista_.ActualizarEntrada(seleccion_, e);
    return;
  }
  e.Clave = AddressKey::DesdeCodigo(registros_.Agregar(d));
  entradas_.push_back(e);
  vista_.AgregarEntrada(e);
  Seleccionar(static_cast<int>(entradas_.size()) - 1);
  editando_ = true;
  RefrescarDatos();
}

void FrmDomiciliosModel::Bot_BotonAceptar() {
  if (!enEdicion_) return;
  std::string problema;
  if (!Atrapar([&] { problema = ValidarDatos(); })) return;
  if (!problema.empty()) {
    MsgBox(problema);
    return;
  }
  if (!Atrapar([&] { GuardarDomicilio(); })) return;
  Cancelar();
}

void FrmDomiciliosModel::Bot_BotonCancelar() {
  Cancelar();
}

void FrmDomiciliosModel::Cancelar() {
  if (!listaVisible_) {
    vista_.Cerrar();
    return;
  }
  RefrescarDatos();
  ModoEdicion(false);
}

void FrmDomiciliosModel::Bot_BotonEliminarDato() {
  if (seleccion_ < 0) return;
  if (MsgBox(kConfirmaUno, msgbox::vbYesNo) != msgbox::vbYes) return;
  if (!Atrapar([&] { registros_.Eliminar(CodigoSeleccionado()); })) return;
  const int posicion = seleccion_;
  entradas_.erase(entradas_.begin() + posicion);
  vista_.EliminarEntrada(posicion);
  Seleccionar(entradas_.empty() ? -1 : 0);
  RefrescarDatos();
  ModoEdicion(false);
}

void FrmDomiciliosModel::Bot_BotonEliminarTodos() {
  if (MsgBox(kConfirmaTodos, msgbox::vbYesNo) != msgbox::vbYes) return;
  if (!Atrapar([&] { registros_.EliminarTodos(); })) return;
  entradas_.clear();
  vista_.LimpiarLista();
  seleccion_ = -1;
  RefrescarDatos();
  ModoEdicion(false);
}

void FrmDomiciliosModel::Bot_BotonSalir() {
  vista_.Cerrar();
}

bool FrmDomiciliosModel::CloseRequested() {
  if (!enEdicion_ || !start_ || Datos() == *start_) return true;
  if (MsgBox(kDescartar, msgbox::vbYesNo + msgbox::vbDefaultButton2) != msgbox::vbYes) return false;
  if (listaVisible_) {
    RefrescarDatos();
    ModoEdicion(false);
  }
  return true;
}

void FrmDomiciliosModel::LstDomicilios_ItemClick(int posicion) {
  // The list is disabled while editing; a click then must not replace
  // what the user is typing.
  if (enEdicion_) return;
  seleccion_ = posicion >= 0 && posicion < static_cast<int>(entradas_.size()) ? posicion : -1;
  RefrescarDatos();
}

int FrmDomiciliosModel::TxtDato_KeyPress(int Index, int KeyAscii) const {
  if (objDom_.Campos().Campo(Index).TipoControlDato != campo::kNumerico) return KeyAscii;
  const bool cifra = KeyAscii >= '0' && KeyAscii <= '9';
  return cifra || KeyAscii == kBackspace ? KeyAscii : 0;
}

void FrmDomiciliosModel::chkSinNro_Click() {
  const bool marcado = vista_.SinNumero();
  vista_.HabilitarNumero(!marcado && enEdicion_);
  if (marcado) vista_.SetTexto(campo::kNumero, "");
}
