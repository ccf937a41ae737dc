#include "core/reader.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <new>
#include <sstream>

#include "core/engine.h"
#include "core/line_reader.h"
#include "core/output.h"
#include "fuzz/sandbox_platform.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::runMora;
using testing::runScript;
using testing::TestEngine;

TEST(PrepareLine, TrimsAndCutsCommentsOutsideQuotes) {
  EXPECT_EQ(prepareLine("  echo x   # note\n"), "echo x");
  EXPECT_EQ(prepareLine("echo \"a # b\" # c"), "echo \"a # b\"");
  EXPECT_EQ(prepareLine("echo \"open # never closed"), "echo \"open # never closed");
  EXPECT_EQ(prepareLine("\t# only a comment"), "");
  // 0x81 0x23 is no Shift-JIS pair, but a lead byte swallows the next byte:
  // the "#" after a lead byte is its second byte, not a comment.
  EXPECT_EQ(prepareLine("echo \x81#x"), "echo \x81#x");
}

TEST(SplitStatements, SplitsOnlyOutsideQuotesAndParentheses) {
  using V = std::vector<std::string>;
  EXPECT_EQ(splitStatements("$a = 1; $b = 2"), (V{"$a = 1", " $b = 2"}));
  EXPECT_EQ(splitStatements("echo (a;b)"), (V{"echo (a;b)"}));
  EXPECT_EQ(splitStatements("echo \"x;y\";z"), (V{"echo \"x;y\"", "z"}));
  EXPECT_EQ(splitStatements("if ((a);(b)) x;y"), (V{"if ((a);(b)) x", "y"}));
  EXPECT_EQ(splitStatements("echo \"unterminated;"), (V{"echo \"unterminated;"}));
}

TEST(AliasExpansion, PlaceholdersDefaultsAndMissingValues) {
  TestEngine t;
  t.engine.reader.aliases.push_back({"ft", "", "ftree %0 from %1=<*.c>"});
  t.engine.reader.aliases.push_back({"bad", "", "ftree %0 from %1"});
  std::string s = "ft main";
  ASSERT_TRUE(expandAlias(t.engine, s));
  EXPECT_EQ(s, "ftree main from     *.c ");
  s = "ft main x.c";
  ASSERT_TRUE(expandAlias(t.engine, s));
  EXPECT_EQ(s, "ftree main from x.c      ");
  // Only blanks separate arguments: after a comma the next one is empty.
  s = "ft main,x.c";
  ASSERT_TRUE(expandAlias(t.engine, s));
  EXPECT_EQ(s, "ftree main from     *.c ");
  s = "bad main";
  EXPECT_FALSE(expandAlias(t.engine, s));
  EXPECT_EQ(t.err(), "  FIEU033 : No value for %1\n");
  s = "other main";
  ASSERT_TRUE(expandAlias(t.engine, s));
  EXPECT_EQ(s, "other main");
}

