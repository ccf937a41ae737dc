#include "analysis/callee_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mora {
namespace {

TEST(CalleeSet, KeepsTheFirstOfEachNameInOrder) {
  CalleeSet set;
  std::vector<std::string> names;
  EXPECT_TRUE(set.empty());
  EXPECT_TRUE(set.add(names, "b"));
  EXPECT_TRUE(set.add(names, "a"));
  EXPECT_FALSE(set.add(names, "b"));
  EXPECT_TRUE(set.add(names, "B"));  // exact comparison
  EXPECT_FALSE(set.add(names, "a"));
  EXPECT_FALSE(set.empty());
  EXPECT_EQ(names, (std::vector<std::string>{"b", "a", "B"}));
}

TEST(CalleeSet, TellsApartNamesThatShareLongHeadsOrTails) {
  // Names of one length that differ in one byte, before, inside and after
  // the first eight bytes, and names that are prefixes of each other.
  CalleeSet set;
  std::vector<std::string> names;
  std::vector<std::string> expected;
  for (std::string base : {"luaH_getshortstr", "x", "Curl_http_", ""}) {
    for (std::size_t at = 0; at <= base.size(); ++at) {
      std::string name = base;
      name.insert(at, "_");
      if (set.add(names, name)) expected.push_back(name);
      EXPECT_FALSE(set.add(names, name)) << name;
    }
  }
  EXPECT_EQ(names, expected);
  EXPECT_EQ(names.size(), 28u);  // "_" put next to a "_" gives the same name twice
}

TEST(CalleeSet, GrowsPastItsFirstTableAndClearsForTheNextFunction) {
  CalleeSet set;
  std::vector<std::string> names;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 5000; ++i) EXPECT_TRUE(set.add(names, "f" + std::to_string(i)));
    for (int i = 4999; i >= 0; --i) EXPECT_FALSE(set.add(names, "f" + std::to_string(i)));
    ASSERT_EQ(names.size(), 5000u);
    EXPECT_EQ(names[1234], "f1234");
    set.clear();
    names.clear();
    EXPECT_TRUE(set.empty());
  }
  // Many short functions in a row: every clear forgets the names before.
  for (int fn = 0; fn < 20000; ++fn) {
    EXPECT_TRUE(set.add(names, "g"));
    EXPECT_FALSE(set.add(names, "g"));
    set.clear();
    names.clear();
  }
}

TEST(CalleeSet, AListClearedWithoutTheSetIsNeverMatched) {
  CalleeSet set;
  std::vector<std::string> names;
  set.add(names, "f");
  set.add(names, "g");
  names.clear();
  // "f" meets its own old slot first, which names a list entry that is gone.
  EXPECT_TRUE(set.add(names, "f"));
  EXPECT_TRUE(set.add(names, "h"));
  EXPECT_EQ(names, (std::vector<std::string>{"f", "h"}));
}

}  // namespace
}  // namespace mora
