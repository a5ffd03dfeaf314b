/*
** NOVUTreeContainer: what the lazy tree asks of the form that contains it,
** as the form's own answers (the tree's ObjArbol).
**
** Every argument is the tree's own, passed by reference: a record set or a
** list of values that the form replaces is the one the tree goes on with.
**
**   DarCaption(Codigo, rs)    the text of the row node of the iterator
**                             Codigo, with rs on that row
**   DarCondicion(Codigo, rs)  the level number whose descriptions become
**                             the row's children, for an iterator with
**                             HojasDistintas; rs is on the row, or refers
**                             to no record set when the row is expanded
**                             later (delayed loading)
**   EsCheck(Codigo, Valores)  whether the check node Codigo, under the key
**                             values Valores (outermost first), shows
**                             "lleno"; a Null counts as False
**
** Errors the form raises reach the tree's caller.
*/
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Variant.h"
#include "dao/Recordset.h"

class NOVUTreeContainer {
 public:
  virtual std::string DarCaption(Variant& Codigo, dao::Recordset& rs) = 0;
  virtual int32_t DarCondicion(Variant& Codigo, dao::Recordset& rs) = 0;
  virtual Variant EsCheck(Variant& Codigo, std::vector<Variant>& ValoresCampo) = 0;

 protected:
  ~NOVUTreeContainer() = default;
};
