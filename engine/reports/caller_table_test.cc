#include "reports/caller_table.h"

#include <gtest/gtest.h>

#include "pooled_table.h"

namespace mora {
namespace {

using testing::texts;
using Texts = std::vector<std::string>;

PooledNodeTable functions() {
  return testing::pooledTable({"main [m.c] ", "a [m.c] ", "b [m.c] ", "unused [m.c] "},
                              {{"a", "b", "puts"}, {"b", "puts"}, {"puts"}, {"a"}});
}

FunctionPatternList all() { return {FunctionPattern{"*"}}; }

TEST(CallerTable, TargetsInOrderOfFirstCallWithTheirCallers) {
  PooledNodeTable f = functions();
  NodeTableView t = buildCallerTable(f, all(), PatternSet());
  ASSERT_EQ(texts(t.nodes), (Texts{"a", "b", "puts"}));
  ASSERT_EQ(t.children.size(), 3u);
  EXPECT_EQ(texts(t.children[0]), (Texts{"main [m.c] ", "unused [m.c] "}));
  EXPECT_EQ(texts(t.children[1]), (Texts{"main [m.c] ", "a [m.c] "}));
  EXPECT_EQ(texts(t.children[2]), (Texts{"main [m.c] ", "a [m.c] ", "b [m.c] "}));
}

TEST(CallerTable, NamesSelectTargetsAndWithoutDropsCallers) {
  PooledNodeTable f = functions();
  NodeTableView t = buildCallerTable(f, {FunctionPattern{"p*"}}, PatternSet({"a", "u*"}));
  ASSERT_EQ(texts(t.nodes), (Texts{"puts"}));
  ASSERT_EQ(t.children.size(), 1u);
  EXPECT_EQ(texts(t.children[0]), (Texts{"main [m.c] ", "b [m.c] "}));
}

TEST(CallerTable, AFunctionNobodyCallsIsNoTarget) {
  PooledNodeTable f = functions();
  NodeTableView t = buildCallerTable(f, {FunctionPattern{"main"}}, PatternSet());
  EXPECT_TRUE(t.nodes.empty());
  EXPECT_TRUE(t.children.empty());
}

// A caller that calls a target several times is listed once; a target whose
// every caller is excluded keeps an empty list.
TEST(CallerTable, RepeatedCallsCountOnceAndExcludedCallersLeaveEmptyLists) {
  PooledNodeTable f = testing::pooledTable({"x [m.c] ", "y [m.c] ", "z [m.c] "},
                                           {{"p", "q", "p"}, {"q", "p", "q"}, {"r"}});
  NodeTableView t = buildCallerTable(f, all(), PatternSet({"z"}));
  ASSERT_EQ(texts(t.nodes), (Texts{"p", "q", "r"}));
  EXPECT_EQ(texts(t.children[0]), (Texts{"x [m.c] ", "y [m.c] "}));
  EXPECT_EQ(texts(t.children[1]), (Texts{"x [m.c] ", "y [m.c] "}));
  EXPECT_TRUE(t.children[2].empty());
}

}  // namespace
}  // namespace mora
