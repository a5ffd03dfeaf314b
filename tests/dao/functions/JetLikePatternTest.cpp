/*
** Jet's LIKE patterns: its wildcards, with % and _ as plain characters, and
** letters matched as the JET collation compares them.
*/
#include <gtest/gtest.h>

#include <tuple>

#include "dao/functions/JetLikePattern.h"

namespace dao {
namespace {

TEST(JetLikePattern, JetWildcardsWithPercentAndUnderscorePlain) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"Peñalba", "Pe*", true},
      {"Peñalba", "*alba", true},
      {"Peñalba", "P*a*a", true},
      {"Peñalba", "P*x*", false},
      {"abc", "a?c", true},
      {"ac", "a?c", false},
      {"a1c", "a#c", true},
      {"abc", "a#c", false},
      {"a%c", "a%c", true},
      {"abc", "a%c", false},
      {"a_c", "a_c", true},
      {"abc", "a_c", false},
      {"b", "[a-c]", true},
      {"B", "[a-c]", true},
      {"d", "[a-c]", false},
      {"d", "[!a-c]", true},
      {"a*", "a[*]", true},
      {"ab", "a[*]", false},
      {"-", "[a-]", true},
      {"ñ", "[a-z]", true},
      {"ÁRBOL", "árbol", true},
      {"arbol", "árbol", false},
      {"", "*", true},
      {"abc", "abc[]", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
  };
  for (const auto& [text, pattern, matches] : cases) {
    const auto compiled = JetLikePattern::Compile(pattern);
    ASSERT_TRUE(compiled.has_value()) << pattern;
    EXPECT_EQ(compiled->Matches(text), matches) << text << " LIKE " << pattern;
  }
  EXPECT_FALSE(JetLikePattern::Compile("[a").has_value());
}

}  // namespace
}  // namespace dao
