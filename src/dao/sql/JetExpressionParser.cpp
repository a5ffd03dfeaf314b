/*
** Translation of Jet expressions. See JetExpressionParser.h.
**
** Each precedence level is a loop over its operators. A level builds its
** result as a run of opening pieces, written in reverse at the end, and a
** body that grows to the right: "(((a = b) AND c) OR d)" costs one copy of
** each operand, so long chains of AND, OR or & stay linear.
**
** A run of one operator is written flat, not nested: "a & b & c" becomes
** jet_concat(a, b, c), "a / b / c" jet_div(a, b, c), "a XOR b XOR c"
** jet_xor(a, b, c) (and so for \, Mod, ^, EQV and IMP), and "a + b - c"
** becomes (a + b - c). SQLite's parser has a fixed stack, and each nesting
** level costs it room: an export line that joins a few dozen fields would
** otherwise fail with "parser stack overflow". Both forms mean the same,
** since each of these operators is evaluated left to right and the
** functions fold their arguments so. A function takes at most
** kRunArguments arguments (SQLite's own limit is 127); a longer run goes on
** in a call around the first. A run of OR or of AND longer than kFlatRun
** is written as its two halves joined, "((a OR b ...) OR (... y OR z))",
** each half the same way: SQLite caps the depth of an expression at 1000,
** and both operators are associative, so the tree means what the chain
** does at the depth of its logarithm.
*/
#include "dao/sql/JetExpressionParser.h"

#include <algorithm>

#include "dao/functions/JetFunctionCatalog.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetExprTypes.h"

namespace dao {

namespace {

constexpr int kRunArguments = 100;
// The longest run of OR or AND written flat.
constexpr std::size_t kFlatRun = 64;

// The operator of a run that can be written flat.
enum class Run { None, Infix, Function };

// One level's result under construction; see the file header.
class Chain {
 public:
  explicit Chain(JetExpr first) : expr_(std::move(first)) {}

  JetExprKind Kind() const { return expr_.kind; }
  // The expression so far: its kind, type and, while it is one, column.
  JetExpr& Head() { return expr_; }
  void SetType(int type) { expr_.type = type; }
  void SetNumeric() { expr_.numeric = true; }
  bool IsColumn() const { return prefixes_.empty() && expr_.kind == JetExprKind::Column; }
  bool IsNumber() const { return prefixes_.empty() && expr_.kind == JetExprKind::Number; }

  // The left operand of an arithmetic or comparison: a truth value as -1 / 0.
  void LeftAsValue() {
    if (expr_.kind == JetExprKind::Truth) Wrap("(-", ")", JetExprKind::Value);
  }

  void Wrap(std::string_view prefix, std::string_view suffix, JetExprKind kind) {
    prefixes_.push_back(prefix);
    expr_.sql += suffix;
    expr_.kind = kind;
    expr_.type = 0;
    expr_.numeric = false;
    expr_.column.clear();
    expr_.qualifier.clear();
    run_ = Run::None;
  }

  // Wrap(prefix, infix + ")"), or, when the last step was the same operator
  // (same `prefix`), `infix` goes inside its closing ")" instead.
  void Join(Run run, std::string_view prefix, const std::string& infix, JetExprKind kind) {
    const bool extend =
        run_ == run && runPrefix_ == prefix && (run == Run::Infix || runOperands_ < kRunArguments);
    if (extend) {
      expr_.sql.pop_back();
      expr_.sql += infix;
      expr_.sql += ')';
      expr_.kind = kind;
      expr_.type = 0;
      expr_.numeric = false;
      runOperands_++;
      return;
    }
    Wrap(prefix, infix + ")", kind);
    run_ = run;
    runPrefix_ = prefix;
    runOperands_ = 2;
  }

  JetExpr Take() {
    if (prefixes_.empty()) return std::move(expr_);
    std::string sql;
    size_t size = expr_.sql.size();
    for (auto p : prefixes_) size += p.size();
    sql.reserve(size);
    for (auto p = prefixes_.rbegin(); p != prefixes_.rend(); ++p) sql += *p;
    sql += expr_.sql;
    expr_.sql = std::move(sql);
    prefixes_.clear();
    return std::move(expr_);
  }

