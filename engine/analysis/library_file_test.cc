#include "analysis/library_file.h"

#include <gtest/gtest.h>

#include "core/dispatch.h"
#include "core/engine.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

const char* kSource =
    "/* adds */\n"
    "int add(int a, int b)\n"
    "{\n"
    "  return add_one(a) + b;\n"
    "}\n"
    "\n"
    "void other(void)\n"
    "{\n"
    "}\n";

// Runs library commands on one engine in a scratch directory holding a.c.
class LibraryTest : public ::testing::Test {
 protected:
  // A run chooses its work file at start-up; this engine never starts.
  LibraryTest() {
    m.fs.addFile("a.c", kSource);
    t.engine.settings.workFile = m.fs.currentDirectory() + "/work.tmp";
  }
  int run(const std::string& statement) { return dispatchCommand(t.engine, statement); }
  std::string takeOut() {
    std::string s = t.outStream.str();
    t.outStream.str("");
    return s;
  }
  std::string takeErr() {
    std::string s = t.errStream.str();
    t.errStream.str("");
    return s;
  }

  MemoryTestEngine m;
  TestEngine& t = m.t;
};

TEST(LibraryMarkers, BeginLinesMustBeWholeLinesOfTheirSet) {
  const MarkerSet& f = markerSet(LibraryMode::Function);
  EXPECT_EQ(beginLineName("@FUNCTIONS[main]\n", f), "main");
  EXPECT_EQ(beginLineName("@FUNCTIONS main]\n", f), "main");  // any one character
  EXPECT_EQ(beginLineName("@PROTOTYPE[main]\n", f), std::nullopt);
  EXPECT_EQ(beginLineName("@FUNCTIONS[main]", f), std::nullopt);  // a cut piece
  EXPECT_TRUE(isEndLine("@END_PROT\n", markerSet(LibraryMode::Prototype)));
  EXPECT_FALSE(isEndLine("@END_PROT\n", f));
}

TEST_F(LibraryTest, ImportStoresBlocksAndRenamesEveryOccurrence) {
  EXPECT_GT(run("import add as sum, other from a.c"), 0);
  EXPECT_GT(run("import add from a.c"), 0);
  EXPECT_EQ(m.fs.text("sysdt"),
            "@FUNCTIONS[sum]\n/* sums */\nint sum(int a, int b)\n{\n  return sum_one(a) + b;\n}\n"
            "@END_FUNC\n@FUNCTIONS[other]\nvoid other(void)\n{\n}\n@END_FUNC\n"
            "@FUNCTIONS[add]\n/* adds */\nint add(int a, int b)\n{\n  return add_one(a) + b;\n}\n"
            "@END_FUNC\n");
  EXPECT_GT(run("import prototype o* from a.c"), 0);
  t.engine.settings.mode = LibraryMode::Prototype;
  EXPECT_GT(run("list"), 0);
  EXPECT_EQ(takeOut(),
            " 001: sum                              : Function    \n"
            " 002: other                            : Function    \n"
            " 003: add                              : Function    \n"
            " 004: other                            : Prototype   \n");
  EXPECT_GT(run("export *"), 0);
  EXPECT_EQ(takeOut(), " void other(void);\n");
  EXPECT_EQ(takeErr(), "");
}

TEST_F(LibraryTest, ExportToFilesChecksPlainNamesAndAddsHeaders) {
  ASSERT_GT(run("import * from a.c"), 0);
  EXPECT_EQ(run("export add, nothing to out.c"), -1);
  EXPECT_EQ(takeErr(), "  FIEC012 : Function not found: nothing\n");
  t.engine.settings.exportHead = true;
  m.fs.addFile("out.c", "int x;\n");
  EXPECT_GT(run("export function oth* as o2 to out.c"), 0);
  EXPECT_EQ(m.fs.text("out.c"), "int x;\n");  // staged until done
  EXPECT_GT(run("done"), 0);
  EXPECT_EQ(m.fs.text("out.c"),
            "int x;\n\n/* (C) function : [o2] */\n\nvoid o2(void)\n{\n}\n\n"
            "/* (C) endfunc  : [o2] */\n\n");
  // The header comments mark a block that delete removes.
  EXPECT_GT(run("delete o* from out.c"), 0);
  EXPECT_GT(run("done"), 0);
  EXPECT_EQ(m.fs.text("out.c"), "int x;\n\n\n");
}

