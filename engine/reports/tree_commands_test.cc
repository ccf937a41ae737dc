// The list and tree commands run as scripts: operands and messages. The
// reports themselves are covered by the golden transcripts.
#include <gtest/gtest.h>

#include "core/limits.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::makeMemoryPlatform;
using testing::RunResult;

constexpr const char* kSource =
    "int leaf(void) { return 1; }\n"
    "int mid(void)\n{\n    return leaf() + puts(\"x\");\n}\n"
    "int top(void)\n{\n    return mid();\n}\n";

RunResult run(MemoryPlatform& fs, const std::string& script) {
  fs.addFile("s.c", kSource);
  return testing::runScriptOn(fs, script);
}

TEST(TreeCommands, FtreeAndTheTreeFrontDoor) {
  auto fs = makeMemoryPlatform();
  std::string expected =
      " top\n"
      "   +-mid\n"
      "     |-leaf\n"
      "     +-puts\n"
      "\n";
  EXPECT_EQ(run(*fs, "set line ascii; ftree * from s.c;").out, expected);
  EXPECT_EQ(run(*fs, "set line ascii; tree call * from s.c;").out, expected);
  EXPECT_EQ(run(*fs, "set line ascii; tree function repeat * from s.c;").out, expected);
  RunResult bad = run(*fs, "tree x * from s.c;");
  EXPECT_NE(bad.err.find("FIEU003"), std::string::npos);
  EXPECT_NE(bad.err.find("function/include/call/caller"), std::string::npos);
}

// A captured tree keeps every whole line that fits: the printer hands the
// capture single lines, never a block that would be dropped whole.
TEST(TreeCommands, ACapturedTreeKeepsTheLinesThatFit) {
  auto fs = makeMemoryPlatform();
  std::string source;
  for (int k = 1000; k < 1800; ++k)
    source += "void function_number_" + std::to_string(k) + "(void) { }\n";
  fs->addFile("big.c", source);
  std::string printed = testing::runScriptOn(*fs, "ftree * from big.c;").out;
  ASSERT_GT(printed.size(), kCaptureMax + 4096);
  std::string captured = testing::runScriptOn(*fs, "$t = `ftree * from big.c`; echo $t;").out;
  EXPECT_GT(captured.size(), kCaptureMax - 64);
  EXPECT_LE(captured.size(), kCaptureMax + 1);
  EXPECT_EQ(captured.substr(0, 4096), printed.substr(0, 4096));
}

TEST(TreeCommands, FailuresRaiseOneMessage) {
  auto fs = makeMemoryPlatform();
  RunResult missing = run(*fs, "ftree * from nothere.c, s.c;");
  EXPECT_NE(missing.err.find("FIEC001"), std::string::npos);
  EXPECT_NE(missing.err.find("nothere.c"), std::string::npos);
  EXPECT_EQ(missing.out, "");
  RunResult junk = run(*fs, "ftree * junk;");
  EXPECT_NE(junk.err.find("FIEU005 : Unexpected text: junk (the statement should end before it)"),
            std::string::npos);
  RunResult notAList = run(*fs, "ftree * from s.c junk;");
  EXPECT_NE(notAList.err.find("FIEU003"), std::string::npos);
  EXPECT_EQ(notAList.out, "");
  // Every missing file of a list is named, and nothing is printed.
  RunResult list = run(*fs, "list * from a.c, s.c, b.c;");
  EXPECT_EQ(list.out, "");
  EXPECT_NE(list.err.find("FIEC013"), std::string::npos);
  EXPECT_NE(list.err.find("a.c"), std::string::npos);
  EXPECT_NE(list.err.find("b.c"), std::string::npos);
  // Without `from` the library file is the source.
  RunResult library = run(*fs, "set sysdt nolib; ftree *;");
  EXPECT_NE(library.err.find("FIEC001"), std::string::npos);
  EXPECT_NE(library.err.find("nolib"), std::string::npos);
}

TEST(TreeCommands, ListWithAndWithoutOperands) {
  auto fs = makeMemoryPlatform();
  EXPECT_EQ(run(*fs, "set number on; list m*,t* from s.c without top;").out,
            " 001: mid                                      s.c                     \n");
  // The bare form lists the library: here there is none.
  RunResult bare = run(*fs, "set sysdt nolib; list;");
  EXPECT_EQ(testing::messageCodes(bare.err), "FIEC014");
  EXPECT_EQ(bare.out, "");
}

}  // namespace
}  // namespace mora
