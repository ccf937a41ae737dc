#include "core/name_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace mora {
namespace {

TEST(NamePool, InternKeepsOneCopyNumberedInOrderOfFirstUse) {
  NamePool pool;
  std::string_view a = pool.intern("lua_pushvalue");
  std::string_view b = pool.intern("f");
  std::string_view again = pool.intern(std::string("lua_pushvalue"));
  EXPECT_EQ(a, "lua_pushvalue");
  EXPECT_EQ(again.data(), a.data());
  EXPECT_EQ(pool.id(a), 0u);
  EXPECT_EQ(pool.id(b), 1u);
  EXPECT_EQ(pool.id(again), 0u);
  EXPECT_EQ(pool.internedCount(), 2u);
  std::string_view empty = pool.intern("");
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(pool.id(empty), 2u);
}

// Many names, some longer than a block's share, all across block and table
// growth: every view still reads its text and its number.
TEST(NamePool, TextsSurviveGrowthOfBlocksAndTable) {
  NamePool pool;
  std::vector<std::string> texts;
  std::vector<std::string_view> views;
  for (int k = 0; k < 20000; ++k) {
    std::size_t length = k % 997 == 0 ? 9000 + static_cast<std::size_t>(k) : 1 + k % 40;
    texts.push_back(std::to_string(k) + std::string(length, static_cast<char>('a' + k % 26)));
    views.push_back(k % 2 == 0 ? pool.intern(texts.back()) : pool.store(texts.back()));
  }
  for (std::size_t k = 0; k < texts.size(); ++k) {
    ASSERT_EQ(views[k], texts[k]) << k;
    if (k % 2 == 0) {
      ASSERT_EQ(pool.id(views[k]), k / 2) << k;
      ASSERT_EQ(pool.intern(texts[k]).data(), views[k].data()) << k;
    }
  }
  EXPECT_EQ(pool.internedCount(), 10000u);
}

TEST(NamePool, StoreCopiesEveryTime) {
  NamePool pool;
  std::string_view a = pool.store("name");
  std::string_view b = pool.store("name");
  EXPECT_EQ(a, b);
  EXPECT_NE(a.data(), b.data());
  EXPECT_EQ(pool.internedCount(), 0u);
}

TEST(NamePool, ViewsAreAlignedAndEmptyUntilSet) {
  NamePool pool;
  pool.store("odd");
  EXPECT_TRUE(pool.views(0).empty());
  std::span<std::string_view> list = pool.views(3);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(list.data()) % alignof(std::string_view), 0u);
  for (std::string_view v : list) EXPECT_TRUE(v.empty());
  list[1] = pool.intern("x");
  EXPECT_EQ(list[1], "x");
  // A list too long for a block's share gets room of its own.
  std::span<std::string_view> big = pool.views(5000);
  big.back() = list[1];
  EXPECT_EQ(big.back(), "x");
}

TEST(NamePool, MovedPoolKeepsItsViewsAndTheOldOneStartsAfresh) {
  NamePool pool;
  std::string_view a = pool.intern("alpha");
  NamePool moved(std::move(pool));
  EXPECT_EQ(a, "alpha");
  EXPECT_EQ(moved.intern("alpha").data(), a.data());
  EXPECT_EQ(pool.internedCount(), 0u);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(pool.intern("beta"), "beta");
  NamePool assigned;
  assigned = std::move(moved);
  EXPECT_EQ(assigned.id(a), 0u);
  EXPECT_EQ(a, "alpha");
}

TEST(NamePool, InterningAfterTheEndGivesNewCopiesAndNumbers) {
  NamePool pool;
  std::string_view a = pool.intern("alpha");
  pool.endInterning();
  std::string_view b = pool.intern("alpha");
  EXPECT_EQ(a, "alpha");
  EXPECT_EQ(b, "alpha");
  EXPECT_NE(a.data(), b.data());
  EXPECT_EQ(pool.id(b), 1u);
  EXPECT_EQ(pool.internedCount(), 2u);
}

}  // namespace
}  // namespace mora
