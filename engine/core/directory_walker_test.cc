#include "core/directory_walker.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

std::vector<std::string> walk(DirectoryWalker& w) {
  std::vector<std::string> names;
  while (auto n = w.next()) names.push_back(*n);
  return names;
}

TEST(DirectoryWalker, ListsOneLevelInFoldedOrder) {
  ScratchDir dir;
  ::mkdir("d", 0777);
  ::mkdir("d/Inner", 0777);
  dir.write("d/b.c", "");
  dir.write("d/A.c", "");
  dir.write("d/Inner/deep.c", "");
  TestEngine t;
  DirectoryWalker w(t.engine.platform);
  ASSERT_TRUE(w.open("d/"));
  EXPECT_EQ(walk(w), (std::vector<std::string>{"A.c", "b.c", "Inner"}));
  EXPECT_FALSE(w.next());  // stays at its end
  ASSERT_TRUE(w.open("."));
  EXPECT_EQ(walk(w), (std::vector<std::string>{"d"}));
}

TEST(DirectoryWalker, RefusesWhatIsNoDirectory) {
  ScratchDir dir;
  dir.write("file", "");
  TestEngine t;
  DirectoryWalker w(t.engine.platform);
  EXPECT_FALSE(w.open(""));
  EXPECT_FALSE(w.open("file"));
  EXPECT_FALSE(w.open("missing"));
  EXPECT_FALSE(w.next());
  EXPECT_TRUE(w.open("/"));
}

}  // namespace
}  // namespace mora
