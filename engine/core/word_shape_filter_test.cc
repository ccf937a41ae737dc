#include "core/word_shape_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace mora {
namespace {

constexpr std::array<std::string_view, 5> kWords = {"do", "for", "if", "return", "while"};
constexpr WordShapeFilter kShapes(kWords);

TEST(WordShapeFilter, KeepsEveryListedWordAndDropsOtherShapes) {
  for (std::string_view w : kWords) EXPECT_TRUE(kShapes.mayContain(w)) << w;
  // Same length and first byte as a word: only the exact search can tell.
  EXPECT_TRUE(kShapes.mayContain("fox"));
  EXPECT_TRUE(kShapes.mayContain("wrong"));
  // Another length or another first byte: surely not a word.
  EXPECT_FALSE(kShapes.mayContain("fo"));
  EXPECT_FALSE(kShapes.mayContain("form"));
  EXPECT_FALSE(kShapes.mayContain("If"));
  EXPECT_FALSE(kShapes.mayContain("luaH_get"));
  EXPECT_FALSE(kShapes.mayContain(""));
  EXPECT_FALSE(kShapes.mayContain("\xE3\x81\x82"));
  EXPECT_FALSE(kShapes.mayContain(std::string_view("returnreturnreturnreturnreturnreturn")));
}

}  // namespace
}  // namespace mora
