/*
** TreeItem: the description of one node of the lazy tree, or of one
** query whose every row becomes a node (an iterator). Plain data; the tree
** (NOVUTreeModel) gives the fields their meaning:
**
**   Codigo          the node's own code (fixed node), or the code shared
**                   by the rows' nodes (iterator); also the level number
**                   under which the children of these nodes are listed
**   Caption         a fixed node's text
**   Check           the node shows "lleno" or "vacio" as the form says
**   carpeta         the node is a folder ("cerrado", "abierto" expanded)
**   Seleccionado    free for the form; the tree never reads it
**   Iterador        the description is a query
**   SQL             the query, in the engine's SQL; "%name%" stands for
**                   the key value of the enclosing row of the iterator
**                   whose ClaveCampo is name
**   Db              the database the query runs on
**   padre           the level number this description is listed under:
**                   0 top level
**   Imagen          image number (0-7) of a node that is neither a check
**                   node nor a folder
**   ClaveCampo      the field whose value identifies a row
**   HojasDistintas  the form's DarCondicion picks each row's children level
**   CargaRetrasada  a row's children are loaded when it is first expanded
*/
#pragma once

#include <cstdint>
#include <string>

#include "common/Variant.h"
#include "dao/Database.h"

struct TreeItem {
  Variant Codigo = int32_t{0};
  std::string Caption;
  bool Check = false;
  bool carpeta = false;
  bool Seleccionado = false;
  bool Iterador = false;
  std::string SQL;
  dao::Database Db;
  int32_t padre = 0;
  int32_t Imagen = 0;
  std::string ClaveCampo;
  bool HojasDistintas = false;
  bool CargaRetrasada = false;
};
