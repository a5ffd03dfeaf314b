/*
** GalleryTreeContainer: the gallery's answers to the lazy tree, and the levels it
** describes over the sample's address data:
**
**   Declaraciones de la muestra              (folder)
**     Declaración N, CUIT ...                (one per declaration, delayed)
**       owner's name                         (one per owner)
**         Domicilio fiscal                   (check: the owner has one)
**         street number, town                (one per address)
**
** A declaration's branch is loaded when it is first opened, the levels
** below it with it: a delayed node finds its enclosing rows' values again
** from its key, which holds them for one enclosing row only, and an
** owner's addresses need the declaration's and the owner's.
**
** It counts the rows it was asked to caption, so that the page can show
** that a delayed branch costs nothing until it is opened.
*/
#pragma once

#include <cstdint>
#include <string>

#include "controls/NOVUTreeContainer.h"
#include "dao/Database.h"

class NOVUTree;

class GalleryTreeContainer : public NOVUTreeContainer {
 public:
  static constexpr int32_t kRaiz = 1;
  static constexpr int32_t kDeclaracion = 10;
  static constexpr int32_t kTitular = 20;
  static constexpr int32_t kFiscal = 30;
  static constexpr int32_t kDomicilio = 40;

  explicit GalleryTreeContainer(dao::Database db) : db_(std::move(db)) {}

  // Describes the levels to `arbol`, answers for it and loads it.
  void Cargar(NOVUTree& arbol);

  std::string DarCaption(Variant& Codigo, dao::Recordset& rs) override;
  int32_t DarCondicion(Variant& Codigo, dao::Recordset& rs) override;
  Variant EsCheck(Variant& Codigo, std::vector<Variant>& ValoresCampo) override;

  int FilasPedidas() const { return filasPedidas_; }

 private:
  dao::Database db_;
  int filasPedidas_ = 0;
};
