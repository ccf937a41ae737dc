#include "core/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace mora {
namespace {

bool m(std::string_view pattern, std::string_view subject) {
  return wildcardMatches(pattern, subject);
}

TEST(Wildcard, StarMatchesAnyRunIncludingEmpty) {
  EXPECT_TRUE(m("*.c", "main.c"));
  EXPECT_TRUE(m("*.c", ".c"));
  EXPECT_TRUE(m("a*", "a"));
  EXPECT_TRUE(m("a***b", "ab"));
  EXPECT_TRUE(m("*", ""));
  EXPECT_FALSE(m("*.c", "main.cpp"));
  EXPECT_TRUE(m("a*b*c", "aXbYbZc"));
  EXPECT_FALSE(m("a*b*c", "aXbYbZ"));
}

TEST(Wildcard, BacktracksToTheLatestStar) {
  EXPECT_TRUE(m("*ab", "aab"));
  EXPECT_TRUE(m("*abc*x", "ababcabx"));
  EXPECT_TRUE(m("*.c.c", "a.c.c.c"));
  EXPECT_FALSE(m("*ab", "aba"));
}

TEST(Wildcard, QuestionMarkNeedsOneCharacter) {
  EXPECT_TRUE(m("a?c", "abc"));
  EXPECT_FALSE(m("a?c", "ac"));
  EXPECT_FALSE(m("abc?", "abc"));
  EXPECT_TRUE(m("*?", "x"));
  EXPECT_FALSE(m("*?", ""));
}

TEST(Wildcard, IsCaseSensitive) {
  EXPECT_FALSE(m("Main", "main"));
  EXPECT_FALSE(m("*.C", "a.c"));
}

TEST(Wildcard, SetsWithRangesAndEscapes) {
  EXPECT_TRUE(m("[abc]x", "bx"));
  EXPECT_FALSE(m("[abc]x", "dx"));
  EXPECT_TRUE(m("f[0-9][0-9]", "f42"));
  EXPECT_FALSE(m("f[0-9]", "fa"));
  EXPECT_TRUE(m("[a-]", "-"));   // a final "-" is a member
  EXPECT_TRUE(m("[\\]]", "]"));  // an escaped "]" does not close the set
  EXPECT_TRUE(m("[\\-a]", "-"));
  EXPECT_FALSE(m("[\\-a]", "b"));   // escaped "-" is no range
  EXPECT_FALSE(m("[z-a]x", "mx"));  // a reversed range is empty
  EXPECT_FALSE(m("[]x", "x"));      // an empty set matches nothing
}

TEST(Wildcard, UnclosedBracketIsIgnored) {
  EXPECT_TRUE(m("a[b", "ab"));
  EXPECT_FALSE(m("a[b", "a[b"));
}

TEST(Wildcard, BackslashMakesTheNextCharacterLiteral) {
  EXPECT_TRUE(m("\\*", "*"));
  EXPECT_FALSE(m("\\*", "x"));
  EXPECT_TRUE(m("a\\?", "a?"));
  EXPECT_FALSE(m("a\\?", "ab"));
  EXPECT_TRUE(m("a\\", "a\\"));  // a final backslash is itself
}

TEST(Wildcard, DoubleByteCharacterIsKeptWhole) {
  // 0x95 0x5C: the second byte is a backslash and must not escape the "*".
  const std::string hyo = "\x95\x5C";
  EXPECT_TRUE(m(hyo + "*", hyo + "abc"));
  EXPECT_TRUE(m("[" + hyo + "]", "\x5C"));  // inside a set both bytes are members
}

TEST(Wildcard, OverlongSetIsCutAtItsLimit) {
  std::string set = "[" + std::string(1022, 'a') + "b]";
  EXPECT_TRUE(m(set, "a"));
  EXPECT_FALSE(m(set, "b"));
}

TEST(Wildcard, CompiledPatternIsReusable) {
  WildcardPattern p("*.[ch]");
  EXPECT_TRUE(p.matches("x.c"));
  EXPECT_TRUE(p.matches("y.h"));
  EXPECT_FALSE(p.matches("z.o"));
}

TEST(Wildcard, PathologicalPatternStaysFast) {
  std::string subject(20000, 'a');
  std::string pattern = "*a*a*a*a*a*b";
  EXPECT_FALSE(m(pattern, subject));
}

TEST(HasWildcard, FindsStarQuestionAndBracket) {
  EXPECT_TRUE(hasWildcard("a*"));
  EXPECT_TRUE(hasWildcard("a?"));
  EXPECT_TRUE(hasWildcard("a["));
  EXPECT_FALSE(hasWildcard("src/a.c"));
}

}  // namespace
}  // namespace mora
