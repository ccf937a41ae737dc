#include "core/text.h"

#include <gtest/gtest.h>

#include <string>

namespace mora {
namespace {

TEST(ByteSet, FindsTheFirstMemberByte) {
  constexpr ByteSet kMarks(";(\\");
  EXPECT_EQ(kMarks.findIn("abc(d;"), 3u);
  EXPECT_EQ(kMarks.findIn("a\\b"), 1u);
  EXPECT_EQ(kMarks.findIn("abc"), std::string_view::npos);
  EXPECT_EQ(kMarks.findIn(""), std::string_view::npos);
  // Bytes above 0x7F are members like any other, never confused with ASCII.
  constexpr ByteSet kHigh("\x81");
  EXPECT_EQ(kHigh.findIn("ab\x81"), 2u);
  EXPECT_FALSE(kHigh.contains('\x01'));
}

TEST(TrimInPlace, CutsWhatTrimCutsAndKeepsTheCapacity) {
  for (std::string text : {"  a b \t\n", "ab", " \t\n", "", "\tx"}) {
    std::string s = text;
    s.reserve(64);
    std::size_t capacity = s.capacity();
    trimInPlace(s);
    EXPECT_EQ(s, trim(text)) << "for '" << text << "'";
    EXPECT_EQ(s.capacity(), capacity);
  }
}

}  // namespace
}  // namespace mora
