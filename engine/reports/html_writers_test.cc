#include "reports/html_writers.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mora {
namespace {

TEST(HtmlWriters, WriteTheirFormsUnescaped) {
  std::ostringstream out;
  EXPECT_TRUE(writeOpenTag(&out, "PRE", true));
  EXPECT_TRUE(writeOpenTag(&out, "B", false));
  EXPECT_TRUE(writeCloseTag(&out, "B", false));
  EXPECT_TRUE(writeCloseTag(&out, "PRE", true));
  EXPECT_TRUE(writeAnchor(&out, "a<b"));
  EXPECT_TRUE(writeLink(&out, "page.html", "main"));
  EXPECT_EQ(out.str(),
            "<PRE>\n<B></B></PRE>\n"
            "<U><A NAME=\"a<b\">a<b</A></U>\n"
            "<A HREF=\"page.html#main\">main</A>\n");
}

// An entry with a file part ends in a blank, which a browser drops from a
// link target: anchor and link must name the same place without it.
TEST(HtmlWriters, AnchorAndLinkAgreeForEntriesWithFileNames) {
  std::ostringstream page, index;
  writeAnchor(&page, "main [main.c] ");
  writeLink(&index, "out.html", "main [main.c] ");
  writeLink(&index, "out.html", "f [a b.c] (12)");
  EXPECT_EQ(page.str(), "<U><A NAME=\"main [main.c]\">main [main.c] </A></U>\n");
  EXPECT_EQ(index.str(),
            "<A HREF=\"out.html#main%20[main.c]\">main [main.c] </A>\n"
            "<A HREF=\"out.html#f%20[a%20b.c]%20(12)\">f [a b.c] (12)</A>\n");
}

TEST(HtmlWriters, AbsentStreamWritesNothing) {
  EXPECT_FALSE(writeOpenTag(nullptr, "HR", true));
  EXPECT_FALSE(writeCloseTag(nullptr, "PRE", true));
  EXPECT_FALSE(writeAnchor(nullptr, "x"));
  EXPECT_FALSE(writeLink(nullptr, "p", "x"));
}

}  // namespace
}  // namespace mora
