/*
** Jet expressions against what Access gives for them under the regional
** settings (decimal comma, dd/mm/yyyy): the corpus in
** tests/data/jet-expressions.txt, and the run time's own cases beyond it in
** tests/data/jet-library.txt, one case a line:
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
**   n 5   d 2.5   s 'Peña'   z Null   t '37'   f 22/11/2003 22:42:58
**   b True (Yes/No)
*/
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "EngineTestDatabase.h"
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

std::vector<Case> ReadCases(const std::string& file) {
  std::ifstream in(std::string(REMENDOR_TEST_DATA) + "/" + file);
  std::vector<Case> cases;
  std::string line, kind;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.rfind("## ", 0) == 0) kind = line.substr(3);
    if (line.empty() || line.rfind("# ", 0) == 0 || line.rfind("## ", 0) == 0) continue;
    const std::size_t a = line.find('\t'), b = line.find('\t', a + 1);
    if (a == std::string::npos || b == std::string::npos) {
      ADD_FAILURE() << file << ":" << number << " is no case: " << line;
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

// The run time's own words in an engine error, without the engine's frame
// around them.
std::string RunTimeWords(const AppError& e) {
  const std::string text = e.Description();
  const std::string head = "Error del motor de base de datos: ";
  const std::size_t tail = text.rfind(" en la instrucción '");
  if (text.rfind(head, 0) != 0 || tail == std::string::npos) return text;
  return text.substr(head.size(), tail - head.size());
}

class JetExpressionCorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute(
        "CREATE TABLE uno (n LONG, d DOUBLE, s TEXT(20), z TEXT(5), t TEXT(10), f DATETIME, "
        "b LOGICAL)");
    db_.Execute("INSERT INTO uno VALUES (5, 2.5, 'Peña', Null, '37', #11/22/2003 22:42:58#, True)");
  }

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

  // Each case of a file, with the tally of each class printed.
  void ExpectEveryCase(const std::string& file, std::size_t atLeast) {
    const std::vector<Case> cases = ReadCases(file);
    ASSERT_GT(cases.size(), atLeast);
    std::map<std::string, std::pair<int, int>> tally;  // class: passed, all
    std::vector<std::string> order;
    for (const Case& c : cases) {
      const std::string expected = c.type + "\t" + c.value;
      const std::string actual = Evaluate(c.expression);
      if (!tally.count(c.kind)) order.push_back(c.kind);
      auto& [good, all] = tally[c.kind];
      good += actual == expected ? 1 : 0;
      ++all;
      EXPECT_EQ(actual, expected) << file << ":" << c.line << ": " << c.expression;
    }
    for (const std::string& kind : order)
      std::printf("%-70s %3d / %3d\n", kind.c_str(), tally[kind].first, tally[kind].second);
  }

  test::EngineTestDatabase db_;
};

TEST_F(JetExpressionCorpus, EveryCaseGivesWhatAccessGives) {
  ExpectEveryCase("jet-expressions.txt", 300);
}

TEST_F(JetExpressionCorpus, EveryLibraryCaseGivesWhatTheRunTimeGives) {
  ExpectEveryCase("jet-library.txt", 150);
}

}  // namespace
}  // namespace dao
