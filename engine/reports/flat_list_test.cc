#include "reports/flat_list.h"

#include <gtest/gtest.h>

namespace mora {
namespace {

TEST(FlatList, ColumnsWithoutAlignment) {
  EXPECT_EQ(formatListLine("main", "m.c", 0, 55),
            " main                                     m.c                     \n");
  EXPECT_EQ(formatListLine("main [m.c] ", "m.c", 0, 9),
            " main [m.c]                               m.c                     \n");
  EXPECT_EQ(formatListLine("f", "x.c", 12, 55).substr(0, 7), " 012: f");
}

// "合計" is four columns: six bytes in UTF-8, four in Shift-JIS. Either way
// the file name starts in the same column (the Shift-JIS line is unchanged).
TEST(FlatList, PadsNamesByDisplayColumns) {
  const std::string utf8 = "\xE5\x90\x88\xE8\xA8\x88", sjis = "\x8D\x87\x8C\x76";
  const std::string gap(34 + 3, ' '), tail = "m.c" + std::string(21, ' ') + "\n";
  EXPECT_EQ(formatListLine(utf8, "m.c", 0, 55), " " + utf8 + gap + tail);
  EXPECT_EQ(formatListLine(sjis, "m.c", 0, 55), " " + sjis + gap + tail);
  // A UTF-8 file name is padded to its columns too; a long name is kept whole.
  const std::string utf8File = "\xE5\x90\x88.c";
  EXPECT_EQ(formatListLine("f", utf8File, 0, 55),
            " f" + std::string(37 + 3, ' ') + utf8File + std::string(20, ' ') + "\n");
  const std::string longName(50, 'n');
  EXPECT_EQ(formatListLine(longName, "m.c", 0, 55), " " + longName + "   " + tail);
}

TEST(FlatList, AlignedAfterTheNumber) {
  EXPECT_EQ(formatListLine("main [m.c] ", "m.c", 0, 10), " main      [m.c] \n");
  EXPECT_EQ(formatListLine("main [m.c] (7)", "m.c", 3, 10), " 003: main      [m.c] (7)\n");
}

}  // namespace
}  // namespace mora
