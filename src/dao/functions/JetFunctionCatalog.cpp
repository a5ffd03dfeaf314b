/*
** The catalogue of the run time's functions, gathered from their families.
** See JetFunctionCatalog.h.
*/
#include "dao/functions/JetFunctionCatalog.h"

#include "common/TextCase.h"
#include "dao/functions/JetAggregateFunctions.h"
#include "dao/functions/JetConversionFunctions.h"
#include "dao/functions/JetDateFunctions.h"
#include "dao/functions/JetFinancialFunctions.h"
#include "dao/functions/JetFormatFunction.h"
#include "dao/functions/JetNumberFunctions.h"
#include "dao/functions/JetOperators.h"
#include "dao/functions/JetTextFunctions.h"

namespace dao {

const std::vector<JetFunction>& JetFunctionCatalog::All() {
  static const std::vector<JetFunction> rows = [] {
    std::vector<JetFunction> all;
    for (std::span<const JetFunction> family :
         {JetAggregateFunctions(), JetTextFunctions(), JetNumberFunctions(),
          JetConversionFunctions(), JetDateFunctions(), JetFormatFunction(),
          JetFinancialFunctions(), JetOperators()}) {
      all.insert(all.end(), family.begin(), family.end());
    }
    return all;
  }();
  return rows;
}

const JetFunction* JetFunctionCatalog::Find(std::string_view name) {
  for (const JetFunction& f : All()) {
    if (!f.name.empty() && TextCase::Equal(name, f.name)) return &f;
  }
  return nullptr;
}

}  // namespace dao