TEST(AliasCommand, DefinesReplacesAndLists) {
  auto r = runMora({"-vd1", "-nd", "-nh"},
                   "alias x as exit 4\nalias x AS exit 5\nalias y as bye\nalias\n"
                   "alias as z\nalias a b as c\nx\n");
  EXPECT_EQ(r.code, 5);
  EXPECT_NE(r.out.find("  1\t x \t: exit 5\n  2\t y \t: bye\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("FIEU032"), std::string::npos);
  EXPECT_NE(r.err.find("FIEU012"), std::string::npos);
}

TEST(History, KeepsTenInteractiveStatementsAndRecalls) {
  std::string input;
  for (int i = 1; i <= 11; ++i) input += "cmd" + std::to_string(i) + "\n";
  input += "history\n0\n11\n";
  auto r = runMora({"-vd1", "-nd", "-nh"}, input);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out.find(" 1: cmd1\n"), std::string::npos);
  EXPECT_NE(r.out.find("  1: cmd2\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" 10: cmd11\n"), std::string::npos);
  EXPECT_EQ(r.out.find("history\n"), std::string::npos) << "history itself is not stored";
  // Two recalls out of range.
  std::size_t first = r.err.find("FIEU034");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(r.err.find("FIEU034", first + 1), std::string::npos);
}

TEST(History, RecallRunsTheStoredStatement) {
  auto r = runMora({"-vd1", "-nd", "-nh"}, "exit x\n1\n");
  EXPECT_EQ(r.code, 0);
  // The recalled statement raises its message a second time.
  std::size_t first = r.err.find("FIEU011");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(r.err.find("FIEU011", first + 1), std::string::npos);
}

TEST(ReadLoop, ContinuationJoinsLinesAndEmptyLineDropsIt) {
  EXPECT_EQ(runScript("exit \\\n  7\n").code, 7);
  auto r = runScript("exit \\\n\nexit 2\n");
  EXPECT_EQ(r.code, 2);
}

TEST(ReadLoop, OpeningBraceAtLineEndIsSplitOff) {
  // "exit {" runs as "exit" (code 0); unsplit it would be a bad exit code.
  EXPECT_EQ(runScript("exit {\nexit 8\n").code, 0);
}

TEST(ReadLoop, CommandStringsAreNotSplitAtABrace) {
  // "if (1 == 2) {" is one statement: "{" is its (untaken) statement, so no
  // block is skipped and the lone "}" closes nothing.
  auto r = runMora({"-vd1", "-nd", "-nh", "if (1 == 2) {", "echo \"in\"", "}"}, "");
  EXPECT_EQ(r.out, "in\n");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.err.find("FIEU019"), std::string::npos) << r.err;
}

TEST(ReadLoop, OverlongStatementRaisesAndIsDropped) {
  std::string longLine(1000, 'x');
  std::string script = "exit " + longLine + " \\\n" + longLine + " \\\n" + longLine + "\nexit 9\n";
  auto r = runScript(script);
  EXPECT_EQ(r.code, 9);
  EXPECT_NE(r.err.find("FIEB001"), std::string::npos);
}

TEST(ReadLoop, LongPhysicalLineIsReadInPieces) {
  // 1023 blanks then "exit 6": the second piece is its own line.
  auto r = runScript(std::string(1023, ' ') + "exit 6\n");
  EXPECT_EQ(r.code, 6);
}

TEST(ReadLoop, PromptOnStandardInput) {
  auto r = runMora({"-vd1", "-nd", "-nh"}, "exit 0\n");
  EXPECT_EQ(r.out, "MORA>");
}

}  // namespace
}  // namespace mora

namespace mora {
namespace {

// Stands for any allocation of a command that fails: changing into the
// directory "oom" runs out of memory.
class ExhaustedPlatform : public fuzz::SandboxPlatform {
 public:
  bool changeDirectory(const std::string& dir) override {
    if (dir == "oom") throw std::bad_alloc();
    return true;
  }
};

TEST(ExecuteLine, MemoryExhaustionFailsTheStatementNotTheRun) {
  ExhaustedPlatform platform;
  std::istringstream in("cd oom\necho \"next\"\nexit 3\n");
  std::ostringstream out, err;
  Engine engine(platform, in, out, err);
  int code = engine.run({std::string(MORA_PROGRAM_DIR) + "/mora", "-vd1", "-nd", "-nh"});
  EXPECT_EQ(testing::messageCodes(err.str()), "FIES004");
  EXPECT_NE(out.str().find("next\n"), std::string::npos);
  EXPECT_EQ(code, 3);
}

// /proc/self/mem opens but fails with EIO at its first byte: the reader
// stops and says so instead of letting the exception end the process.
TEST(LineReaderErrors, ReadErrorEndsReadingAndIsReported) {
  std::ifstream mem("/proc/self/mem", std::ios::binary);
  if (!mem) GTEST_SKIP() << "no /proc/self/mem";
  LineReader reader(mem);
  std::string piece;
  EXPECT_FALSE(reader.readPiece(piece, 100));
  EXPECT_TRUE(reader.failed());
  std::istringstream text("a\n");
  LineReader ok(text);
  EXPECT_TRUE(ok.readPiece(piece, 100));
  EXPECT_FALSE(ok.readPiece(piece, 100));
  EXPECT_FALSE(ok.failed());
}

// Report output notices a recorded signal at once.
TEST(Interrupts, OutputStopsAtARecordedSignal) {
  volatile std::sig_atomic_t flag = 1;
  TestEngine t;
  t.engine.setInterruptFlag(&flag);
  EXPECT_THROW(printOutput(t.engine, *t.engine.out.stdOut, "line\n"), EngineExit);
  EXPECT_EQ(t.out(), "");
  EXPECT_EQ(t.err(), "Terminated by User.\n");
  // The exit operation itself is never cut short.
  t.engine.exiting = true;
  EXPECT_NO_THROW(printOutput(t.engine, *t.engine.out.stdOut, "line\n"));
}

}  // namespace
}  // namespace mora