 private:
  JetExpr expr_;
  std::vector<std::string_view> prefixes_;
  Run run_ = Run::None;
  std::string_view runPrefix_;
  int runOperands_ = 0;
};

bool IsComparison(const JetSqlToken& t) {
  if (t.kind != JetTokenKind::Symbol) return false;
  return t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" || t.text == "<=" ||
         t.text == ">=";
}

// Bounds whose order the translation can tell: two number (or date)
// literals, or two text literals.
bool KnownBounds(const JetExpr& low, const JetExpr& high) {
  auto literal = [](const JetExpr& e) {
    if (e.kind == JetExprKind::Number) return true;
    return e.kind == JetExprKind::Text && e.sql.size() >= 2 && e.sql.front() == '\'' &&
           e.sql.back() == '\'';
  };
  return literal(low) && literal(high) &&
         (low.kind == JetExprKind::Number) == (high.kind == JetExprKind::Number);
}

}  // namespace

JetExpressionParser::JetExpressionParser(JetTokenCursor& cursor, SubqueryParser subquery,
                                         const JetScope* scope)
    : cursor_(cursor), subquery_(std::move(subquery)), scope_(scope) {}

JetExpr JetExpressionParser::Parse(int number, std::string_view what) {
  start_ = cursor_.Position();
  contextNumber_ = number;
  contextWhat_ = what;
  return ParseImp();
}

std::string JetExpressionParser::ParseCondition(int number, std::string_view what) {
  return Parse(number, what).sql;
}

std::string JetExpressionParser::ParseValue(int number, std::string_view what) {
  return AsValue(Parse(number, what));
}

void JetExpressionParser::Fail() const {
  if (cursor_.Position() == start_) cursor_.Fail(contextNumber_, contextWhat_);
  FailAfter();
}

void JetExpressionParser::FailAfter() const {
  const auto& t = cursor_.Peek();
  const std::string reason = t.kind == JetTokenKind::Error ? t.value : "falta operador";
  jeterr::Raise(jeterr::msg::kSyntaxInQueryExpression, {reason, cursor_.SourceFrom(start_)});
}

JetExpr JetExpressionParser::ParseLogicalFunction(std::string_view keyword, const char* function,
                                                  JetExpr (JetExpressionParser::*next)()) {
  Chain chain((this->*next)());
  while (cursor_.AcceptKeyword(keyword)) {
    JetExpr right = (this->*next)();
    chain.Join(Run::Function, function, ", " + right.sql, JetExprKind::Truth);
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParseBalanced(std::string_view keyword,
                                           JetExpr (JetExpressionParser::*next)()) {
  JetExpr first = (this->*next)();
  if (!cursor_.IsKeyword(keyword)) return first;
  std::vector<std::string> operands;
  operands.push_back(std::move(first.sql));
  while (cursor_.AcceptKeyword(keyword)) operands.push_back((this->*next)().sql);
  const std::string infix = " " + std::string(keyword) + " ";
  // A run short enough is written flat, (a OR b OR c); a longer one as its
  // two halves joined, each half the same way.
  std::string sql;
  auto join = [&](auto& self, std::size_t begin, std::size_t end) -> void {
    const bool flat = end - begin <= kFlatRun;
    const std::size_t middle = begin + (end - begin + 1) / 2;
    sql += '(';
    for (std::size_t i = begin; flat && i < end; ++i) {
      if (i > begin) sql += infix;
      sql += operands[i];
    }
    if (!flat) {
      self(self, begin, middle);
      sql += infix;
      self(self, middle, end);
    }
    sql += ')';
  };
  join(join, 0, operands.size());
  return {std::move(sql), JetExprKind::Truth, "", ""};
}

JetExpr JetExpressionParser::ParseImp() {
  return ParseLogicalFunction("IMP", "jet_imp(", &JetExpressionParser::ParseEqv);
}
JetExpr JetExpressionParser::ParseEqv() {
  return ParseLogicalFunction("EQV", "jet_eqv(", &JetExpressionParser::ParseXor);
}
JetExpr JetExpressionParser::ParseXor() {
  return ParseLogicalFunction("XOR", "jet_xor(", &JetExpressionParser::ParseOr);
}

JetExpr JetExpressionParser::ParseOr() {
  return ParseBalanced("OR", &JetExpressionParser::ParseAnd);
}

JetExpr JetExpressionParser::ParseAnd() {
  return ParseBalanced("AND", &JetExpressionParser::ParseNot);
}

JetExpr JetExpressionParser::ParseNot() {
  if (!cursor_.AcceptKeyword("NOT")) return ParseComparison();
  cursor_.Enter();
  JetExpr operand = ParseNot();
  cursor_.Leave();
  return {"(NOT " + operand.sql + ")", JetExprKind::Truth, "", ""};
}

JetExpr JetExpressionParser::ParseComparison() {
  Chain chain(ParseConcat());
  while (true) {
    if (IsComparison(cursor_.Peek())) {
      const std::string op(cursor_.Next().text);
      JetExpr right = ParseConcat();
      const int text = TextAgainstDate(chain.Head(), right);
      const int number = text == 0 ? TextAgainstNumber(chain.Head(), right) : 0;
      const bool collate = text == 0 && number == 0 && !chain.IsColumn() &&
                           right.kind != JetExprKind::Column && !chain.IsNumber() &&
                           right.kind != JetExprKind::Number;
      chain.LeftAsValue();
      if (text == 1) chain.Wrap("jet_textdate(", ")", JetExprKind::Value);
      if (number == 1) chain.Wrap("jet_textnumber(", ")", JetExprKind::Value);
      std::string rightSql = AsValue(right);
      if (text == 2) rightSql = "jet_textdate(" + rightSql + ")";
      if (number == 2) rightSql = "jet_textnumber(" + rightSql + ")";
      chain.Wrap("(", " " + op + " " + rightSql + (collate ? " COLLATE JET)" : ")"),
                 JetExprKind::Truth);
      continue;
    }
    const bool negated =
        cursor_.IsKeyword("NOT") && (cursor_.IsKeyword("LIKE", 1) ||
                                     cursor_.IsKeyword("BETWEEN", 1) || cursor_.IsKeyword("IN", 1));
    if (negated) cursor_.Next();
    const std::string no = negated ? " NOT" : "";
    if (cursor_.AcceptKeyword("LIKE")) {
      JetExpr pattern = ParseConcat();
      if (cursor_.IsKeyword("ESCAPE")) {
        jeterr::Raise(jeterr::msg::kInvalidEscape, {cursor_.SourceFrom(start_)});
      }
      chain.LeftAsValue();
      if (TypeOf(chain.Head()) == dbDate) chain.Wrap("jet_datetext(", ")", JetExprKind::Text);
      chain.Wrap("(", no + " LIKE " + AsValue(pattern) + ")", JetExprKind::Truth);
    } else if (cursor_.AcceptKeyword("IS")) {
      const bool isNot = cursor_.AcceptKeyword("NOT");
      if (!cursor_.AcceptKeyword("NULL")) Fail();
      chain.LeftAsValue();
      chain.Wrap("(", isNot ? " IS NOT NULL)" : " IS NULL)", JetExprKind::Truth);
    } else if (cursor_.AcceptKeyword("BETWEEN")) {
      JetExpr low = ParseConcat();
      if (!cursor_.AcceptKeyword("AND")) Fail();
      JetExpr high = ParseConcat();
      // Jet takes the bounds in either order.
      const bool known = KnownBounds(low, high);
      if (known && Reversed(low, high)) std::swap(low, high);
      const int lowText = TextAgainstDate(chain.Head(), low);
      const int highText = TextAgainstDate(chain.Head(), high);
      const bool collate = lowText == 0 && highText == 0 && !chain.IsColumn() && !chain.IsNumber();
      auto bound = [collate](const JetExpr& e, int text) {
        if (text == 2) return "jet_textdate(" + AsValue(e) + ")";
        const bool collated =
            collate && e.kind != JetExprKind::Number && e.kind != JetExprKind::Column;
        return AsValue(e) + (collated ? " COLLATE JET" : "");
      };
      std::string lowSql = bound(low, lowText), highSql = bound(high, highText);
      if (!known) {
        const std::string both = lowSql + ", " + highSql + ")";
        lowSql = "min(" + both;
        highSql = "max(" + both;
      }
      chain.LeftAsValue();
      if (lowText == 1 || highText == 1) chain.Wrap("jet_textdate(", ")", JetExprKind::Value);
      chain.Wrap("(", no + " BETWEEN " + lowSql + " AND " + highSql + ")", JetExprKind::Truth);
    } else if (cursor_.AcceptKeyword("IN")) {
      bool collate = !chain.IsColumn();
      if (!cursor_.IsSymbol("(")) Fail();
      std::string list;
      if (cursor_.IsKeyword("SELECT", 1)) {
        cursor_.Next();
        cursor_.Enter();
        list = subquery_(cursor_);
        cursor_.Leave();
        if (!cursor_.AcceptSymbol(")")) Fail();
      } else {
        for (auto& item : ParseArguments()) {
          if (!list.empty()) list += ", ";
          // A Date among texts: each text that is a date is compared as one.
          if (TextAgainstDate(chain.Head(), item) == 2) {
            list += "jet_textdate(" + AsValue(item) + ")";
            collate = false;
          } else {
            list += AsValue(item);
          }
        }
        if (list.empty()) Fail();
      }
      chain.LeftAsValue();
      chain.Wrap("(", (collate ? " COLLATE JET" : "") + no + " IN (" + list + "))",
                 JetExprKind::Truth);
    } else {
      if (negated) Fail();
      break;
    }
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParseConcat() {
  Chain chain(ParseAdditive());
  if (!cursor_.IsSymbol("&")) return chain.Take();
  if (TypeOf(chain.Head()) == dbDate) chain.Wrap("jet_datetext(", ")", JetExprKind::Text);
  while (cursor_.AcceptSymbol("&")) {
    JetExpr right = ParseAdditive();
    chain.LeftAsValue();
    chain.Join(Run::Function, "jet_concat(", ", " + TextOperand(right), JetExprKind::Text);
    chain.SetType(dbText);
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParseAdditive() {
  Chain chain(ParseMod());
  while (cursor_.IsSymbol("+") || cursor_.IsSymbol("-")) {
    const bool plus = cursor_.Next().text == "+";
    JetExpr right = ParseMod();
    const int type =
        JetExprTypes::Arithmetic(plus ? '+' : '-', TypeOf(chain.Head()), TypeOf(right));
    const bool text = MayBeText(chain.Head()) || MayBeText(right);
    auto known = [this](JetExpr& e) {
      return e.kind == JetExprKind::Text || JetExprTypes::IsText(TypeOf(e));
    };
    const bool both = known(chain.Head()) && known(right);
    chain.LeftAsValue();
    if (text) {
      // + joins two texts in Jet; SQLite's + and - would read any text as
      // a number of their own.
      chain.Join(Run::Function, plus ? "jet_add(" : "jet_sub(", ", " + AsValue(right),
                 plus && both ? JetExprKind::Text : JetExprKind::Value);
      chain.SetType(plus && both ? dbText : type);
      if (!plus) chain.SetNumeric();
    } else if (JetExprTypes::IsDecimalArithmetic(TypeOf(chain.Head()), TypeOf(right))) {
      chain.Wrap(plus ? "jet_decadd(" : "jet_decsub(", ", " + AsValue(right) + ")",
                 JetExprKind::Value);
      chain.SetType(dbDecimal);
      chain.SetNumeric();
    } else {
      chain.Join(Run::Infix, "(", (plus ? " + " : " - ") + AsValue(right), JetExprKind::Value);
      chain.SetType(type);
      chain.SetNumeric();
    }
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParseMod() {
  Chain chain(ParseIntegerDivision());
  while (cursor_.AcceptKeyword("MOD")) {
    JetExpr right = ParseIntegerDivision();
    chain.LeftAsValue();
    chain.Join(Run::Function, "jet_mod(", ", " + AsValue(right), JetExprKind::Value);
    chain.SetNumeric();
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParseIntegerDivision() {
  Chain chain(ParseMultiplicative());
  while (cursor_.AcceptSymbol("\\")) {
    JetExpr right = ParseMultiplicative();
    chain.LeftAsValue();
    chain.Join(Run::Function, "jet_idiv(", ", " + AsValue(right), JetExprKind::Value);
    chain.SetNumeric();
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParseMultiplicative() {
  Chain chain(ParsePower());
  while (cursor_.IsSymbol("*") || cursor_.IsSymbol("/")) {
    const bool times = cursor_.Next().text == "*";
    JetExpr right = ParsePower();
    const int type =
        JetExprTypes::Arithmetic(times ? '*' : '/', TypeOf(chain.Head()), TypeOf(right));
    const bool text = MayBeText(chain.Head()) || MayBeText(right);
    chain.LeftAsValue();
    // SQLite divides integers as integers; Jet's / always gives a fraction.
    const bool decimal = JetExprTypes::IsDecimalArithmetic(TypeOf(chain.Head()), TypeOf(right));
    if (times && text)
      chain.Join(Run::Function, "jet_mul(", ", " + AsValue(right), JetExprKind::Value);
    else if (times && decimal)
      chain.Wrap("jet_decmul(", ", " + AsValue(right) + ")", JetExprKind::Value);
    else if (times)
      chain.Join(Run::Infix, "(", " * " + AsValue(right), JetExprKind::Value);
    else
      chain.Join(Run::Function, "jet_div(", ", " + AsValue(right), JetExprKind::Value);
    chain.SetType(times && decimal && !text ? dbDecimal : type);
    chain.SetNumeric();
  }
  return chain.Take();
}

JetExpr JetExpressionParser::ParsePower() {
  Chain chain(ParseUnary());
  while (cursor_.AcceptSymbol("^")) {
    JetExpr right = ParseUnary();
    const int type = JetExprTypes::Arithmetic('^', TypeOf(chain.Head()), TypeOf(right));
    chain.LeftAsValue();
    chain.Join(Run::Function, "jet_pow(", ", " + AsValue(right), JetExprKind::Value);
    chain.SetType(type);
    chain.SetNumeric();
  }
  return chain.Take();
}

// A sign binds tighter than ^ in Jet: -10 ^ 2 is (-10) ^ 2.
JetExpr JetExpressionParser::ParseUnary() {
  if (cursor_.AcceptSymbol("+")) {
    cursor_.Enter();
    JetExpr operand = ParseUnary();
    cursor_.Leave();
    return operand;
  }
  if (!cursor_.AcceptSymbol("-")) return ParseAtom();
  cursor_.Enter();
  JetExpr operand = ParseUnary();
  cursor_.Leave();
  // "--" would start an SQL comment: a second minus goes in parentheses.
  if (operand.kind == JetExprKind::Number && operand.sql[0] != '-') {
    return {"-" + operand.sql, JetExprKind::Number, "", "", operand.type};
  }
  const int type = JetExprTypes::Negated(TypeOf(operand));
  if (MayBeText(operand))
    return {"jet_neg(" + AsValue(operand) + ")", JetExprKind::Value, "", "", type, true};
  return {"(- " + AsValue(operand) + ")", JetExprKind::Value, "", "", type, true};
}

JetExpr JetExpressionParser::ParseAtom() {
  const JetSqlToken& t = cursor_.Peek();
  switch (t.kind) {
    case JetTokenKind::Number: {
      JetExpr e{std::string(t.text), JetExprKind::Number, "", "",
                JetExprTypes::NumberLiteral(t.text)};
      cursor_.Next();
      return e;
    }
    case JetTokenKind::Date: {
      JetExpr e{t.value, JetExprKind::Number, "", "", dbDate};
      cursor_.Next();
      return e;
    }
    case JetTokenKind::Text: {
      JetExpr e{QuoteText(t.value), JetExprKind::Text, "", "", dbText};
      cursor_.Next();
      return e;
    }
    case JetTokenKind::Symbol: {
      if (!cursor_.IsSymbol("(")) Fail();
      cursor_.Next();
      cursor_.Enter();
      JetExpr inner;
      if (cursor_.IsKeyword("SELECT")) {
        inner = {"(" + subquery_(cursor_) + ")", JetExprKind::Value, "", ""};
      } else {
        inner = ParseImp();
      }
      cursor_.Leave();
      if (!cursor_.AcceptSymbol(")")) Fail();
      return inner;
    }
    case JetTokenKind::Name:
      if (cursor_.AcceptKeyword("TRUE")) return {"-1", JetExprKind::Number, "", ""};
      if (cursor_.AcceptKeyword("FALSE")) return {"0", JetExprKind::Number, "", ""};
      if (cursor_.AcceptKeyword("NULL")) return {"NULL", JetExprKind::Value, "", ""};
      if (cursor_.IsKeyword("EXISTS")) {
        cursor_.Next();
        if (!cursor_.IsSymbol("(") || !cursor_.IsKeyword("SELECT", 1)) Fail();
        cursor_.Next();
        cursor_.Enter();
        std::string sub = subquery_(cursor_);
        cursor_.Leave();
        if (!cursor_.AcceptSymbol(")")) Fail();
        return {"(EXISTS (" + sub + "))", JetExprKind::Truth, "", ""};
      }
      if (cursor_.IsSymbol("(", 1)) return ParseFunction(t.value);
      if (!cursor_.IsName()) Fail();
      return ParseColumn();
    case JetTokenKind::BracketName:
      return ParseColumn();
    default:
      Fail();
  }
}

JetExpr JetExpressionParser::ParseColumn() {
  JetExpr e;
  e.kind = JetExprKind::Column;
  e.column = cursor_.Next().value;
  if (cursor_.IsSymbol(".") && cursor_.IsName(1)) {
    cursor_.Next();
    e.qualifier = std::move(e.column);
    e.column = cursor_.Next().value;
    e.sql = QuoteName(e.qualifier) + "." + QuoteName(e.column);
  } else {
    e.sql = QuoteName(e.column);
  }
  return e;
}

std::vector<JetExpr> JetExpressionParser::ParseArguments() {
  std::vector<JetExpr> args;
  if (!cursor_.AcceptSymbol("(")) Fail();
  cursor_.Enter();
  if (!cursor_.AcceptSymbol(")")) {
    do {
      args.push_back(ParseImp());
    } while (cursor_.AcceptSymbol(","));
    if (!cursor_.AcceptSymbol(")")) Fail();
  }
  cursor_.Leave();
  return args;
}

JetExpr JetExpressionParser::ParseFunction(const std::string& name) {
  const JetFunction* entry = JetFunctionCatalog::Find(name);
  if (entry == nullptr) jeterr::Raise(jeterr::msg::kUndefinedFunction, {name});
  cursor_.Next();
  if (entry->aggregate) sawAggregate_ = true;
  if (entry->sqlName == "count" && cursor_.IsSymbol("*", 1) && cursor_.IsSymbol(")", 2)) {
    cursor_.Next();
    cursor_.Next();
    cursor_.Next();
    return {"count(*)", JetExprKind::Value, "", "", dbLong};
  }
  std::vector<JetExpr> args = ParseArguments();
  const int count = static_cast<int>(args.size());
  if (count < entry->minArgs || count > entry->maxArgs) {
    jeterr::Raise(jeterr::msg::kWrongArgumentCount, {cursor_.SourceRead(start_)});
  }
  auto argumentType = [&](int i) {
    JetExpr& arg = args[static_cast<std::size_t>(i)];
    return arg.kind == JetExprKind::Value && arg.sql == "NULL" ? JetExprTypes::kNull : TypeOf(arg);
  };
  const int type = JetExprTypes::FunctionResult(*entry, count, argumentType);
  if (entry->name == "IIf") {
    const bool text = args[1].kind == JetExprKind::Text && args[2].kind == JetExprKind::Text;
    return {"(CASE WHEN " + args[0].sql + " THEN " + AsValue(args[1]) + " ELSE " +
                AsValue(args[2]) + " END)",
            text ? JetExprKind::Text : JetExprKind::Value, "", "", type};
  }
  if (entry->name == "IsNull")
    return {"(" + AsValue(args[0]) + " IS NULL)", JetExprKind::Truth, "", ""};
  const unsigned textArguments = entry->TextArguments(count);
  std::string sql(entry->sqlName);
  sql += '(';
  for (int i = 0; i < count; ++i) {
    if (i > 0) sql += ", ";
    JetExpr& arg = args[static_cast<std::size_t>(i)];
    sql += (textArguments >> i & 1u) != 0 ? TextOperand(arg) : AsValue(arg);
  }
  if (entry->typed)
    sql += (count > 0 ? ", " : "") + std::to_string(count > 0 ? std::max(argumentType(0), 0) : 0);
  sql += ')';
  const bool text = entry->rule == JetResultRule::Fixed && entry->type == dbText;
  // Functions of numbers give numbers, whatever their arguments' types.
  const bool numeric = entry->rule == JetResultRule::Numeric || entry->rule == JetResultRule::Total;
  return {std::move(sql), text ? JetExprKind::Text : JetExprKind::Value, "", "", type, numeric};
}

}  // namespace dao