TEST_F(LibraryTest, DeleteRemovesMarkedBlocksWhoseNamesMatch) {
  m.fs.addFile("m.c", "a\n@FUNCTIONS[f1]\nbody\n@END_FUNC\nb\n@FUNCTIONS[g]\nkept\n@END_FUNC\n");
  EXPECT_GT(run("delete f* from m.c"), 0);
  EXPECT_GT(run("delete g from m.c"), 0);  // sees the staged text
  EXPECT_GT(run("reset"), 0);
  EXPECT_EQ(m.fs.text("m.c"),
            "a\n@FUNCTIONS[f1]\nbody\n@END_FUNC\nb\n@FUNCTIONS[g]\nkept\n@END_FUNC\n");
  EXPECT_GT(run("delete f* from m.c"), 0);
  EXPECT_GT(run("done"), 0);
  EXPECT_EQ(m.fs.text("m.c"), "a\nb\n@FUNCTIONS[g]\nkept\n@END_FUNC\n");
}

TEST_F(LibraryTest, FailuresRaiseOneMessageEach) {
  EXPECT_EQ(run("list"), -1);
  EXPECT_EQ(takeErr(),
            "  FIEC014 : Cannot make prototypes or list the library: no library file (import "
            "functions first)\n");
  EXPECT_EQ(run("export *"), -1);
  EXPECT_EQ(takeErr(), "  FIEI001 : No function found: sysdt\n");
  EXPECT_EQ(run("type * from missing.c"), -1);
  EXPECT_EQ(takeErr(),
            "  FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the "
            "library file of import is read)\n");
  EXPECT_EQ(run("import * a.c"), -1);
  EXPECT_EQ(takeErr(), "  FIEU003 : Expected from here\n");
  ASSERT_GT(run("import other from a.c"), 0);
  EXPECT_EQ(run("print add"), -1);
  EXPECT_EQ(takeErr(), "  FIEI009 : No prototype found\n");
  // A begin line longer than a library piece is no marker.
  m.fs.addFile("sysdt", "@FUNCTIONS[" + std::string(300, 'n') + "]\nx\n@END_FUNC\n");
  EXPECT_EQ(run("print n*"), -1);
  EXPECT_EQ(takeErr(), "  FIEI009 : No prototype found\n");
}

// A library that cannot be read to its end fails the command with FIEC004
// alone: the output shows the blocks read before the error, as it does for
// any report cut short, and no file receives a partial copy.
TEST(LibraryReadError, FailsTheCommandAndLeavesTargetsAlone) {
  testing::MemoryTestEngine m;
  m.engine().settings.workFile = "/work/work.tmp";
  std::string block = "@FUNCTIONS[add]\nint add(void)\n{\n}\n@END_FUNC\n";
  m.fs.addFile("/work/sysdt", block + std::string(4000, '\n') + block);
  m.fs.addFile("/work/out.c", "int x;\n");
  m.fs.failOn("/work/sysdt", MemoryPlatform::Failure::Read);
  EXPECT_EQ(dispatchCommand(m.engine(), "export ad*"), -1);
  EXPECT_EQ(m.t.out(), " int add(void)\n {\n }\n");
  EXPECT_EQ(dispatchCommand(m.engine(), "export ad* to out.c"), -1);
  dispatchCommand(m.engine(), "done");  // commits whatever was staged
  EXPECT_EQ(testing::messageCodes(m.t.err()), "FIEC004 FIEC004");
  EXPECT_EQ(m.fs.text("/work/out.c"), "int x;\n");
}

TEST_F(LibraryTest, TypeWritesLinesToTheCurrentOutput) {
  EXPECT_GT(run("type prototype a* from a.c"), 0);
  EXPECT_EQ(takeOut(), "int add(int a, int b);\n");
}

}  // namespace
}  // namespace mora
