#include "reports/text_search.h"

#include <gtest/gtest.h>

#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

TEST(LowerSjis, LowersAsciiLettersButNeverASecondByte) {
  std::string out = "leftover text that is longer";
  lowerSjis("MaIn", out);
  EXPECT_EQ(out, "main");
  // 0x83 0x41 is one katakana character whose second byte is "A".
  lowerSjis("\x83\x41X", out);
  EXPECT_EQ(out, "\x83\x41x");
}

class FindTest : public ::testing::Test {
 protected:
  std::string find(std::vector<std::string> strings, const std::vector<std::string>& files) {
    searchFiles(t.engine, std::move(strings), files);
    return t.out();
  }

  ScratchDir dir;
  TestEngine t;
};

TEST_F(FindTest, PrintsEachMatchingLineOnceWithItsNumber) {
  dir.write("a.c", "int main(void)\n{\n  puts(\"main\");\n}\n");
  EXPECT_EQ(find({"main", "puts"}, {"a.c", "missing.c"}),
            "a.c(1) : int main(void)\na.c(3) :   puts(\"main\");\n");
}

TEST_F(FindTest, CaseOffFindsEveryCaseAndKeepsTheSourceText) {
  dir.write("a.c", "MAIN\nmain\nMain\nmane\n");
  t.engine.settings.caseSensitive = false;
  EXPECT_EQ(find({"Main"}, {"a.c"}), "a.c(1) : MAIN\na.c(2) : main\na.c(3) : Main\n");
}

// A line longer than a piece is numbered as several pieces, so the line
// numbers after it run ahead; every printed piece ends its output line.
TEST_F(FindTest, LongLinesCountAsSeveralPieces) {
  std::string longLine = std::string(510, 'a') + "XY" + std::string(600, 'b') + "\n";
  dir.write("a.c", longLine + "last X");
  // "XY" straddles the cut after 511 bytes and is not found.
  EXPECT_EQ(find({"XY", "Y", "last"}, {"a.c"}),
            "a.c(2) : Y" + std::string(510, 'b') + "\n" + "a.c(4) : last X\n");
}

}  // namespace
}  // namespace mora
