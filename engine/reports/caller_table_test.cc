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
  NodeTable f = functions();
  NodeTableView t = buildCallerTable(f, all(), PatternSet());
  ASSERT_EQ(t.nodes, (std::vector<std::string_view>{"a", "b", "puts"}));
  EXPECT_EQ(t.children[0], (std::vector<std::string_view>{"main [m.c] ", "unused [m.c] "}));
  EXPECT_EQ(t.children[1], (std::vector<std::string_view>{"main [m.c] ", "a [m.c] "}));
  EXPECT_EQ(t.children[2], (std::vector<std::string_view>{"main [m.c] ", "a [m.c] ", "b [m.c] "}));
}

TEST(CallerTable, NamesSelectTargetsAndWithoutDropsCallers) {
  NodeTable f = functions();
  NodeTableView t = buildCallerTable(f, {FunctionPattern{"p*"}}, PatternSet({"a", "u*"}));
  ASSERT_EQ(t.nodes, (std::vector<std::string_view>{"puts"}));
  EXPECT_EQ(t.children[0], (std::vector<std::string_view>{"main [m.c] ", "b [m.c] "}));
}

TEST(CallerTable, AFunctionNobodyCallsIsNoTarget) {
  NodeTable f = functions();
  NodeTableView t = buildCallerTable(f, {FunctionPattern{"main"}}, PatternSet());
  EXPECT_TRUE(t.nodes.empty());
}

}  // namespace
}  // namespace mora
