#include "reports/function_table.h"

#include <gtest/gtest.h>

#include "pooled_table.h"

namespace mora {
namespace {

using testing::texts;
using Texts = std::vector<std::string>;

PooledNodeTable sample() {
  return testing::pooledTable(
      {"main [m.c] ", "helper [m.c] ", "debug_dump [d.c] "},
      {{"helper", "debug_dump", "printf"}, {"debug_trace", "strlen"}, {"printf"}});
}

TEST(FunctionTable, WithoutDropsFunctionsAndCalledNames) {
  PooledNodeTable t = sample();
  reduceFunctionTable(t, PatternSet({"debug_*"}), false);
  ASSERT_EQ(texts(t.nodes), (Texts{"main [m.c] ", "helper [m.c] "}));
  EXPECT_EQ(texts(t.children[0]), (Texts{"helper", "printf"}));
  EXPECT_EQ(texts(t.children[1]), (Texts{"strlen"}));
}

TEST(FunctionTable, OnlyDefinedKeepsCallsOfRemainingFunctions) {
  PooledNodeTable t = sample();
  reduceFunctionTable(t, PatternSet({"helper"}), true);
  ASSERT_EQ(texts(t.nodes), (Texts{"main [m.c] ", "debug_dump [d.c] "}));
  EXPECT_EQ(texts(t.children[0]), (Texts{"debug_dump"}));
  EXPECT_TRUE(t.children[1].empty());
}

TEST(FunctionTable, NothingToReduce) {
  PooledNodeTable t = sample();
  reduceFunctionTable(t, PatternSet(), false);
  PooledNodeTable expected = sample();
  EXPECT_EQ(texts(t.nodes), texts(expected.nodes));
  ASSERT_EQ(t.children.size(), expected.children.size());
  for (std::size_t k = 0; k < t.children.size(); ++k)
    EXPECT_EQ(texts(t.children[k]), texts(expected.children[k]));
}

}  // namespace
}  // namespace mora
