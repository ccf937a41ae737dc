#include "core/expressions.h"

#include "values_test_fixture.h"

namespace mora::testing {
namespace {

class ExpressionsTest : public ValuesTest {
 protected:
  void set(std::string_view name, std::string_view value) {
    ASSERT_TRUE(setVariable(e, 0, name, kScalarIndex, value));
  }
  // The integer, or "error" after a message.
  std::string integer(std::string_view text, std::string_view terminators = "") {
    std::int32_t n = 0;
    auto consumed = evaluateInteger(e, text, n, terminators);
    return consumed ? std::to_string(n) : "error";
  }
  std::string value(std::string_view text, std::string_view terminators = "") {
    std::string v;
    auto consumed = evaluateValue(e, text, v, terminators);
    return consumed ? v : "error";
  }
  // "true", "false" or "error".
  std::string condition(std::string_view text) {
    bool truth = false;
    auto consumed = evaluateCondition(e, text, truth);
    if (!consumed) return "error";
    EXPECT_EQ(*consumed, text.size()) << text;
    return truth ? "true" : "false";
  }
};

TEST_F(ExpressionsTest, IntegerArithmetic) {
  EXPECT_EQ(integer("7 / 2"), "3");
  EXPECT_EQ(integer("-7 / 2"), "-3");
  EXPECT_EQ(integer("-7 % 2"), "-1");
  EXPECT_EQ(integer("7 % (-2)"), "1");
  EXPECT_EQ(integer("1 + 2 * 3"), "7");
  EXPECT_EQ(integer("(1 + 2) * 3"), "9");
  EXPECT_EQ(integer("10 - 4 - 3"), "3");
  EXPECT_EQ(integer("100 / 10 / 5"), "2");
  EXPECT_EQ(integer("-2 - 3"), "-5");
  EXPECT_EQ(integer("+4*2"), "8");
  EXPECT_EQ(integer("2 * (-3)"), "-6");
  EXPECT_EQ(messageCount(), 0);
}

TEST_F(ExpressionsTest, IntegersWrapAt32Bits) {
  EXPECT_EQ(integer("2147483647 + 1"), "-2147483648");
  EXPECT_EQ(integer("65536 * 65536"), "0");
  EXPECT_EQ(integer("4294967297"), "1");
  EXPECT_EQ(integer("(0 - 2147483647 - 1) / -1"), "error");  // no unary minus in a factor
  EXPECT_EQ(integer("(-2147483647 - 1) / (0 - 1)"), "-2147483648");
  EXPECT_EQ(integer("(-2147483647 - 1) % (0 - 1)"), "0");
}

TEST_F(ExpressionsTest, DivisionByZero) {
  EXPECT_EQ(integer("1 % 0"), "error");
  EXPECT_EQ(integer("1 / (2 - 2)"), "error");
  EXPECT_EQ(codes(), "FIER001 FIER001");
}

TEST_F(ExpressionsTest, IntegerVariables) {
  set("$%n", "10");
  set("$s", "  -12abc");
  set("$word", "abc");
  ASSERT_TRUE(setVariable(e, 0, "$%arr", 2, "5"));
  EXPECT_EQ(integer("$%n * 2"), "20");
  EXPECT_EQ(integer("$s + 2"), "-10");
  EXPECT_EQ(integer("$word + 1"), "1");
  EXPECT_EQ(integer("$%arr[1 + 1] * $%arr[2]"), "25");
  EXPECT_EQ(integer("$%arr[9]"), "0");
  EXPECT_EQ(integer("$%arr[0 - 1]"), "0");
  EXPECT_EQ(messageCount(), 0);
  // A name takes every name character, "%" included.
  EXPECT_EQ(integer("$%n%3"), "0");
}

TEST_F(ExpressionsTest, IntegerSyntaxErrors) {
  EXPECT_EQ(integer("$ + 1"), "error");
  EXPECT_EQ(integer("(1 + 2"), "error");
  EXPECT_EQ(integer("1 + x"), "error");
  EXPECT_EQ(integer("1 2"), "error");
  EXPECT_EQ(integer(""), "error");
  EXPECT_EQ(codes(), "FIEU015 FIEU003 FIEU005 FIEU012 FIEU005");
  set("$s", "x");
  EXPECT_EQ(integer("$s[0]"), "error");  // a scalar read with an index
  EXPECT_EQ(messageCount(), 6);
}

TEST_F(ExpressionsTest, IntegerStopsAtTerminator) {
  std::int32_t n = 0;
  auto consumed = evaluateInteger(e, "3 * 4 ] rest", n, "]");
  ASSERT_TRUE(consumed);
  EXPECT_EQ(n, 12);
  EXPECT_EQ(*consumed, 6u);
}

TEST_F(ExpressionsTest, StringConcatenation) {
  set("$x", "mid");
  EXPECT_EQ(value(R"("ab" + "cd")"), "abcd");
  EXPECT_EQ(value(R"("<" + $x + ">")"), "<mid>");
  EXPECT_EQ(value(R"("a" + true + false + "b")"), "a1b");
  EXPECT_EQ(value(R"("no + escapes\n")"), "no + escapes\\n");
  EXPECT_EQ(value("$_s + $_s"), "\"\"");
  EXPECT_EQ(messageCount(), 0);
}

TEST_F(ExpressionsTest, StringErrors) {
  EXPECT_EQ(value(R"("ab" - "cd")"), "error");
  EXPECT_EQ(value(R"("ab" "cd")"), "error");
  EXPECT_EQ(value(R"("open)"), "error");
  EXPECT_EQ(value(R"("a" + word)"), "error");
  EXPECT_EQ(codes(), "FIEU005 FIEU005 FIEU003 FIEU012");
  EXPECT_NE(messages().find("Unexpected text: - (the statement should end before it)\n"),
            std::string::npos);
  std::string v;
  EXPECT_FALSE(evaluateString(e, "$ + 1", v, ""));
  EXPECT_EQ(codes(), "FIEU005 FIEU005 FIEU003 FIEU012 FIEU015");
}

TEST_F(ExpressionsTest, ValueChoosesTheEvaluatorByItsFirstCharacter) {
  set("$%i", "0042");
  EXPECT_EQ(value("$%i"), "42");
  EXPECT_EQ(value("12 + 3"), "15");
  EXPECT_EQ(value("true"), "1");
  // The kind shows in comparisons: an integer on the left compares numbers.
  EXPECT_EQ(condition("($%i == 042)"), "true");
  EXPECT_EQ(condition("(12 + 3 == 015)"), "true");
  EXPECT_EQ(condition("(\"0042\" == 42)"), "false");
  EXPECT_EQ(value("false"), "");
  EXPECT_EQ(value("  \"x\""), "x");
  EXPECT_EQ(value("$"), "error");
  EXPECT_EQ(value("-1"), "error");
  EXPECT_EQ(value("truth"), "error");
  EXPECT_EQ(value(""), "error");
  EXPECT_EQ(codes(), "FIEU012 FIEU012 FIEU012 FIEU012");
}

TEST_F(ExpressionsTest, ValueStopsAtTerminators) {
  std::string v;
  auto consumed = evaluateValue(e, R"("a,b" + "c" , "d")", v, ",}");
  ASSERT_TRUE(consumed);
  EXPECT_EQ(v, "a,bc");
  EXPECT_EQ(*consumed, 12u);
  // A term may be missing right before a terminator.
  EXPECT_EQ(value(R"("a" + })", ",}"), "a");
}

TEST_F(ExpressionsTest, ArrayReadsInStrings) {
  ASSERT_TRUE(setVariable(e, 0, "$a", 1, "one"));
  set("$%i", "1");
  EXPECT_EQ(value("$a[$%i] + \"/\" + $a[0] + \"/\" + $a[5]"), "one//");
  EXPECT_EQ(value("$a"), "\none");
  EXPECT_EQ(value("$a[1"), "error");
  EXPECT_EQ(codes(), "FIEU003");
}

TEST_F(ExpressionsTest, ShiftJisSecondByteIsNeverAQuote) {
  // 0x83 0x22 is not a character of the code page, but a scanner that
  // looked at bytes alone would end the text at the 0x22.
  std::string text = "\"\x83\x22x\" + \"y\"";
  EXPECT_EQ(value(text), "\x83\x22xy");
  // "表" is 0x95 0x5C: its second byte is a backslash, which is harmless.
  EXPECT_EQ(value("\"\x95\x5C\""), "\x95\x5C");
  EXPECT_EQ(messageCount(), 0);
}

TEST_F(ExpressionsTest, FalseAndTrueInConditions) {
  set("$x", "");
  EXPECT_EQ(condition("($x == true)"), "false");
  EXPECT_EQ(condition("($x == false)"), "true");
  EXPECT_EQ(condition("($x)"), "false");
  EXPECT_EQ(condition("(!$x)"), "true");
  EXPECT_EQ(condition("(!!$x)"), "false");
  set("$zero", "0");
  EXPECT_EQ(condition("($zero)"), "false");
  EXPECT_EQ(condition("(true)"), "true");
  EXPECT_EQ(condition("( $_t )"), "true");
}

TEST_F(ExpressionsTest, IntegerOrByteComparisonByTheLeftOperand) {
  set("$%n", "10");
  set("$s", "10");
  EXPECT_EQ(condition("($%n > 9)"), "true");
  EXPECT_EQ(condition("($s > \"9\")"), "false");
  EXPECT_EQ(condition("($s > 9)"), "false");
  EXPECT_EQ(condition("(10 > $s)"), "false");
  EXPECT_EQ(condition("(9 < $s)"), "true");
  EXPECT_EQ(condition("($%n == \"10abc\")"), "true");
  EXPECT_EQ(condition("($s <> \"10\")"), "false");
  EXPECT_EQ(condition("($s != \"1\")"), "true");
  EXPECT_EQ(condition("($s >= \"10\")"), "true");
  EXPECT_EQ(condition("($s <= \"1\")"), "false");
  // Bytes compare unsigned: a double-byte character sorts after ASCII.
  set("$k", "\x82\xA0");
  EXPECT_EQ(condition("($k > \"z\")"), "true");
}

TEST_F(ExpressionsTest, NegationReplacesTheLeftOperand) {
  set("$a", "yes");
  set("$e", "");
  EXPECT_EQ(condition("(!$a == \"\")"), "true");
  EXPECT_EQ(condition("(!$e == \"1\")"), "true");
  // Any non-empty text, "0" too, is replaced by "".
  set("$z", "0");
  EXPECT_EQ(condition("(!$z == \"\")"), "true");
  EXPECT_EQ(condition("(!($a == \"yes\"))"), "false");
  EXPECT_EQ(condition("(!(!($a == \"yes\")))"), "true");
}

TEST_F(ExpressionsTest, LogicalOperatorsLeftToRight) {
  set("$a", "1");
  set("$b", "2");
  EXPECT_EQ(condition("(($a == 1) && ($b == 2))"), "true");
  EXPECT_EQ(condition("($a == 1 && $b == 3)"), "false");
  EXPECT_EQ(condition("($a == 1 || $b == 3)"), "true");
  // No precedence: (true || false) && false.
  EXPECT_EQ(condition("($a == 1 || $b == 3 && $a == 2)"), "false");
  // (false && x) || true.
  EXPECT_EQ(condition("($a == 2 && $b == 2 || $a == 1)"), "true");
  EXPECT_EQ(condition("($a&&!$b)"), "false");
  EXPECT_EQ(messageCount(), 0);
}

TEST_F(ExpressionsTest, ConditionErrors) {
  set("$a", "1");
  set("$b", "2");
  EXPECT_EQ(condition("(($a == 1 || $b == 2))"), "error");
  EXPECT_EQ(condition("$a == 1"), "error");
  EXPECT_EQ(condition("($a == 1"), "error");
  EXPECT_EQ(condition("($a = 1)"), "error");
  EXPECT_EQ(condition("($a == 1 & $b)"), "error");
  EXPECT_EQ(condition("($a"), "error");
  EXPECT_EQ(condition("($a == 1 $b)"), "error");
  // "($a" ends where an operator should be: FIEU028 with the empty operator.
  EXPECT_EQ(codes(), "FIEU003 FIEU003 FIEU003 FIEU028 FIEU028 FIEU028 FIEU012");
  // Both sides always run, so a failure on the right fails the condition.
  EXPECT_EQ(condition("($a == 2 && (1 / 0 == 1))"), "error");
  EXPECT_EQ(messageCount(), 8);
}

TEST_F(ExpressionsTest, ConditionConsumesThroughItsParenthesis) {
  bool truth = false;
  auto consumed = evaluateCondition(e, "(1 == 1) {", truth);
  ASSERT_TRUE(consumed);
  EXPECT_EQ(*consumed, 8u);
  EXPECT_TRUE(truth);
}

TEST_F(ExpressionsTest, CommandSubstitutionCapturesOutput) {
  e.reader.aliases.push_back({"ll", {}, "list"});
  std::string v;
  ASSERT_TRUE(evaluateValue(e, "`alias`", v, ""));
  EXPECT_EQ(v, "  1\t ll \t: list\n");
  // A message printed by the command is output too.
  ASSERT_TRUE(evaluateValue(e, "` nosuch \"`\" `", v, ""));
  EXPECT_EQ(v, "  FIEU002 : Unknown command: nosuch (help alone lists the commands)\n");
  EXPECT_EQ(messages(), "");
  EXPECT_FALSE(e.out.capturing);
  EXPECT_EQ(e.out.capture, "");
}

TEST_F(ExpressionsTest, CommandSubstitutionNests) {
  // As when a command that is itself being captured evaluates a substitution.
  e.out.capturing = true;
  e.out.capture = "outer so far";
  e.reader.aliases.push_back({"ll", {}, "list"});
  EXPECT_EQ(value("`alias`"), "  1\t ll \t: list\n");
  EXPECT_TRUE(e.out.capturing);
  EXPECT_EQ(e.out.capture, "outer so far");
}

TEST_F(ExpressionsTest, CommandSubstitutionSkipsDoubleByteCharacters) {
  // The second byte of 0x83 0x60 is a backquote.
  EXPECT_EQ(value("`history \x83\x60`"),
            "  FIEU005 : Unexpected text: \x83\x60 (the statement should end before it)\n");
}

TEST_F(ExpressionsTest, CommandSubstitutionErrors) {
  EXPECT_EQ(value("`alias"), "error");
  EXPECT_EQ(value("`alias` + \"x\""), "error");
  EXPECT_EQ(codes(), "FIEU003 FIEU005");
  EXPECT_EQ(value("`alias`", ")"), "");
}

}  // namespace
}  // namespace mora::testing
