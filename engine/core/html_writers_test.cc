#include "core/html_writers.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mora {
namespace {

TEST(HtmlWriters, WriteTheirForms) {
  std::ostringstream out;
  EXPECT_TRUE(writeOpenTag(&out, "PRE", true));
  EXPECT_TRUE(writeOpenTag(&out, "B", false));
  EXPECT_TRUE(writeCloseTag(&out, "B", false));
  EXPECT_TRUE(writeCloseTag(&out, "PRE", true));
  EXPECT_TRUE(writeAnchor(&out, "main"));
  EXPECT_TRUE(writeLink(&out, "page.html", "main"));
  EXPECT_EQ(out.str(),
            "<PRE>\n<B></B></PRE>\n"
            "<U><A NAME=\"main\">main</A></U>\n"
            "<A HREF=\"page.html#main\">main</A>\n");
}

// A file may be named to close the attribute and open a tag of its own.
TEST(HtmlWriters, NamesAndPagesCannotInjectMarkup) {
  std::ostringstream out;
  writeAnchor(&out, "x\"><img src=x>.c");
  writeLink(&out, "p&#1.html", "a<b");
  EXPECT_EQ(out.str(),
            "<U><A NAME=\"x&quot;&gt;&lt;img src=x&gt;.c\">x&quot;&gt;&lt;img src=x&gt;.c</A></U>\n"
            "<A HREF=\"p&amp;%231.html#a&lt;b\">a&lt;b</A>\n");
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
