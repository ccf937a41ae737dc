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

TEST(FlatList, AlignedAfterTheNumber) {
  EXPECT_EQ(formatListLine("main [m.c] ", "m.c", 0, 10), " main      [m.c] \n");
  EXPECT_EQ(formatListLine("main [m.c] (7)", "m.c", 3, 10), " 003: main      [m.c] (7)\n");
}

}  // namespace
}  // namespace mora
