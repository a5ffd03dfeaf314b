/*
** The schema of no database. See JetSchema.h.
*/
#include "dao/sql/JetSchema.h"

#include "dao/sql/SqlQuote.h"

namespace dao {

std::string JetSchema::TableSql(const std::string& table) const {
  return QuoteIdentifier(table);
}

int JetSchema::ColumnType(const std::string&, const std::string&) {
  return 0;
}

}  // namespace dao
