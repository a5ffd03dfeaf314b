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
** the select item of JetLibraryFixture's one-row table.
*/
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "JetLibraryFixture.h"
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

// The type's name from the field's Jet type; an untyped expression's from
// its value.
std::string TypeName(int jetType, const Variant& v) {
  static const std::map<int, std::string> kNames = {
      {dbBoolean, "Boolean"},   {dbByte, "Byte"},     {dbInteger, "Integer"}, {dbLong, "Long"},
      {dbCurrency, "Currency"}, {dbSingle, "Single"}, {dbDouble, "Double"},   {dbDate, "Date"},
      {dbText, "String"},       {dbMemo, "String"},   {dbDecimal, "Decimal"}};
  if (const auto it = kNames.find(jetType); it != kNames.end()) return it->second;
  if (v.Type() == VarType::Long) return "Long";
  if (v.Type() == VarType::Double) return "Double";
  return v.Type() == VarType::String ? "String" : "?";
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

class JetExpressionCorpus : public test::JetLibraryFixture {
 protected:
  // The type and value an expression gives, as the corpus writes them.
  std::string Evaluate(const std::string& expression) {
    try {
      Recordset rs = db_.Db().OpenRecordset("SELECT " + expression + " FROM uno", dbOpenSnapshot);
      const Field f = rs.Fields(0);
      const Variant v = f.Value();
      if (v.IsNull()) return "Null\t";
      const std::string type = TypeName(f.Type(), v);
      return type + "\t" + ValueText(type, v);
    } catch (const AppError& e) {
      return "Error\t" + RunTimeWords(e);
    }
  }
};

TEST_F(JetExpressionCorpus, EveryCaseGivesWhatAccessGives) {
  const std::vector<Case> cases = ReadCorpus();
  ASSERT_GT(cases.size(), 300u);
  std::map<std::string, std::pair<int, int>> tally;  // class: passed, all
  std::vector<std::string> order;
  for (const Case& c : cases) {
    const std::string expected = c.type + "\t" + c.value;
    const std::string actual = Evaluate(c.expression);
    if (!tally.count(c.kind)) order.push_back(c.kind);
    auto& [good, all] = tally[c.kind];
    good += actual == expected ? 1 : 0;
    ++all;
    EXPECT_EQ(actual, expected) << "line " << c.line << ": " << c.expression;
  }
  for (const std::string& kind : order)
    std::printf("%-60s %3d / %3d\n", kind.c_str(), tally[kind].first, tally[kind].second);
}

}  // namespace
}  // namespace dao
