#include "core/fixed_word_set.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace mora {
namespace {

// Words chosen to share length, first and last byte, so that they fight
// for one slot and the search has to walk on.
constexpr std::array<std::string_view, 8> kWords = {"axb", "ayb", "azb", "a",
                                                    "if",  "for", "fur", "while"};

TEST(FixedWordSet, FindsEveryWordAndNothingElse) {
  static constexpr FixedWordSet<16> kSet(kWords);
  for (std::string_view w : kWords) EXPECT_TRUE(kSet.contains(w)) << w;
  for (std::string_view w : {"awb", "ab", "axbb", "b", "fir", "whale", "While", "", "for "})
    EXPECT_FALSE(kSet.contains(w)) << w;
  static_assert(kSet.contains("azb") && !kSet.contains("aqb"));
}

TEST(FixedWordSet, ALargerTableGivesTheSameAnswers) {
  static constexpr FixedWordSet<16> kSmall(kWords);
  static constexpr FixedWordSet<1024> kLarge(kWords);
  for (std::string_view w : {"axb", "while", "a", "x", "fo", "fur", "furr"})
    EXPECT_EQ(kSmall.contains(w), kLarge.contains(w)) << w;
}

}  // namespace
}  // namespace mora
