#include "analysis/conditional_stack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/define_table.h"

namespace mora {
namespace {

// The verdict of every line, as digits.
std::string verdicts(const std::vector<std::string>& lines, const std::vector<std::string>& defs) {
  DefineTable table;
  for (const auto& d : defs) table.add(*parseDefineLine(d));
  ConditionalStack stack;
  std::string out;
  for (const auto& line : lines)
    out += std::to_string(static_cast<int>(stack.verdict(line, table)));
  return out;
}

TEST(DirectiveClassifier, KindsAndArguments) {
  struct Case {
    const char* line;
    DirectiveKind kind;
    const char* argument;
  };
  const Case cases[] = {
      {"#ifdef DEBUG", DirectiveKind::Ifdef, "DEBUG"},
      {"  #  ifndef X", DirectiveKind::Ifndef, "X"},
      {"#if defined(A) && defined(B)", DirectiveKind::Ifdef, "A"},
      {"#if ! defined ( B )", DirectiveKind::Ifndef, "B"},
      {"#if !defined X", DirectiveKind::Ifndef, "X"},
      {"#if !FOO", DirectiveKind::If, "!FOO"},
      {"#if VERSION >= 3\n", DirectiveKind::If, "VERSION >= 3"},
      {"#elif 1", DirectiveKind::Elif, "1"},
      {"#else", DirectiveKind::Else, ""},
      {"#endif", DirectiveKind::Endif, ""},
      {"#define X 1", DirectiveKind::Define, "X 1"},
      {"#include <x.h>", DirectiveKind::Other, ""},
      {"#ifdefX", DirectiveKind::Other, ""},
      {"int x;", DirectiveKind::Other, ""},
  };
  for (const Case& c : cases) {
    Directive d = classifyDirective(c.line);
    EXPECT_EQ(d.kind, c.kind) << c.line;
    EXPECT_EQ(d.argument, c.argument) << c.line;
  }
}

TEST(ConditionalStack, BranchesFollowTheDefineList) {
  std::vector<std::string> lines = {"#ifdef DEBUG", "a", "#else", "b", "#endif", "c"};
  EXPECT_EQ(verdicts(lines, {"DEBUG"}), "101210");
  EXPECT_EQ(verdicts(lines, {}), "121010");
}

TEST(ConditionalStack, ElifAndElseAfterATrueBranch) {
  std::vector<std::string> lines = {"#if 1", "a", "#elif 1", "b", "#else", "c", "#endif"};
  EXPECT_EQ(verdicts(lines, {}), "1012121");
  lines = {"#if 0", "a", "#elif 1", "b", "#else", "c", "#endif"};
  EXPECT_EQ(verdicts(lines, {}), "1210121");
}

TEST(ConditionalStack, NestedBranchInsideAFalseRegionStaysSuppressed) {
  std::vector<std::string> lines = {"#if 0",  "#ifdef D", "a",      "#else", "b",
                                    "#endif", "c",        "#endif", "d"};
  EXPECT_EQ(verdicts(lines, {"D"}), "112121210");
}

TEST(ConditionalStack, StrayDirectivesAtDepthZero) {
  // A stray #endif clears level 0; a stray #else makes it active and true.
  EXPECT_EQ(verdicts({"#endif", "a", "#else", "b"}, {}), "1010");
  EXPECT_EQ(verdicts({"#if 0", "#endif", "#endif", "a"}, {}), "1110");
}

TEST(ConditionalStack, DepthStopsAtItsMaximum) {
  DefineTable table;
  ConditionalStack stack;
  for (int k = 0; k < 100; ++k) stack.verdict("#if 1", table);
  EXPECT_EQ(stack.depth(), kConditionalDepthMax);
  // The innermost level was overwritten: a false conditional there ...
  stack.verdict("#if 0", table);
  EXPECT_EQ(stack.verdict("x", table), LineVerdict::Suppressed);
  // ... is closed by one #endif, and thirty close everything.
  stack.verdict("#endif", table);
  EXPECT_EQ(stack.depth(), kConditionalDepthMax - 1);
  for (int k = 0; k < 200; ++k) stack.verdict("#endif", table);
  EXPECT_EQ(stack.depth(), 0);
  EXPECT_EQ(stack.verdict("x", table), LineVerdict::Scan);
  stack.reset();
  EXPECT_EQ(stack.level(0).active, 0);
}

}  // namespace
}  // namespace mora
