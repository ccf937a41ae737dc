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

TEST(HtmlWriters, AbsentStreamWritesNothing) {
  EXPECT_FALSE(writeOpenTag(nullptr, "HR", true));
  EXPECT_FALSE(writeCloseTag(nullptr, "PRE", true));
  EXPECT_FALSE(writeAnchor(nullptr, "x"));
  EXPECT_FALSE(writeLink(nullptr, "p", "x"));
}

}  // namespace
}  // namespace mora
