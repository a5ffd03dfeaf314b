/*
** AddressPage: the address control on an owner of the sample, chosen
** in a combo, with the host's two answers to the editor's work: keep the
** changes (CommitearCopia) or undo them (ResetearCopia). The editor comes
** from the factory given; without one the control's button stays
** disabled, and the page says so.
*/
#pragma once

#include <memory>

#include "address/ui/UcnDom.h"
#include "gallery/GalleryOwners.h"
#include "gallery/ui/GalleryPage.h"

class NOVUCbo;
class QLabel;
class QPushButton;

class AddressPage : public GalleryPage {
  Q_OBJECT

 public:
  AddressPage(dao::Database& host, UcnDom::FabricaEditor editor, QWidget* parent = nullptr);
  ~AddressPage() override;

  NOVUCbo* Titular() const { return titular_; }
  UcnDom* Control() const { return control_; }
  QPushButton* Guardar() const { return guardar_; }
  QPushButton* Deshacer() const { return deshacer_; }
  QLabel* Estado() const { return estado_; }
  // Shows the owner at `posicion` of the sample's list of owners.
  void Elegir(int posicion);

 private:
  void MostrarEstado();

  GalleryOwners titulares_;
  NOVUCbo* titular_ = nullptr;
  UcnDom* control_ = nullptr;
  QPushButton* guardar_ = nullptr;
  QPushButton* deshacer_ = nullptr;
  QLabel* estado_ = nullptr;
  bool conEditor_ = false;
};
