/*
** JetLibraryFixture: an engine database with one row of every kind of
** value, on which the library function tests and the corpus evaluate Jet
** expressions through real SELECT statements.
**
**   n 5   d 2.5   s 'Peña'   z Null   t '37'   f 22/11/2003 22:42:58
**   b True (Yes/No)
*/
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "EngineTestDatabase.h"
#include "common/AppError.h"

namespace dao::test {

class JetLibraryFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute(
        "CREATE TABLE uno (n LONG, d DOUBLE, s TEXT(20), z TEXT(5), t TEXT(10), f DATETIME, "
        "b LOGICAL)");
    db_.Execute("INSERT INTO uno VALUES (5, 2.5, 'Peña', Null, '37', #11/22/2003 22:42:58#, True)");
  }

  std::string Eval(const std::string& expression) {
    return db_.Scalar("SELECT " + expression + " FROM uno");
  }

  // The run time's own words in an engine error, without the engine's frame
  // around them.
  static std::string RunTimeWords(const AppError& e) {
    const std::string text = e.Description();
    const std::string head = "Error del motor de base de datos: ";
    const std::size_t tail = text.rfind(" en la instrucción '");
    if (text.rfind(head, 0) != 0 || tail == std::string::npos) return text;
    return text.substr(head.size(), tail - head.size());
  }

  // The run-time error an expression raises; "" when none.
  std::string Failure(const std::string& expression) {
    try {
      Eval(expression);
    } catch (const AppError& e) {
      return RunTimeWords(e);
    }
    return "";
  }

  // Each expression against its expected value, naming the expression on a
  // mismatch.
  void ExpectAll(std::initializer_list<std::pair<const char*, const char*>> cases) {
    for (const auto& [expression, expected] : cases)
      EXPECT_EQ(Eval(expression), expected) << expression;
  }

  static constexpr const char* kInvalidCall = "Llamada a procedimiento o argumento no válido.";
  static constexpr const char* kInvalidNull = "Uso no válido de Null.";
  static constexpr const char* kOverflow = "Desbordamiento.";
  static constexpr const char* kTypeMismatch =
      "No coinciden los tipos de datos en la expresión de criterios.";
  static constexpr const char* kDivisionByZero = "División por cero.";

  EngineTestDatabase db_;
};

}  // namespace dao::test
