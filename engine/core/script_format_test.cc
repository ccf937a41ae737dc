#include "core/script_format.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/limits.h"

namespace mora {
namespace {

std::string fmt(std::string_view format, std::vector<std::string> args = {}) {
  return formatWithTextArguments(format, args);
}

TEST(ProcessEscapes, KnownEscapesOtherCharactersAndTrailingBackslash) {
  EXPECT_EQ(processEscapes(R"(a\nb\tc\ad)"), "a\nb\tc\ad");
  EXPECT_EQ(processEscapes(R"(\"q\" \\ \x)"), "\"q\" \\ x");
  EXPECT_EQ(processEscapes("end\\"), "end");
}

TEST(ProcessEscapes, SecondByteBackslashIsNoEscape) {
  // 0x95 0x5C is one double-byte character whose second byte is a backslash.
  EXPECT_EQ(processEscapes("\x95\x5cn"), "\x95\x5cn");
  EXPECT_EQ(processEscapes("\\\x95\x5cn"), "\x95\x5cn");
}

TEST(ProcessEscapes, CutAtFormatLimitWithoutSplittingACharacter) {
  EXPECT_EQ(processEscapes(std::string(2000, 'x')).size(), kFormatMax);
  std::string wide = std::string(kFormatMax - 1, 'x') + "\x95\x5c";
  EXPECT_EQ(processEscapes(wide), std::string(kFormatMax - 1, 'x'));
}

TEST(FormatWithTextArguments, TextConversionsTakeArgumentsInOrder) {
  EXPECT_EQ(fmt("%s-%s\n", {"a", "b"}), "a-b\n");
  EXPECT_EQ(fmt("[%5s|%-5s|%.2s]", {"ab", "cd", "xyz"}), "[   ab|cd   |xy]");
  EXPECT_EQ(fmt("%s and %s", {"only"}), "only and ");
  EXPECT_EQ(fmt("100%% %c", {"xyz"}), "100% x");
}

TEST(FormatWithTextArguments, NumbersAreReadFromTheText) {
  EXPECT_EQ(fmt("%d|%5d|%-5d|%05d|%+d", {"42", "-7", "3", "-12", "9"}), "42|   -7|3    |-0012|+9");
  EXPECT_EQ(fmt("%x %X %#x %o %#o %u", {"255", "255", "255", "8", "8", "-1"}),
            "ff FF 0xff 10 010 4294967295");
  EXPECT_EQ(fmt("%.3d %.0d", {"7", "0"}), "007 ");
  EXPECT_EQ(fmt("%d %ld", {"abc", "12abc"}), "0 12");
  EXPECT_EQ(fmt("%.2f %8.3e %g %+.1f", {"3.14159", "1234", "0.5", "-2"}),
            "3.14 1.234e+03 0.5 -2.0");
}

TEST(FormatWithTextArguments, StarFieldsAreBoundedAndDangerousConversionsInert) {
  EXPECT_EQ(fmt("%*d|%-*d|%.*s", {"4", "1", "-3", "2", "1", "xyz"}), "   1|2  |x");
  EXPECT_EQ(fmt("%*s", {"999999999", "a"}).size(), kFormatFieldMax);
  EXPECT_EQ(fmt("%99999999999d", {"1"}).size(), kFormatFieldMax);
  // %n and %p would read a pointer: they stay as written and take nothing.
  EXPECT_EQ(fmt("%n%p%s", {"a"}), "%n%pa");
  EXPECT_EQ(fmt("tail %", {}), "tail %");
  EXPECT_EQ(fmt("tail %-5", {}), "tail %-5");
}

}  // namespace
}  // namespace mora
