#include "core/directory_walker.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;

std::vector<std::string> walk(DirectoryWalker& w) {
  std::vector<std::string> names;
  while (auto n = w.next()) names.push_back(*n);
  return names;
}

TEST(DirectoryWalker, ListsOneLevelInFoldedOrder) {
  MemoryTestEngine m;
  m.fs.addFile("d/b.c", "");
  m.fs.addFile("d/A.c", "");
  m.fs.addFile("d/Inner/deep.c", "");
  DirectoryWalker w(m.engine().platform);
  ASSERT_TRUE(w.open("d/"));
  EXPECT_EQ(walk(w), (std::vector<std::string>{"A.c", "b.c", "Inner"}));
  EXPECT_FALSE(w.next());  // stays at its end
  ASSERT_TRUE(w.open("."));
  EXPECT_EQ(walk(w), (std::vector<std::string>{"d"}));
  // A directory that cannot be listed yields no entry, and the walk ends.
  m.fs.failOn("d", MemoryPlatform::Failure::Open);
  ASSERT_TRUE(w.open("d"));
  EXPECT_FALSE(w.next());
}

TEST(DirectoryWalker, RefusesWhatIsNoDirectory) {
  MemoryTestEngine m;
  m.fs.addFile("file", "");
  DirectoryWalker w(m.engine().platform);
  EXPECT_FALSE(w.open(""));
  EXPECT_FALSE(w.open("file"));
  EXPECT_FALSE(w.open("missing"));
  EXPECT_FALSE(w.next());
  EXPECT_TRUE(w.open("/"));
}

}  // namespace
}  // namespace mora
