#include "core/file_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "core/variables.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::ScratchDir;
using testing::TestEngine;
using Names = std::vector<std::string>;

Names parse(TestEngine& t, std::string_view text) {
  auto list = parseFileList(t.engine, text);
  return list ? list->names : Names{"<failed>"};
}

TEST(ParseFileList, ItemsOfEveryKindInOrder) {
  MemoryTestEngine m;
  m.fs.addFile("list.txt", "one.c\r\n\nsub/two.c\nlast.c");
  TestEngine& t = m.t;
  EXPECT_EQ(parse(t, "a.c , \"with blank.c\",<list.txt>, src/*.c"),
            (Names{"a.c", "with blank.c", "one.c", "sub/two.c", "last.c", "src/*.c"}));
  EXPECT_EQ(parse(t, "x~%!}#@[]+$&{()}:?*\\-_.y"), (Names{"x~%!}#@[]+$&{()}:?*\\-_.y"}));
  EXPECT_EQ(t.err(), "");
}

TEST(ParseFileList, ListFileLinesAreCutInPiecesOf255) {
  MemoryTestEngine m;
  m.fs.addFile("list.txt", std::string(255, 'a') + "bc\n" + std::string(255, 'd') + "\n");
  TestEngine& t = m.t;
  EXPECT_EQ(parse(t, "<list.txt>"), (Names{std::string(255, 'a'), "bc", std::string(255, 'd')}));
}

TEST(ParseFileList, EndsBeforeAKeywordAndReportsWhereItStopped) {
  TestEngine t;
  std::string_view text = "a.c, b.c  without main";
  auto list = parseFileList(t.engine, text);
  ASSERT_TRUE(list);
  EXPECT_EQ(list->names, (Names{"a.c", "b.c"}));
  EXPECT_EQ(text.substr(list->consumed), "  without main");
  // A keyword in the place of an item is a name.
  EXPECT_EQ(parse(t, "on, as"), (Names{"on", "as"}));
}

TEST(ParseFileList, MalformedListsRaiseOneMessage) {
  struct Case {
    const char* text;
    const char* code;
  };
  const Case cases[] = {
      {"", "FIEU007"},      {"a.c,,b.c", "FIEU007"}, {"a.c,", "FIEU007"}, {"\"\"", "FIEU007"},
      {"=x", "FIEU007"},    {"a.c b.c", "FIEU003"},  {"a.c;", "FIEU003"}, {"\"a.c", "FIEU003"},
      {"<list", "FIEU003"}, {"<nofile>", "FIES001"}, {"<.>", "FIES001"},
  };
  for (const auto& c : cases) {
    MemoryTestEngine m;
    TestEngine& t = m.t;
    EXPECT_FALSE(parseFileList(t.engine, c.text)) << c.text;
    EXPECT_EQ(t.engine.messages.errorCount, 1) << c.text;
    EXPECT_NE(t.err().find(c.code), std::string::npos) << c.text << ": " << t.err();
  }
}

TEST(ParseFileList, VariableValueCanHoldSeveralNamesAndListFiles) {
  MemoryTestEngine m;
  m.fs.addFile("l.txt", "from-list.c\n");
  TestEngine& t = m.t;
  ASSERT_TRUE(setVariable(t.engine, 0, "$_files", kScalarIndex, "<l.txt>"));
  ASSERT_TRUE(setVariable(t.engine, 0, "$src", kScalarIndex, " a.c, my file.c "));
  ASSERT_TRUE(setVariable(t.engine, 0, "$arr", 0, "x.c"));
  ASSERT_TRUE(setVariable(t.engine, 0, "$arr", 1, "y.c"));
  EXPECT_EQ(parse(t, "$_files, $src"), (Names{"from-list.c", "a.c", "my file.c"}));
  EXPECT_EQ(parse(t, "$arr"), (Names{"x.c", "y.c"}));
  EXPECT_EQ(parse(t, "$arr[1]"), (Names{"y.c"}));
  EXPECT_EQ(t.err(), "");
  EXPECT_EQ(parse(t, "$empty"), (Names{"<failed>"}));
  EXPECT_NE(t.err().find("FIEU007"), std::string::npos);
}

class ExpandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m.fs.addDirectory("src/sub");
    for (const char* f : {"src/b.c", "src/A.C", "src/c.h", "src/a.cpp", "x.c"}) m.fs.addFile(f, "");
  }
  Names expand(const Names& names) { return expandFileNames(m.engine(), names); }

  MemoryTestEngine m;
};

TEST_F(ExpandTest, MaskMatchesWithoutRegardToCaseInPlatformOrder) {
  EXPECT_EQ(expand({"src/*.c"}), (Names{"src/A.C", "src/b.c"}));
  EXPECT_EQ(expand({"src/*.C"}), (Names{"src/A.C", "src/b.c"}));
  EXPECT_EQ(expand({"*.c"}), (Names{"x.c"}));
  EXPECT_EQ(expand({"src/[a-b].c*"}), (Names{"src/A.C", "src/a.cpp", "src/b.c"}));
}

TEST_F(ExpandTest, DirectoryListsEveryEntryWithItsPrefix) {
  Names all{"src/A.C", "src/a.cpp", "src/b.c", "src/c.h", "src/sub"};
  EXPECT_EQ(expand({"src"}), all);
  EXPECT_EQ(expand({"src/"}), all);
}

TEST_F(ExpandTest, NamesThatAreNotExpandedStayAsWritten) {
  EXPECT_EQ(expand({"src\\*.c"}), (Names{"src\\*.c"}));    // backslash is no separator
  EXPECT_EQ(expand({"*/b.c"}), (Names{"*/b.c"}));          // wildcard in the directory part
  EXPECT_EQ(expand({"src/*.xyz"}), (Names{"src/*.xyz"}));  // no match
  EXPECT_EQ(expand({"none/*.c"}), (Names{"none/*.c"}));    // no such directory
  EXPECT_EQ(expand({"src/[a].c"}), (Names{"src/[a].c"}));  // "[" alone is literal
  EXPECT_EQ(expand({"missing.c", "x.c"}), (Names{"missing.c", "x.c"}));
}

TEST_F(ExpandTest, KeepsTheOrderOfTheList) {
  EXPECT_EQ(expand({"x.c", "src/*.h", "x.c"}), (Names{"x.c", "src/c.h", "x.c"}));
}

// Beside each name: whether expanding it already showed that it exists, so
// the existence check after it asks only about the rest.
TEST_F(ExpandTest, TellsWhichNamesWereSeenToExist) {
  TestEngine& t = m.t;
  std::vector<bool> seen;
  Names names =
      expandFileNames(t.engine, {"x.c", "missing.c", "src/*.h", "src/*.xyz", "src/sub"}, seen);
  // The empty directory matches nothing and stays as written.
  EXPECT_EQ(names, (Names{"x.c", "missing.c", "src/c.h", "src/*.xyz", "src/sub"}));
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false, false}));
  EXPECT_TRUE(allFilesExist(t.engine, {"x.c", "src/c.h"}, {true, true}));
  // A name not seen is looked up; one marked seen is trusted.
  EXPECT_FALSE(allFilesExist(t.engine, {"x.c", "gone.c"}, {true, false}));
  EXPECT_NE(t.err().find("FIEC013"), std::string::npos);
  EXPECT_TRUE(allFilesExist(t.engine, {"gone.c"}, {true}));
}

TEST(ExpandFileNames, TenThousandFilesExpandQuickly) {
  ScratchDir dir;
  ::mkdir("big", 0777);
  for (int i = 0; i < 10000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "big/f%05d.%s", i, i % 2 ? "c" : "h");
    if (FILE* f = std::fopen(name, "w")) std::fclose(f);
  }
  TestEngine t;
  // Processor time, so that a busy machine does not fail the test.
  std::clock_t start = std::clock();
  Names c = expandFileNames(t.engine, {"big/*.C"});
  Names all = expandFileNames(t.engine, {"big"});
  long long ms = (std::clock() - start) * 1000LL / CLOCKS_PER_SEC;
  EXPECT_EQ(c.size(), 5000u);
  EXPECT_EQ(c.front(), "big/f00001.c");
  EXPECT_EQ(all.size(), 10000u);
  EXPECT_LT(ms, 1000);
  std::printf("expanding 2 x 10000 entries took %lld ms of processor time\n", ms);
}

}  // namespace
}  // namespace mora
