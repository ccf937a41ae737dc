#include "analysis/condition_evaluator.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/define_table.h"

namespace mora {
namespace {

DefineTable defines() {
  DefineTable t;
  for (const char* line : {"VERSION,3", "FLAG", "NAME abc", "NEG -5"})
    t.add(*parseDefineLine(line));
  return t;
}

std::int32_t eval(std::string_view text) { return evaluateCondition(text, defines()); }
ConditionError errorOf(std::string_view text) { return evaluateExpression(text).error; }

TEST(ConditionEvaluator, SubstitutesNamesByKind) {
  EXPECT_EQ(substituteMacros("VERSION>=3", defines()), " 3  >= 3");
  EXPECT_EQ(substituteMacros("FLAG", defines()), " ");
  EXPECT_EQ(substituteMacros("MISSING&&NAME", defines()), " 0  & & 0 ");
  EXPECT_EQ(substituteMacros("(NEG)", defines()), " ( -5  )");
}

TEST(ConditionEvaluator, LeftToRightWithoutPrecedence) {
  EXPECT_EQ(eval("1 + 2 == 3"), 1);
  EXPECT_EQ(eval("3 == 1 + 2"), 2);  // (3 == 1) + 2
  EXPECT_EQ(eval("VERSION >= 3"), 1);
  EXPECT_EQ(eval("MISSING >= 3"), 0);
  EXPECT_EQ(eval("NEG < 0"), 1);
  EXPECT_EQ(eval("10 - 4 - 3"), 3);
  EXPECT_EQ(eval("2 != 2"), 0);
  EXPECT_EQ(eval("2 <= 2"), 1);
  EXPECT_EQ(eval("-1 < 0"), 1);
  EXPECT_EQ(eval("1 == -1"), 0);
}

TEST(ConditionEvaluator, NegationAndParentheses) {
  EXPECT_EQ(eval("!0"), 1);
  EXPECT_EQ(eval("!!7"), 7);  // two toggles cancel: the value stays
  EXPECT_EQ(eval("!MISSING"), 1);
  EXPECT_EQ(eval("!(1 + 1)"), 0);
  EXPECT_EQ(eval("((1 + 2) == 3) + 5"), 6);
  EXPECT_EQ(eval("!1 + 1"), 1);
}

TEST(ConditionEvaluator, EveryErrorIsFalse) {
  EXPECT_EQ(errorOf(" ( 1"), ConditionError::CloseExpected);
  EXPECT_EQ(errorOf(" "), ConditionError::LValueExpected);
  EXPECT_EQ(errorOf(" 1 & & 1"), ConditionError::OpeCodeExpected);
  EXPECT_EQ(errorOf(" 1 + 1 x"), ConditionError::EndCharInvalid);
  EXPECT_EQ(errorOf(" 1 => 1"), ConditionError::InvalidOpeCode);
  EXPECT_EQ(errorOf(" 1 + ( 1 )"), ConditionError::RValueExpected);
  for (const char* text : {"FLAG", "1 && 1", "1 || 1", "6 / 3", "2 * 3", "1 ==- 1", "(1"})
    EXPECT_EQ(eval(text), 0) << text;
}

TEST(ConditionEvaluator, ArithmeticStaysWithin32Bits) {
  EXPECT_EQ(eval("2147483647 + 1 < 0"), 1);  // wraps around
  EXPECT_EQ(eval("99999999999999999999 == 2147483647"), 1);
  EXPECT_EQ(eval("-99999999999999999999 - 1 == 2147483647"), 1);
}

TEST(ConditionEvaluator, DeepParenthesesNeedNoRecursion) {
  std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_EQ(eval(deep), 1);
  EXPECT_EQ(errorOf(std::string(100000, '(') + "1"), ConditionError::CloseExpected);
  // A ")" with nothing open ends the expression.
  EXPECT_EQ(eval("1 ) garbage"), 1);
}

TEST(ConditionEvaluator, TokensOfNamesDigitsAndDoubleByteCharacters) {
  std::string text = "A1_ 12\x82\xA0X+(";
  std::vector<std::string> seen;
  for (std::size_t pos = 0; pos < text.size();) {
    ConditionToken t = conditionTokenAt(text, pos);
    seen.emplace_back(t.text);
    pos += t.text.size();
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"A1_", " ", "12", "\x82\xA0X", "+", "("}));
}

}  // namespace
}  // namespace mora
