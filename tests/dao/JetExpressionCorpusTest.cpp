/*
** Jet expressions against what Access gives for them under the regional
** settings (decimal comma, dd/mm/yyyy): the corpus in
** tests/data/jet-expressions.txt, one case a line:
**
**   expression <TAB> type <TAB> value
**
** The type is the value's (Integer, Long, Single, Double, Currency, Date,
** String, Boolean, Byte, Decimal, Null), or Error for a statement that
** fails; the value is written as CStr writes it (a Double with its 15
** digits, a Single with 7, a Date as its general date), or the error's
** description. Lines starting with "# " are comments; "## " starts a class
** of cases, whose tally the test prints. Each expression is evaluated as
** the select item of a one-row table:
**
**   n 5   d 2,5   s 'Peña'   z Null   t '37'   f 22/11/2003 22:42:58
**   b True (Yes/No)
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "EngineTestDatabase.h"
#include "common/AppError.h"
#include "common/ValueFormat.h"
#include "dao/functions/JetDateText.h"
#include "dao/functions/JetNumberText.h"
#include "dao/functions/JetTypes.h"

namespace dao {
namespace {

struct Case {
  int line = 0;
  std::string kind;  // the class: the last "## " line before it
  std::string expression, type, value;
};

std::vector<Case> ReadCorpus() {
  std::ifstream in(std::string(REMENDOR_TEST_DATA) + "/jet-expressions.txt");
  std::vector<Case> cases;
  std::string line, kind;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.rfind("## ", 0) == 0) kind = line.substr(3);
    if (line.empty() || line.rfind("# ", 0) == 0 || line.rfind("## ", 0) == 0) continue;
    const std::size_t a = line.find('\t'), b = line.find('\t', a + 1);
    if (a == std::string::npos || b == std::string::npos) {
      ADD_FAILURE() << "line " << number << " is no case: " << line;
      continue;
    }
    cases.push_back(
        {number, kind, line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
  }
  return cases;
}

struct Outcome {
  std::string type, value;
  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  return out << o.type << " [" << o.value << "]";
}

std::string TypeName(int jetType, const Variant& v) {
  switch (jetType) {
    case dbBoolean:
      return "Boolean";
    case dbByte:
      return "Byte";
    case dbInteger:
      return "Integer";
    case dbLong:
      return "Long";
    case dbCurrency:
      return "Currency";
    case dbSingle:
      return "Single";
    case dbDouble:
      return "Double";
    case dbDate:
      return "Date";
    case dbText:
    case dbMemo:
      return "String";
    case dbDecimal:
      return "Decimal";
    default:
      break;
  }
  switch (v.Type()) {
    case VarType::Long:
      return "Long";
    case VarType::Double:
      return "Double";
    case VarType::String:
      return "String";
    default:
      return "?";
  }
}

std::string ValueText(const std::string& type, const Variant& v) {
  if (type == "Boolean") return v.ToBool() ? "-1" : "0";
  if (type == "Single") return JetNumberText::Write(v.ToDouble(), JetNumberText::kSingleDigits);
  if (type == "Double") return JetNumberText::Write(v.ToDouble());
  if (type == "Date") return JetDateText::Write(v.DateValue());
  if (type == "Byte" || type == "Integer" || type == "Long" || type == "String")
    return v.ToString();
  return ValueFormat::ToText(v);
}

class JetExpressionCorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute(
        "CREATE TABLE uno (n LONG, d DOUBLE, s TEXT(20), z TEXT(5), t TEXT(10), f DATETIME, "
        "b LOGICAL)");
    db_.Execute("INSERT INTO uno VALUES (5, 2.5, 'Peña', Null, '37', #11/22/2003 22:42:58#, True)");
  }

  Outcome Evaluate(const std::string& expression) {
    try {
      Recordset rs = db_.Db().OpenRecordset("SELECT " + expression + " FROM uno", dbOpenSnapshot);
      const Field f = rs.Fields(0);
      const Variant v = f.Value();
      if (v.IsNull()) return {"Null", ""};
      const std::string type = TypeName(f.Type(), v);
      return {type, ValueText(type, v)};
    } catch (const AppError& e) {
      // The run time's own words, without the engine's frame around them.
      std::string text = e.Description();
      const std::string head = "Error del motor de base de datos: ";
      const std::size_t tail = text.rfind(" en la instrucción '");
      if (text.rfind(head, 0) == 0 && tail != std::string::npos)
        text = text.substr(head.size(), tail - head.size());
      return {"Error", text};
    }
  }

  test::EngineTestDatabase db_;
};

TEST_F(JetExpressionCorpus, EveryCaseGivesWhatAccessGives) {
  const std::vector<Case> cases = ReadCorpus();
  ASSERT_GT(cases.size(), 300u);
  std::map<std::string, std::pair<int, int>> tally;  // class: passed, all
  std::vector<std::string> order;
  for (const Case& c : cases) {
    const Outcome actual = Evaluate(c.expression);
    const bool passed = actual == Outcome{c.type, c.value};
    if (!tally.count(c.kind)) order.push_back(c.kind);
    auto& [good, all] = tally[c.kind];
    good += passed ? 1 : 0;
    ++all;
    EXPECT_TRUE(passed) << "line " << c.line << ": " << c.expression << "\n  gives    " << actual
                        << "\n  expected " << Outcome{c.type, c.value};
  }
  for (const std::string& kind : order)
    std::printf("%-60s %3d / %3d\n", kind.c_str(), tally[kind].first, tally[kind].second);
}

}  // namespace
}  // namespace dao
