#include "reports/define_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mora {
namespace {

TEST(DefineCheck, CommentsGoAcrossLines) {
  bool inComment = false;
  std::string out;
  stripComments("  #if A /* x */ // y\n", inComment, out);
  EXPECT_EQ(out, "#if A");
  EXPECT_FALSE(inComment);
  stripComments("#ifdef B /* open", inComment, out);
  EXPECT_EQ(out, "#ifdef B");
  EXPECT_TRUE(inComment);
  stripComments("#ifdef HIDDEN */ #if C", inComment, out);
  EXPECT_EQ(out, "#if C");
  EXPECT_FALSE(inComment);
  // The second byte of a double-byte character starts no comment.
  stripComments("#if \x81/* x */", inComment, out);
  EXPECT_EQ(out, "#if \x81/* x */");
  EXPECT_FALSE(inComment);
}

TEST(DefineCheck, NamesOfAConditionWithoutTheDefinedOperator) {
  std::vector<std::string_view> names = conditionNames("A >= 3 && !defined(B_1) || C2(x)");
  EXPECT_EQ(names, (std::vector<std::string_view>{"A", "B_1", "C2", "x"}));
  EXPECT_TRUE(conditionNames("1 + 2 == 3").empty());
}

}  // namespace
}  // namespace mora
