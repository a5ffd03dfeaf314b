/*
** FrmDomicilios: the address editor window on Qt, a modal dialog. All of
** its logic is FrmDomiciliosModel; the window only places its widgets in
** twips, shows what the logic tells it and hands the user's actions back.
** The address control makes one per opening through its factory:
**
**   dom->SetFabricaEditor([](QWidget* p) { return std::make_unique<FrmDomicilios>(p); });
**
** Client area 7400 x 6675 twips (the compact layout shortens it). Parts, in
** twips (left, top, width, height):
**
**   LstDomicilios  list        120,  120, 6375, 1935
**   fraDatos       frame       120, 2160, 6435, 4275  "Datos del domicilio
**                                                      seleccionado"
**   Bot            button bar 6600,    0,  800, the client's height
**
** Inside the frame, line by line: street and the type frame ("Tipo:",
** "&Fiscal", "&Otro"); number, "Sin Número", route and kilometre; tower,
** floor, flat or office and block; district; locality and postal code;
** province; telephone and fax; e-mail; remarks. A line is 420 high.
**
** The logic gives window heights as outer heights, caption and borders
** included, as a design would; the client area is 235 shorter.
**
** Labels take the host's description of each slot, with access keys that
** each reach one target (FrmDomiciliosLabels): the option buttons keep
** "&Fiscal" and "&Otro", a label the key of its usual text (&Calle, &Nro,
** To&rre, ...) where that is free, else the first free letter of its text.
** A description longer than its label's place is elided and whole in the
** label's tooltip. Every label is its box's buddy, and every field
** carries the label's text as its accessible name.
**
** The list's columns have their described widths and grow, where the list
** has room, to show a text that does not fit (ColumnFit); a cell still cut
** shows whole in its tooltip.
**
** Keys: Enter presses the bar's default button while it shows (Nuevo at
** first, Aceptar once an edit has begun) and Escape its cancel button
** (Cancelar); Escape never closes the window by
** itself, so that it cannot drop what is being typed. Closing by the frame
** (or Alt+F4) is Salir, once the logic has asked about any typing that
** would be lost (FrmDomiciliosModel::CloseRequested). The list answers clicks and keyboard moves
*alike; it is found
** by key, so sorting it by a header click changes nothing for the logic.
** In numeric slots each typed character is first offered to the logic,
** which may refuse it. A slot's length limits what the user types; an
** address stored with a longer text shows it whole and saves it unchanged.
*/
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "address/CampoDomicilio.h"
#include "address/FrmDomiciliosView.h"
#include "forms/ui/QtFormWindow.h"

class NOVUBot;
class NOVUCbo;
class NOVUList;
class NOVUListItem;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class FrmDomicilios : public QDialog, public FrmDomiciliosView {
  Q_OBJECT

 public:
  static constexpr int kAncho = 7400;
  static constexpr int kAlto = 6675;
  static constexpr int kMarcoVentana = 235;
  static constexpr const char* kCaptionDatos = "Datos del domicilio seleccionado";

  explicit FrmDomicilios(QWidget* parent);
  ~FrmDomicilios() override;

  NOVUList* LstDomicilios() const { return lst_; }
  QGroupBox* fraDatos() const { return fraDatos_; }
  NOVUBot* Bot() const { return bot_; }
  // The box of a text slot (campo::kDeTexto), or nullptr.
  QLineEdit* TxtDato(int slot) const;
  // The label of a text slot or of the province (14), or nullptr.
  QLabel* LblDato(int slot) const;
  QCheckBox* chkSinNro() const { return chkSinNro_; }
  QGroupBox* fraTipo() const { return fraTipo_; }
  QRadioButton* optFiscal() const { return optFiscal_; }
  QRadioButton* optOtros() const { return optOtros_; }
  NOVUCbo* CboProvincia() const { return cboProvincia_; }

  void Caption(const std::string& texto) override;
  void AgregarColumna(const std::string& titulo, int ancho) override;
  void AgregarEntrada(const AddressListEntry& entrada) override;
  void ActualizarEntrada(int posicion, const AddressListEntry& entrada) override;
  void EliminarEntrada(int posicion) override;
  void LimpiarLista() override;
  void SeleccionarEntrada(int posicion) override;
  void HabilitarLista(bool habilitada) override;
  void MostrarLista(bool visible) override;
  void ConfigurarCampo(int slot, const std::string& etiqueta, int longitud, bool visible) override;
  void MostrarTipo(bool visible) override;
  void MostrarSinNumero(bool visible) override;
  std::string Texto(int slot) const override;
  void SetTexto(int slot, const std::string& texto) override;
  bool SinNumero() const override;
  void SetSinNumero(bool marcado) override;
  bool Fiscal() const override;
  void SetFiscal(bool fiscal) override;
  void LimpiarProvincias() override;
  void AgregarProvincia(const std::string& codigo, const std::string& descripcion) override;
  void SeleccionarProvincia(const std::string& codigo) override;
  std::string ProvinciaSeleccionada() const override;
  void HabilitarDatos(bool habilitados) override;
  void HabilitarNumero(bool habilitado) override;
  void HabilitarTipo(bool habilitado) override;
  void Enfocar(int slot) override;
  void EstadoBarra(int estado) override;
  void ImagenBarra(std::shared_ptr<const Picture> imagen) override;
  void AltoDatos(int alto) override;
  void TopDatos(int top) override;
  void AltoVentana(int alto) override;
  void AltoBarra(int alto) override;
  void Centrar() override;
  void MostrarModal(FrmDomiciliosModel& modelo) override;
  void Cerrar() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void Construir();
  void ConstruirDatos();
  QLabel* Etiqueta(int slot, const QRect& lugar);
  QLineEdit* Caja(int slot, const QRect& lugarEtiqueta, const QRect& lugar);
  void AsignarTeclas();
  void AjustarColumnas();
  void OrdenarTabulacion();
  void ItemClick(NOVUListItem* item);
  int Posicion(const NOVUListItem* item) const;
  void PonerLugar(QWidget& w, const QRect& twips);
  static std::array<int, campo::kCantidad> MaximosIniciales();

  FrmDomiciliosModel* modelo_ = nullptr;
  QtFormWindow formulario_{*this};
  NOVUList* lst_ = nullptr;
  QGroupBox* fraDatos_ = nullptr;
  NOVUBot* bot_ = nullptr;
  std::array<QLineEdit*, campo::kCantidad> txt_{};
  std::array<QLabel*, campo::kCantidad> lbl_{};
  // Each label's text with the key it prefers, before AsignarTeclas.
  std::array<std::string, campo::kCantidad> preferidas_{};
  // The list's described column widths, in twips.
  std::vector<int> anchos_;
  // What the host lets the user type in each text slot.
  std::array<int, campo::kCantidad> longitudes_ = MaximosIniciales();
  QCheckBox* chkSinNro_ = nullptr;
  QGroupBox* fraTipo_ = nullptr;
  QRadioButton* optFiscal_ = nullptr;
  QRadioButton* optOtros_ = nullptr;
  NOVUCbo* cboProvincia_ = nullptr;
  // The list's keys in the logic's order: its positions are these.
  std::vector<std::string> claves_;
  bool seleccionando_ = false;
  // The row a keyboard move or a mouse press has just loaded.
  const void* recienCargada_ = nullptr;
  QRect datos_{120, 2160, 6435, 4275};
};
