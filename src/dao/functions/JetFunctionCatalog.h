/*
** JetFunctionCatalog: the one home of every SQL function the engine's
** translations call. Each function is one row (JetFunction): its Jet name,
** the SQL function it becomes, how many arguments it takes, the rule that
** types its result, which arguments it reads as text, whether its result
** depends on its arguments alone, and its implementation. The expression
** parser reads the name and the argument counts, the typing (JetExprTypes)
** the result rule and the text arguments, and the engine's adapter
** (SqliteFunctions) registers the implementations on each connection.
**
** The rows live beside their implementations, one family to a file
** (JetTextFunctions, JetDateFunctions, ...). A new function is one row and
** its implementation in its family's file:
**
**   JetValue Sqr(const JetArgs& args) { ... }
**   Scalar("Sqr", "jet_sqr", 1, 1, Sqr).Returns(dbDouble),
**
** A row without an implementation names an SQL function that someone else
** provides: SQLite's own aggregates (count, avg, min, max), the exact Sum of
** the decimal storage (jet_sum, JetDecimal.h), or nothing at all when the
** translator writes the function out itself (IIf, IsNull). Rows without a
** Jet name are the operators the translator writes (jet_concat, jet_div,
** ...), registered like the rest but never called by name.
**
** A row marked Typed also learns the Jet type the translation gave its first
** argument (JetArgs::FirstType): the translator passes it after the
** arguments, and the adapter takes it off again. A Date, a Single or a
** Yes/No arrives as a plain number, and CStr, Format, VarType and their kin
** answer by the type.
**
** The $ forms (Left$, Str$, Format$, ...) are rows of their own whose
** implementation is NotNull<the plain one>: the same function, but a String
** that cannot be Null, so a Null where the plain form gives Null is "Uso no
** válido de Null.".
**
** Names are found whatever their case. The argument counts are checked by
** the translator (error 3075 for a wrong count); a variadic function (Switch,
** Choose, the runs of & and +) takes up to 127 arguments, SQLite's limit.
*/
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "dao/functions/JetArgs.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetValue.h"

namespace dao {

// How a function's result type follows from its arguments' (JetTypes.h).
enum class JetResultRule {
  Fixed,     // always `type`; 0 when it is known only when the call runs
  Argument,  // the first argument's type (Min, Max, First, Last, CVar)
  Total,     // Sum, Avg: Currency and Date kept, any other number Double
  Numeric,   // Int, Fix, Abs: a number keeps its type, Yes/No is Integer
  Branches,  // IIf: the branches' type when they agree; a Null branch
             // takes the other's
};

using JetScalar = JetValue (*)(const JetArgs& args);

// The state of an aggregate over the rows of one group.
class JetAccumulator {
 public:
  virtual ~JetAccumulator() = default;
  virtual void Step(const JetArgs& args) = 0;
  virtual JetValue Final() = 0;
};
using JetAccumulatorFactory = std::unique_ptr<JetAccumulator> (*)();

struct JetFunction {
  std::string_view name;     // as Jet spells it; "" for an operator
  std::string_view sqlName;  // "" when the translator writes it out
  int minArgs = 0;
  int maxArgs = 0;
  JetResultRule rule = JetResultRule::Fixed;
  int type = 0;                                 // JetResultRule::Fixed: the result's Jet type
  unsigned textArgs = 0;                        // bit i: argument i is read as text
  unsigned (*textArgsOf)(int count) = nullptr;  // instead, by the count given
  bool aggregate = false;
  bool variadic = false;                        // registered once for any count
  bool deterministic = true;                    // the result depends on the arguments alone
  bool typed = false;                           // also given its first argument's Jet type
  JetScalar scalar = nullptr;                   // the implementation
  JetAccumulatorFactory accumulator = nullptr;  // an aggregate's

  constexpr JetFunction Returns(int resultType) const {
    JetFunction f = *this;
    f.rule = JetResultRule::Fixed;
    f.type = resultType;
    return f;
  }
  constexpr JetFunction Follows(JetResultRule resultRule) const {
    JetFunction f = *this;
    f.rule = resultRule;
    return f;
  }
  constexpr JetFunction Text(unsigned mask) const {
    JetFunction f = *this;
    f.textArgs = mask;
    return f;
  }
  constexpr JetFunction TextBy(unsigned (*byCount)(int count)) const {
    JetFunction f = *this;
    f.textArgsOf = byCount;
    return f;
  }
  constexpr JetFunction Variadic() const {
    JetFunction f = *this;
    f.variadic = true;
    return f;
  }
  constexpr JetFunction Volatile() const {
    JetFunction f = *this;
    f.deterministic = false;
    return f;
  }
  constexpr JetFunction Typed() const {
    JetFunction f = *this;
    f.typed = true;
    return f;
  }

  // Bit i set: argument i of a call with `count` arguments is read as text.
  unsigned TextArguments(int count) const { return textArgsOf ? textArgsOf(count) : textArgs; }
};

// A function with its implementation.
constexpr JetFunction Scalar(std::string_view name, std::string_view sqlName, int minArgs,
                             int maxArgs, JetScalar implementation) {
  JetFunction f;
  f.name = name;
  f.sqlName = sqlName;
  f.minArgs = minArgs;
  f.maxArgs = maxArgs;
  f.scalar = implementation;
  return f;
}

// An aggregate of one argument with its implementation.
constexpr JetFunction Aggregate(std::string_view name, std::string_view sqlName,
                                JetAccumulatorFactory implementation) {
  JetFunction f = Scalar(name, sqlName, 1, 1, nullptr);
  f.aggregate = true;
  f.accumulator = implementation;
  return f;
}

// A function that SQLite, the storage or the translator provides.
constexpr JetFunction Provided(std::string_view name, std::string_view sqlName, int minArgs,
                               int maxArgs, bool aggregate = false) {
  JetFunction f = Scalar(name, sqlName, minArgs, maxArgs, nullptr);
  f.aggregate = aggregate;
  return f;
}

// The implementation of a $ form: the plain one's result, never Null.
template <JetScalar Plain>
JetValue NotNull(const JetArgs& args) {
  JetValue value = Plain(args);
  if (value.IsNull()) jetfn::Fail(jetfn::kInvalidNull);
  return value;
}

// An operator the translator writes: no Jet name.
constexpr JetFunction Operator(std::string_view sqlName, int args, JetScalar implementation) {
  return Scalar("", sqlName, args, args, implementation);
}

class JetFunctionCatalog {
 public:
  // The function of that Jet name, or nullptr.
  static const JetFunction* Find(std::string_view name);

  // Every row: the functions, then the operators.
  static const std::vector<JetFunction>& All();
};

}  // namespace dao
