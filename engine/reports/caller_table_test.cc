#include "reports/caller_table.h"

#include <gtest/gtest.h>

namespace mora {
namespace {

NodeTable functions() {
  return NodeTable{{"main [m.c] ", "a [m.c] ", "b [m.c] ", "unused [m.c] "},
                   {{"a", "b", "puts"}, {"b", "puts"}, {"puts"}, {"a"}}};
}

FunctionPatternList all() { return {FunctionPattern{"*"}}; }

TEST(CallerTable, TargetsInOrderOfFirstCallWithTheirCallers) {
  NodeTable t = buildCallerTable(functions(), all(), PatternSet());
  ASSERT_EQ(t.nodes, (std::vector<std::string>{"a", "b", "puts"}));
  EXPECT_EQ(t.children[0], (std::vector<std::string>{"main [m.c] ", "unused [m.c] "}));
  EXPECT_EQ(t.children[1], (std::vector<std::string>{"main [m.c] ", "a [m.c] "}));
  EXPECT_EQ(t.children[2], (std::vector<std::string>{"main [m.c] ", "a [m.c] ", "b [m.c] "}));
}

TEST(CallerTable, NamesSelectTargetsAndWithoutDropsCallers) {
  NodeTable t = buildCallerTable(functions(), {FunctionPattern{"p*"}}, PatternSet({"a", "u*"}));
  ASSERT_EQ(t.nodes, (std::vector<std::string>{"puts"}));
  EXPECT_EQ(t.children[0], (std::vector<std::string>{"main [m.c] ", "b [m.c] "}));
}

TEST(CallerTable, AFunctionNobodyCallsIsNoTarget) {
  NodeTable t = buildCallerTable(functions(), {FunctionPattern{"main"}}, PatternSet());
  EXPECT_TRUE(t.nodes.empty());
}

}  // namespace
}  // namespace mora
