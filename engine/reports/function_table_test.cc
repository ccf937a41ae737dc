#include "reports/function_table.h"

#include <gtest/gtest.h>

namespace mora {
namespace {

NodeTable sample() {
  return NodeTable{{"main [m.c] ", "helper [m.c] ", "debug_dump [d.c] "},
                   {{"helper", "debug_dump", "printf"}, {"debug_trace", "strlen"}, {"printf"}}};
}

TEST(FunctionTable, WithoutDropsFunctionsAndCalledNames) {
  NodeTable t = sample();
  reduceFunctionTable(t, PatternSet({"debug_*"}), false);
  ASSERT_EQ(t.nodes, (std::vector<std::string>{"main [m.c] ", "helper [m.c] "}));
  EXPECT_EQ(t.children[0], (std::vector<std::string>{"helper", "printf"}));
  EXPECT_EQ(t.children[1], (std::vector<std::string>{"strlen"}));
}

TEST(FunctionTable, OnlyDefinedKeepsCallsOfRemainingFunctions) {
  NodeTable t = sample();
  reduceFunctionTable(t, PatternSet({"helper"}), true);
  ASSERT_EQ(t.nodes, (std::vector<std::string>{"main [m.c] ", "debug_dump [d.c] "}));
  EXPECT_EQ(t.children[0], (std::vector<std::string>{"debug_dump"}));
  EXPECT_TRUE(t.children[1].empty());
}

TEST(FunctionTable, NothingToReduce) {
  NodeTable t = sample();
  reduceFunctionTable(t, PatternSet(), false);
  EXPECT_EQ(t.nodes, sample().nodes);
  EXPECT_EQ(t.children, sample().children);
}

}  // namespace
}  // namespace mora
