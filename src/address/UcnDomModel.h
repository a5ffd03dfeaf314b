/*
** UcnDomModel: the address control's logic (ucnDom), without its widgets:
** the properties the host sets, the 22 field slots, the summary of the
** owner's addresses, the working copy, the opening of the address editor
** and the resize rule. The control (a summary box `txt` and a button `cmd`
** with caption "..." and tooltip "Modificar Domicilio") wires its widgets
** to it.
**
** Host order: set the properties and the slots, Refrescar to show the
** addresses; the user opens the editor (possibly several times); when the
** host keeps its record it calls Nuevo_Update if the reference was only
** now assigned, and CommitearCopia; when it drops its changes,
** ResetearCopia.
**
** Opening the editor (cmd_Click), in this order:
**   1. AntesDeAbrir is raised;
**   2. the editor's logic is made on this control (its load runs);
**   3. each text slot's label (description and ":"), length and
**      visibility go to the editor;
**   4. the type frame shows when slot 1 is Visible, "Sin Número" when
**      slot 4 is;
**   5. the editor loads the provinces and the list;
**   6. the summary box takes the editor's DarTextoDomicilio (empty);
**   7. the first entry of the list, if any, is selected;
**   8. the working copy is made under -Dueño (only while Inicio is true);
**   9. the editor shows the selected address and lays itself out;
**  10. the editor is shown modally;
**  11. the summary box takes DarDomicilios.
** The button's click is the user's, so its failures are shown, not
** raised: a load that fails (the editor has shown why) or a failing copy
** (its description is shown here) stops the opening before the editor
** shows, and the summary keeps its text. The methods trap nothing.
**
** Resize, in twips: lines = height / 320 (cut towards zero); the button
** sits at the top right corner, 20 in from the right edge; the summary box
** at (0, 0), lines x 320 high and 20 short of the button, or 1000 wider
** than that when the control is exactly one line high.
**
** Slots outside 0-21 are the subscript error (9) and store nothing. The
** control defines no design setting of its own to persist: everything it
** holds is set by the host at run time.
*/
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "address/AddressScope.h"
#include "address/WorkingCopy.h"
#include "graphics/Picture.h"
#include "graphics/Rect.h"

class FrmDomiciliosView;

class UcnDomModel {
 public:
  static constexpr const char* kCaptionBoton = "...";
  static constexpr const char* kTooltipBoton = "Modificar Domicilio";
  static constexpr int kAltoLinea = 320;
  static constexpr int kMargen = 20;
  static constexpr int kExtraUnaLinea = 1000;

  // A new control: Inicio is true, the slots are empty.
  UcnDomModel() : copia_(a_) {}
  UcnDomModel(const UcnDomModel&) = delete;
  UcnDomModel& operator=(const UcnDomModel&) = delete;

  // Raised first when the button is pressed.
  std::function<void()> AntesDeAbrir;
  // Told whenever the summary box's text changes.
  std::function<void(const std::string&)> alCambiarResumen;

  ::ObjSistema* ObjSistema() const { return a_.Sistema; }
  void SetObjSistema(::ObjSistema* valor) { a_.Sistema = valor; }
  bool SoloUno() const { return soloUno_; }
  void SetSoloUno(bool valor) { soloUno_ = valor; }
  const dao::Database& Db() const { return a_.Db; }
  void SetDb(const dao::Database& valor) { a_.Db = valor; }
  int32_t CodDJ() const { return a_.CodDJ; }
  void SetCodDJ(int32_t valor) { a_.CodDJ = valor; }
  const std::string& Cuit() const { return a_.Cuit; }
  void SetCuit(const std::string& valor) { a_.Cuit = valor; }
  const std::string& Tabla() const { return a_.Tabla; }
  void SetTabla(const std::string& valor) { a_.Tabla = valor; }
  int32_t Dueño() const { return a_.Dueño; }
  void SetDueño(int32_t valor) { a_.Dueño = valor; }
  int32_t CodReferencia() const { return a_.CodReferencia; }
  void SetCodReferencia(int32_t valor) { a_.CodReferencia = valor; }
  int32_t CodDomicilio() const { return codDomicilio_; }
  void SetCodDomicilio(int32_t valor) { codDomicilio_ = valor; }
  const std::string& ProvinciaValorDefecto() const { return provinciaValorDefecto_; }
  void SetProvinciaValorDefecto(const std::string& valor) { provinciaValorDefecto_ = valor; }
  std::shared_ptr<const Picture> BotImagen() const { return botImagen_; }
  void SetBotImagen(std::shared_ptr<const Picture> valor) { botImagen_ = std::move(valor); }
  const std::string& DescFormulario() const { return descFormulario_; }
  void SetDescFormulario(const std::string& valor) { descFormulario_ = valor; }
  bool Inicio() const { return a_.Inicio; }
  void SetInicio(bool valor) { a_.Inicio = valor; }

  void Set_Campo(int Opcion, int32_t TipoControlDato, const std::string& NombreCampo,
                 int32_t Longitud, bool Visible, bool Obligatorio, const std::string& SQL,
                 const std::string& Descripcion, const std::string& ValorFijo);
  void Get_Campo(int Opcion, int32_t& TipoControlDato, std::string& NombreCampo, int32_t& Longitud,
                 bool& Visible, bool& Obligatorio, std::string& SQL, std::string& Descripcion,
                 std::string& ValorFijo) const;

  bool HayDomicilio() const { return !txt_.empty(); }
  std::string ObtenerResumen() const { return ""; }
  void CommitearCopia() { copia_.CommitearCopia(); }
  void ResetearCopia() { copia_.ResetearCopia(); }
  std::string DarDomicilios();
  void Refrescar();
  void Set_Referencia(int32_t DatoReferencia) { a_.CodReferencia = DatoReferencia; }
  void Nuevo_Update(int32_t CodReferencia) { copia_.Nuevo_Update(CodReferencia); }

  // The button's click: opens the editor in `ventana` (see above).
  void cmd_Click(FrmDomiciliosView& ventana);

  // The resize rule for a control of ancho x alto with a button
  // `anchoBoton` wide; the button keeps its own height.
  void UserControl_Resize(int ancho, int alto, int anchoBoton, int altoBoton);
  Rect cmd() const { return cmd_; }
  Rect txtRect() const { return txtRect_; }
  // The summary box's text.
  const std::string& txt() const { return txt_; }

  // What the editor reads and writes through the control.
  AddressScope& Ambito() { return a_; }
  const AddressFieldSlots& Campos() const { return a_.Campos; }
  WorkingCopy& Copia() { return copia_; }

 private:
  void MostrarResumen(const std::string& texto);
  // The copy code: -Dueño (overflow 6 for the lowest Long).
  std::string DarCodTemporal() const;

  AddressScope a_;
  WorkingCopy copia_;
  bool soloUno_ = false;
  int32_t codDomicilio_ = 0;
  std::string provinciaValorDefecto_;
  std::shared_ptr<const Picture> botImagen_;
  std::string descFormulario_;
  std::string txt_;
  Rect cmd_;
  Rect txtRect_;
};
