/*
** TableDef: the attributes derived from its connect string.
*/
#include "dao/TableDef.h"

namespace dao {

int TableDef::Attributes() const {
  return connect_.empty() ? 0 : dbAttachedTable;
}

}  // namespace dao
