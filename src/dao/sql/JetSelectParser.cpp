/*
** Translation of Jet SELECT queries. See JetSelectParser.h.
*/
#include "dao/sql/JetSelectParser.h"

#include <optional>
#include <vector>

#include "common/AppError.h"
#include "common/TextCase.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetExpressionParser.h"
#include "dao/sql/JetObjectName.h"

namespace dao {

namespace {

constexpr const char* kSelectSyntax =
    "La instrucción SELECT incluye una palabra reservada, un nombre de argumento mal escrito o que "
    "falta, o el signo "
    "de puntuación es incorrecto";
constexpr const char* kFromSyntax = "Error de sintaxis en la cláusula FROM";
constexpr const char* kOrderBySyntax = "Error de sintaxis en la cláusula ORDER BY";

struct Item {
  std::string sql;
  std::string name;  // empty: * or t.*, written without AS
  std::string column;
  std::string qualifier;
  bool aliased = false;
  bool unnamedExpression = false;
  bool star = false;  // * or t.* (`qualifier`)
  int type = 0;
};

JetExpressionParser::SubqueryParser Subqueries(JetSchema& schema, const JetScope* outer) {
  return [&schema, outer](JetTokenCursor& cursor) {
    return JetSelectParser(cursor, schema, outer, true).Parse().sql;
  };
}

}  // namespace

struct JetSelectParser::Core {
  std::string unionBefore;  // " UNION " or " UNION ALL " before this core
  std::string distinct;
  bool distinctKeyword = false;
  long top = 0;
  std::string items;
  std::string rest;  // FROM ... HAVING
  bool aggregate = false;
  bool grouped = false;
  int tables = 0;
  bool joinedOrDerived = false;
  std::string table;
  std::string rowidQualifier;
  JetScope scope;
  std::vector<JetOutputColumn> outputs;
};

JetSelect JetSelectParser::Parse() {
  cursor_.Enter();
  std::vector<Core> cores;
  cores.push_back(ParseCore());
  while (cursor_.AcceptKeyword("UNION")) {
    const bool all = cursor_.AcceptKeyword("ALL");
    if (!cursor_.IsKeyword("SELECT")) cursor_.Fail(jeterr::kSyntaxInSelect, kSelectSyntax);
    cores.push_back(ParseCore());
    cores.back().unionBefore = all ? " UNION ALL " : " UNION ";
  }
  std::string order;
  bool orderAggregate = false;
  if (cursor_.AcceptKeyword("ORDER")) {
    JetExpressionParser expr(cursor_, Subqueries(schema_, outer_));
    cursor_.ExpectKeyword("BY", jeterr::kSyntaxInOrderBy, kOrderBySyntax);
    order = " ORDER BY ";
    while (true) {
      JetExpr e = expr.Parse(jeterr::kSyntaxInOrderBy, kOrderBySyntax);
      order += JetExpressionParser::AsValue(e);
      // A number orders by output position; collation only matters for text.
      if (e.kind != JetExprKind::Number) order += " COLLATE JET";
      if (cursor_.AcceptKeyword("DESC"))
        order += " DESC";
      else
        cursor_.AcceptKeyword("ASC");
      if (cursor_.AcceptSymbol(",")) {
        order += ", ";
        continue;
      }
      if (!cursor_.IsSymbol(")") && !cursor_.IsSymbol(";") && !cursor_.AtEnd()) expr.FailAfter();
      break;
    }
    orderAggregate = expr.SawAggregate();
  }
  cursor_.Leave();

  JetSelect result;
  result.outputs = cores.front().outputs;
  if (cores.size() == 1) {
    const Core& core = cores.front();
    const std::string limit = core.top > 0 ? " LIMIT " + std::to_string(core.top) : "";
    result.sql = CoreSql(core, false) + order + limit;
    result.updatable = !core.distinctKeyword && core.top == 0 && !core.grouped && !core.aggregate &&
                       !orderAggregate && core.tables == 1 && !core.joinedOrDerived;
    if (result.updatable) {
      result.table = core.table;
      result.rowidSql = CoreSql(core, true) + order;
    }
    return result;
  }
  for (const Core& core : cores) {
    result.sql += core.unionBefore;
    // SQLite takes LIMIT only at the end of a compound; a member with TOP
    // becomes a subquery of its own.
    if (core.top > 0) {
      result.sql +=
          "SELECT * FROM (" + CoreSql(core, false) + " LIMIT " + std::to_string(core.top) + ")";
    } else {
      result.sql += CoreSql(core, false);
    }
  }
  result.sql += order;
  return result;
}

std::string JetSelectParser::CoreSql(const Core& core, bool withRowid) const {
  std::string sql = "SELECT " + core.distinct;
  if (withRowid)
    sql += core.rowidQualifier + ".rowid AS " + JetExpressionParser::QuoteName(kRowidColumn) + ", ";
  sql += core.items;
  sql += core.rest;
  return sql;
}

JetSelectParser::Core JetSelectParser::ParseCore() {
  Core core;
  cursor_.ExpectKeyword("SELECT", jeterr::kSyntaxInSelect, kSelectSyntax);
  if (cursor_.AcceptKeyword("DISTINCT")) {
    core.distinct = "DISTINCT ";
    core.distinctKeyword = true;
  } else if (!cursor_.AcceptKeyword("DISTINCTROW")) {
    cursor_.AcceptKeyword("ALL");
  }
  if (cursor_.AcceptKeyword("TOP")) {
    const JetSqlToken& n = cursor_.Peek();
    const std::string digits(n.text);
    if (n.kind != JetTokenKind::Number ||
        digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9 ||
        std::stol(digits) < 1) {
      cursor_.Fail(jeterr::kSyntaxInSelect, "TOP requiere un número entero mayor que cero");
    }
    core.top = std::stol(digits);
    cursor_.Next();
    if (cursor_.IsKeyword("PERCENT"))
      cursor_.Fail(jeterr::kSyntaxInSelect, "TOP ... PERCENT no se admite");
  }

  core.scope = JetScope(&schema_, outer_);
  // The sources first, for the types of the items' columns. A FROM that
  // fails here keeps its error for its turn after the items, which report
  // their own faults first, as they always have. It is not read again: a
  // derived table would then be read twice at each level of nesting, and
  // a statement nested twenty deep a million times.
  const JetTokenCursor::Mark itemsMark = cursor_.Save();
  std::optional<JetTokenCursor::Mark> afterFrom;
  std::optional<AppError> fromError;
  if (FindFrom()) {
    const Core before = core;
    cursor_.Next();
    try {
      ParseFrom(core);
      afterFrom = cursor_.Save();
    } catch (const AppError& e) {
      core = before;
      fromError = e;
    }
  }
  cursor_.Restore(itemsMark);

  JetExpressionParser expr(cursor_, Subqueries(schema_, &core.scope), &core.scope);
  auto atBoundary = [&] {
    return cursor_.AtEnd() || cursor_.IsSymbol(";") || cursor_.IsSymbol(")") ||
           cursor_.IsKeyword("GROUP") || cursor_.IsKeyword("HAVING") ||
           cursor_.IsKeyword("ORDER") || cursor_.IsKeyword("UNION");
  };

  // Items.
  std::vector<Item> items;
  while (true) {
    Item item;
    if (cursor_.AcceptSymbol("*")) {
      item.sql = "*";
      item.star = true;
    } else if (cursor_.IsName() && cursor_.IsSymbol(".", 1) && cursor_.IsSymbol("*", 2)) {
      item.qualifier = cursor_.Next().value;
      item.sql = JetExpressionParser::QuoteName(item.qualifier) + ".*";
      item.star = true;
      cursor_.Next();
      cursor_.Next();
    } else {
      JetExpr e = expr.Parse(jeterr::kSyntaxInSelect, kSelectSyntax);
      item.sql = JetExpressionParser::AsValue(e);
      if (e.kind != JetExprKind::Column || typeColumns_)
        item.type = expr.TypeOf(e);
      else
        item.type = core.scope.TypeOf(e.qualifier, e.column, false);
      if (cursor_.AcceptKeyword("AS")) {
        item.name = cursor_.ExpectName(jeterr::kSyntaxInSelect, kSelectSyntax);
        JetObjectName::CheckNew(item.name);
        item.aliased = true;
      } else if (e.kind == JetExprKind::Column) {
        item.name = e.column;
        item.column = e.column;
        item.qualifier = e.qualifier;
      } else {
        item.unnamedExpression = true;
      }
      if (!cursor_.IsSymbol(",") && !cursor_.IsKeyword("FROM") && !cursor_.IsKeyword("WHERE") &&
          !atBoundary()) {
        if (item.aliased) cursor_.Fail(jeterr::kSyntaxInSelect, kSelectSyntax);
        expr.FailAfter();
      }
    }
    items.push_back(std::move(item));
    if (!cursor_.AcceptSymbol(",")) break;
  }

  // Names: the same column name from two tables takes the qualified form;
  // expressions are numbered from 1000.
  int exprNumber = 1000;
  for (Item& item : items) {
    if (item.unnamedExpression) {
      item.name = "Expr" + std::to_string(exprNumber++);
    } else if (!item.column.empty() && !item.qualifier.empty()) {
      for (const Item& other : items) {
        if (&other != &item && !other.column.empty() && !other.aliased &&
            TextCase::Equal(other.column, item.column)) {
          item.name = item.qualifier + "." + item.column;
          break;
        }
      }
    }
    if (!core.items.empty()) core.items += ", ";
    core.items += item.sql;
    if (!item.name.empty()) core.items += " AS " + JetExpressionParser::QuoteName(item.name);
    if (item.star)
      core.scope.AppendDerivedColumns(item.qualifier, core.outputs);
    else
      core.outputs.push_back({item.name, item.type});
  }

  if (afterFrom && cursor_.IsKeyword("FROM")) {
    cursor_.Restore(*afterFrom);
  } else if (fromError && cursor_.IsKeyword("FROM")) {
    throw *fromError;
  } else if (cursor_.AcceptKeyword("FROM")) {
    ParseFrom(core);
  }
  if (cursor_.AcceptKeyword("WHERE")) {
    core.rest += " WHERE " + expr.ParseCondition(jeterr::kSyntaxInSelect, kSelectSyntax);
    if (!atBoundary()) expr.FailAfter();
  }
  if (cursor_.AcceptKeyword("GROUP")) {
    cursor_.ExpectKeyword("BY", jeterr::kSyntaxInSelect, kSelectSyntax);
    core.grouped = true;
    core.rest += " GROUP BY ";
    while (true) {
      JetExpr e = expr.Parse(jeterr::kSyntaxInSelect, kSelectSyntax);
      core.rest += JetExpressionParser::AsValue(e);
      // A column groups by its own collation; an expression as JET does.
      if (e.kind != JetExprKind::Column && e.kind != JetExprKind::Number)
        core.rest += " COLLATE JET";
      if (!cursor_.AcceptSymbol(",")) break;
      core.rest += ", ";
    }
    if (!atBoundary()) expr.FailAfter();
  }
  if (cursor_.AcceptKeyword("HAVING")) {
    core.grouped = true;
    core.rest += " HAVING " + expr.ParseCondition(jeterr::kSyntaxInSelect, kSelectSyntax);
    if (!atBoundary()) expr.FailAfter();
  }
  if (!atBoundary()) cursor_.Fail(jeterr::kSyntaxInSelect, kSelectSyntax);
  core.aggregate = expr.SawAggregate();
  return core;
}

bool JetSelectParser::FindFrom() {
  int depth = 0;
  while (true) {
    const JetSqlToken& t = cursor_.Peek();
    if (t.kind == JetTokenKind::End || t.kind == JetTokenKind::Error) return false;
    if (cursor_.IsSymbol("(")) {
      ++depth;
    } else if (cursor_.IsSymbol(")")) {
      if (depth-- == 0) return false;
    } else if (depth == 0) {
      if (cursor_.IsKeyword("FROM")) return true;
      if (cursor_.IsSymbol(";") || cursor_.IsKeyword("WHERE") || cursor_.IsKeyword("GROUP") ||
          cursor_.IsKeyword("HAVING") || cursor_.IsKeyword("ORDER") || cursor_.IsKeyword("UNION"))
        return false;
    }
    cursor_.Next();
  }
}

void JetSelectParser::ParseFrom(Core& core) {
  core.rest += " FROM ";
  while (true) {
    core.rest += ParseSourceTerm(core);
    if (!cursor_.AcceptSymbol(",")) break;
    core.rest += ", ";
    core.joinedOrDerived = true;
  }
  const bool boundary = cursor_.AtEnd() || cursor_.IsSymbol(";") || cursor_.IsSymbol(")") ||
                        cursor_.IsKeyword("WHERE") || cursor_.IsKeyword("GROUP") ||
                        cursor_.IsKeyword("HAVING") || cursor_.IsKeyword("ORDER") ||
                        cursor_.IsKeyword("UNION");
  if (!boundary) cursor_.Fail(jeterr::kSyntaxInFrom, kFromSyntax);
}

std::string JetSelectParser::ParseSourceTerm(Core& core) {
  std::string sql = ParseSourcePrimary(core);
  while (true) {
    std::string join;
    if (cursor_.IsKeyword("INNER") && cursor_.IsKeyword("JOIN", 1)) {
      join = " INNER JOIN ";
    } else if (cursor_.IsKeyword("LEFT") || cursor_.IsKeyword("RIGHT")) {
      const bool left = cursor_.IsKeyword("LEFT");
      const std::size_t ahead = cursor_.IsKeyword("OUTER", 1) ? 2 : 1;
      if (!cursor_.IsKeyword("JOIN", ahead)) cursor_.Fail(jeterr::kSyntaxInFrom, kFromSyntax);
      join = left ? " LEFT JOIN " : " RIGHT JOIN ";
      if (ahead == 2) cursor_.Next();
    } else {
      return sql;
    }
    cursor_.Next();
    cursor_.Next();
    core.joinedOrDerived = true;
    sql += join + ParseSourcePrimary(core);
    cursor_.ExpectKeyword("ON", jeterr::kSyntaxInFrom, "Error de sintaxis en la operación JOIN");
    JetExpressionParser expr(cursor_, Subqueries(schema_, &core.scope), &core.scope);
    sql += " ON " +
           expr.ParseCondition(jeterr::kSyntaxInFrom, "Error de sintaxis en la operación JOIN");
    const bool follows =
        cursor_.AtEnd() || cursor_.IsSymbol(";") || cursor_.IsSymbol(")") ||
        cursor_.IsSymbol(",") || cursor_.IsKeyword("INNER") || cursor_.IsKeyword("LEFT") ||
        cursor_.IsKeyword("RIGHT") || cursor_.IsKeyword("WHERE") || cursor_.IsKeyword("GROUP") ||
        cursor_.IsKeyword("HAVING") || cursor_.IsKeyword("ORDER") || cursor_.IsKeyword("UNION");
    if (!follows) expr.FailAfter();
    if (expr.SawAggregate())
      cursor_.Fail(jeterr::kSyntaxInFrom, "Error de sintaxis en la operación JOIN");
  }
}

std::string JetSelectParser::ParseSourcePrimary(Core& core) {
  std::string sql;
  std::string table;
  std::vector<JetOutputColumn> derivedColumns;
  if (cursor_.AcceptSymbol("(")) {
    cursor_.Enter();
    const bool derived = cursor_.IsKeyword("SELECT");
    if (derived) {
      JetSelect inner = JetSelectParser(cursor_, schema_, outer_, true).Parse();
      sql = "(" + inner.sql + ")";
      derivedColumns = std::move(inner.outputs);
      core.joinedOrDerived = true;
    } else {
      sql = "(" + ParseSourceTerm(core) + ")";
    }
    cursor_.ExpectSymbol(")", jeterr::kSyntaxInFrom, kFromSyntax);
    cursor_.Leave();
    // A parenthesised join takes no alias; a derived table may.
    if (!derived) return sql;
  } else {
    table = cursor_.ExpectName(jeterr::kSyntaxInFrom, kFromSyntax);
    ++core.tables;
    core.table = table;
    // A table in another schema keeps its own name as qualifier.
    core.rowidQualifier = JetExpressionParser::QuoteName(table);
    sql = schema_.TableSql(table);
  }
  std::string alias;
  if (cursor_.AcceptKeyword("AS"))
    alias = cursor_.ExpectName(jeterr::kSyntaxInFrom, kFromSyntax);
  else if (cursor_.IsName())
    alias = cursor_.Next().value;
  if (!alias.empty()) {
    JetObjectName::CheckNew(alias);
    sql += " AS " + JetExpressionParser::QuoteName(alias);
    core.rowidQualifier = JetExpressionParser::QuoteName(alias);
  }
  if (table.empty())
    core.scope.AddDerived(alias, std::move(derivedColumns));
  else
    core.scope.AddTable(alias.empty() ? table : alias, table);
  return sql;
}

}  // namespace dao
