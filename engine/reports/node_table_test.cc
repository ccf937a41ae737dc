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

TEST(NodeTable, NameHeadFindsTheEndAtEveryPosition) {
  // Entries of every length up to three words, with each end byte at each
  // position, against a plain search; high bytes (UTF-8, Shift-JIS) and
  // bytes just above the ends are name bytes.
  std::string body = "\xE9\x96\xA2)*+,-./_abcdefghijklmnopqrstuvwxyz";
  for (std::size_t n = 0; n <= 24; ++n) {
    std::string name = body.substr(0, n);
    EXPECT_EQ(nameHead(name), name);
    for (std::size_t at = 0; at < n; ++at) {
      for (char end : {' ', '\t', '\n', '('}) {
        std::string entry = name;
        entry[at] = end;
        EXPECT_EQ(nameHead(entry), name.substr(0, at)) << n << " " << at;
      }
    }
  }
  std::string low = "a!\"#$%&'b";  // below "(" but no end
  EXPECT_EQ(nameHead(low + "(x"), low);
}

TEST(NodeTable, NameIndexFindsTheFirstByHead) {
  std::vector<std::string> items = {"f [a.c] ", "g [a.c] ", "f [b.c] "};
  NameIndex index(items);
  EXPECT_EQ(index.find("f"), 0);
  EXPECT_EQ(index.find("g [zz] "), 1);
  EXPECT_EQ(index.find("F"), -1);  // case-sensitive
  EXPECT_EQ(index.find("h"), -1);
  EXPECT_EQ(NameIndex().find("f"), -1);
  EXPECT_EQ(NameIndex(std::vector<std::string>{}).find(""), -1);
}

TEST(NodeTable, NameIndexOverManyItemsKeepsTheFirstOfEachHead) {
  std::vector<std::string> items;
  for (int i = 0; i < 3000; ++i) items.push_back("f" + std::to_string(i % 1000) + " [a.c] ");
  items.push_back("");
  NameIndex index(items);
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(index.find("f" + std::to_string(i)), i);
  EXPECT_EQ(index.findHead("f1000"), -1);
  EXPECT_EQ(index.find(" [a.c] "), 3000);  // an empty head is a head too
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
