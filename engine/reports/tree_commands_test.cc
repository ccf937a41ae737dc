// The list and tree commands run as scripts: operands and messages. The
// reports themselves are covered by the golden transcripts.
#include <gtest/gtest.h>

#include "test_support.h"

namespace mora {
namespace {

using testing::RunResult;
using testing::ScratchDir;

constexpr const char* kSource =
    "int leaf(void) { return 1; }\n"
    "int mid(void)\n{\n    return leaf() + puts(\"x\");\n}\n"
    "int top(void)\n{\n    return mid();\n}\n";

RunResult run(const ScratchDir& dir, const std::string& script) {
  dir.write("s.c", kSource);
  dir.write("script.mora", script);
  return testing::runMora({"-vd1", "-nd", "-nh", "-f", "script.mora"});
}

TEST(TreeCommands, FtreeAndTheTreeFrontDoor) {
  ScratchDir dir;
  std::string expected =
      " top\n"
      "   +-mid\n"
      "     |-leaf\n"
      "     +-puts\n"
      "\n";
  EXPECT_EQ(run(dir, "set line ascii; ftree * from s.c;").out, expected);
  EXPECT_EQ(run(dir, "set line ascii; tree call * from s.c;").out, expected);
  EXPECT_EQ(run(dir, "set line ascii; tree function repeat * from s.c;").out, expected);
  RunResult bad = run(dir, "tree x * from s.c;");
  EXPECT_NE(bad.err.find("FIEU003"), std::string::npos);
  EXPECT_NE(bad.err.find("function/include/call/caller"), std::string::npos);
}

TEST(TreeCommands, FailuresRaiseOneMessage) {
  ScratchDir dir;
  RunResult missing = run(dir, "ftree * from nothere.c, s.c;");
  EXPECT_NE(missing.err.find("FIEC001"), std::string::npos);
  EXPECT_NE(missing.err.find("nothere.c"), std::string::npos);
  EXPECT_EQ(missing.out, "");
  RunResult junk = run(dir, "ftree * junk;");
  EXPECT_NE(junk.err.find("FIEU005 : Unexpected text: junk (the statement should end before it)"),
            std::string::npos);
  RunResult notAList = run(dir, "ftree * from s.c junk;");
  EXPECT_NE(notAList.err.find("FIEU003"), std::string::npos);
  EXPECT_EQ(notAList.out, "");
  // Every missing file of a list is named, and nothing is printed.
  RunResult list = run(dir, "list * from a.c, s.c, b.c;");
  EXPECT_EQ(list.out, "");
  EXPECT_NE(list.err.find("FIEC013"), std::string::npos);
  EXPECT_NE(list.err.find("a.c"), std::string::npos);
  EXPECT_NE(list.err.find("b.c"), std::string::npos);
  // Without `from` the library file is the source.
  RunResult library = run(dir, "set sysdt nolib; ftree *;");
  EXPECT_NE(library.err.find("FIEC001"), std::string::npos);
  EXPECT_NE(library.err.find("nolib"), std::string::npos);
}

TEST(TreeCommands, ListWithAndWithoutOperands) {
  ScratchDir dir;
  EXPECT_EQ(run(dir, "set number on; list m*,t* from s.c without top;").out,
            " 001: mid                                      s.c                     \n");
  // The bare form lists the library: here there is none.
  RunResult bare = run(dir, "set sysdt nolib; list;");
  EXPECT_EQ(testing::messageCodes(bare.err), "FIEC014");
  EXPECT_EQ(bare.out, "");
}

}  // namespace
}  // namespace mora
