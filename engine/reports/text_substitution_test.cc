#include "reports/text_substitution.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "core/engine.h"
#include "core/staging.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

std::string substituted(std::string line, const std::vector<Substitution>& pairs) {
  substituteLine(line, pairs);
  return line;
}

TEST(SubstituteLine, ReplacesEveryOccurrenceWithoutRescanningTheNewText) {
  EXPECT_EQ(substituted("abc", {{"ab", "abab"}}), "ababc");
  EXPECT_EQ(substituted("aaa", {{"a", "aa"}}), "aaaaaa");
  EXPECT_EQ(substituted("x = strlen(len);", {{"len", "size"}}), "x = strsize(size);");
  EXPECT_EQ(substituted("abab", {{"ab", ""}}), "");
}

// A 400 KB line with 100 000 occurrences: rewriting in place moved the
// tail once per occurrence (minutes); one pass takes milliseconds.
TEST(SubstituteLine, LongLinesCostTheirLength) {
  std::string line;
  for (int i = 0; i < 100000; ++i) line += "OLD;";
  auto start = std::chrono::steady_clock::now();
  substituteLine(line, {{"OLD", "NEWER"}});
  auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(line.size(), 100000u * 6);
  EXPECT_EQ(line.substr(0, 12), "NEWER;NEWER;");
  EXPECT_LT(seconds, 2.0);
}

TEST(SubstituteLine, SkipsEmptyAndUnchangingPairsAndChainsTheRest) {
  EXPECT_EQ(substituted("abc", {{"", "x"}, {"b", "b"}}), "abc");
  EXPECT_EQ(substituted("abc", {{"a", "b"}, {"b", "c"}}), "ccc");
}

TEST(SubstituteLine, NeverMatchesOnTheSecondByteOfADoubleByteCharacter) {
  // 0x95 0x5C is one character whose second byte is a backslash.
  EXPECT_EQ(substituted("\x95\x5C\\n", {{"\\", "/"}}), "\x95\x5C/n");
}

class DefineTest : public ::testing::Test {
 protected:
  int define(std::string_view rest) { return cmdDefine(t.engine, rest); }
  std::string staged(const std::string& name) {
    std::ifstream in(openPathForRead(t.engine, name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  ScratchDir dir;
  TestEngine t;
};

TEST_F(DefineTest, LaterReadsSeeTheNewTextWhileTheRealFileWaitsForDone) {
  dir.write("a.c", "int len = strlen(s);\nlen++;\n");
  dir.write("b.c", "no match\n");
  ASSERT_EQ(define("\"len\", \"(s)\" as \"size\", \"(str)\" on a.c, b.c"), 1) << t.err();
  EXPECT_EQ(staged("a.c"), "int size = strsize(str);\nsize++;\n");
  EXPECT_EQ(dir.read("a.c"), "int len = strlen(s);\nlen++;\n");
  ASSERT_EQ(define("size as count on a.c"), 1) << t.err();  // a second change stacks
  EXPECT_EQ(staged("a.c"), "int count = strcount(str);\ncount++;\n");
  EXPECT_TRUE(commitStagedFiles(t.engine));
  EXPECT_EQ(dir.read("a.c"), "int count = strcount(str);\ncount++;\n");
  EXPECT_EQ(dir.read("b.c"), "no match\n");
  EXPECT_FALSE(t.engine.platform.exists("sbt00000.src"));
  EXPECT_FALSE(t.engine.platform.exists("sbt00001.dst"));
  EXPECT_EQ(t.err(), "");
}

TEST_F(DefineTest, KeepsLineEndsAndLongLinesWhole) {
  std::string longLine = std::string(1020, ' ') + "old" + std::string(2000, 'x');
  dir.write("w.c", "old\r\n" + longLine + "\nlast old");
  ASSERT_EQ(define("\"old\" as \"new\" on w.c"), 1) << t.err();
  EXPECT_EQ(staged("w.c"),
            "new\r\n" + std::string(1020, ' ') + "new" + std::string(2000, 'x') + "\nlast new");
}

TEST_F(DefineTest, MissingFilesAreEachReportedAndNothingIsStaged) {
  dir.write("a.c", "len\n");
  EXPECT_EQ(define("len as size on a.c, gone1.c, gone2.c"), 0);
  EXPECT_NE(t.err().find("FIEC013 : File not found: gone1.c"), std::string::npos) << t.err();
  EXPECT_NE(t.err().find("FIEC013 : File not found: gone2.c"), std::string::npos) << t.err();
  EXPECT_TRUE(t.engine.staging.files.empty());
  EXPECT_FALSE(t.engine.platform.exists("sbt00000.src"));
}

TEST_F(DefineTest, MalformedStatementsRaiseOneMessageAndChangeNothing) {
  dir.write("a.c", "len\n");
  struct Case {
    const char* text;
    const char* code;
  };
  const Case cases[] = {
      {"len size on a.c", "FIEU003 : Expected AS here"},
      {"len as size a.c", "FIEU003 : Expected ON here"},
      {"\"a\", \"b\" as \"c\" on a.c", "FIEU012"},
      {"\"a\" as \"c\", \"d\" on a.c", "FIEU012"},
      {"\"a\" as \"b\" on a.c extra.c", "FIEU003"},
      {"\"a\" as \"b\" on a.c without", "FIEU005"},
      {", as x on a.c", "FIEU001"},
  };
  for (const auto& c : cases) {
    TestEngine one;
    EXPECT_FALSE(cmdDefine(one.engine, c.text)) << c.text;
    EXPECT_EQ(one.engine.messages.errorCount, 1) << c.text << ": " << one.err();
    EXPECT_NE(one.err().find(c.code), std::string::npos) << c.text << ": " << one.err();
    EXPECT_TRUE(one.engine.staging.files.empty());
  }
  EXPECT_EQ(dir.read("a.c"), "len\n");
}

TEST_F(DefineTest, KeywordsInsideQuotesAreText) {
  dir.write("a.c", "x as y on z\n");
  ASSERT_EQ(define("\"as y on\" as \"AS\" on a.c"), 1) << t.err();
  EXPECT_EQ(staged("a.c"), "x AS z\n");
}

}  // namespace
}  // namespace mora
