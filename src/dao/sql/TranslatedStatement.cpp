/*
** The statement model's one look-up. See TranslatedStatement.h.
*/
#include "dao/sql/TranslatedStatement.h"

#include "common/TextCase.h"

namespace dao {

int TranslatedStatement::OutputType(std::string_view name) const {
  for (const JetOutputColumn& out : outputs) {
    if (out.type != 0 && TextCase::Equal(out.name, name)) return out.type;
  }
  return 0;
}

}  // namespace dao
