#include "reports/node_table.h"

#include <gtest/gtest.h>

namespace mora {
namespace {

TEST(NodeTable, NameHeadEndsAtBlankTabLineFeedOrParen) {
  EXPECT_EQ(nameHead("main [m.c] (3)"), "main");
  EXPECT_EQ(nameHead("f\tx"), "f");
  EXPECT_EQ(nameHead("g(int)"), "g");
  EXPECT_EQ(nameHead("h\n"), "h");
  EXPECT_EQ(nameHead("plain"), "plain");
}

TEST(NodeTable, NameIndexFindsTheFirstByHead) {
  std::vector<std::string> items = {"f [a.c] ", "g [a.c] ", "f [b.c] "};
  NameIndex index(items);
  EXPECT_EQ(index.find("f"), 0);
  EXPECT_EQ(index.find("g [zz] "), 1);
  EXPECT_EQ(index.find("F"), -1);  // case-sensitive
  EXPECT_EQ(index.find("h"), -1);
}

TEST(NodeTable, PatternSetSkipsCommentItems) {
  PatternSet set({"# test helpers", "test_*", "#main", "log"});
  EXPECT_TRUE(set.matches("test_one"));
  EXPECT_TRUE(set.matches("log"));
  EXPECT_FALSE(set.matches("main"));
  EXPECT_FALSE(set.matches("# test helpers"));
  EXPECT_TRUE(PatternSet({"#only comments"}).empty());
}

}  // namespace
}  // namespace mora
