#include "analysis/c_scanner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "analysis/function_scan.h"
#include "analysis/source_line_reader.h"
#include "core/engine.h"
#include "scan_transcript.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

class CScannerTest : public ::testing::Test {
 protected:
  // Scans `source`, written as `name`, in `mode` with the pattern "*"; what
  // it returns is added to `entries` and the bodies.
  int scan(const std::string& source, ScanMode mode, const std::string& name = "t.c") {
    m.fs.addFile(name, source);
    return scans.run({name}, mode);
  }
  std::vector<std::string> positions(const std::string& source) {
    scans.clear();
    m.fs.addFile("t.c", source);
    scans.run({"t.c"}, ScanMode::NamesOnly, testing::ScanTranscript::Form::Position);
    return entries;
  }
  std::string text(std::size_t k) const { return scans.text(k); }
  std::vector<std::string> calls(std::size_t k) const { return scans.lines(k); }

  MemoryTestEngine m;
  TestEngine& t = m.t;
  Engine& e = t.engine;
  testing::ScanTranscript scans{e};
  std::vector<std::string>& entries = scans.entries;
};

using Names = std::vector<std::string>;

TEST(CNames, ValidityAndReservedWords) {
  EXPECT_TRUE(isValidCName("::name"));
  EXPECT_TRUE(isValidCName("~Name"));
  EXPECT_TRUE(isValidCName("9lives"));
  EXPECT_FALSE(isValidCName("::"));
  EXPECT_FALSE(isValidCName("~"));
  EXPECT_FALSE(isValidCName(""));
  EXPECT_TRUE(isCReservedWord("asm"));
  EXPECT_TRUE(isCReservedWord("xalloc"));
  EXPECT_TRUE(isCReservedWord("sizeof"));
  EXPECT_FALSE(isCReservedWord("Sizeof"));
  EXPECT_FALSE(isCReservedWord("main"));
  // Every listed word passes the quick test on length and first byte, and
  // names of the same shape are still told apart.
  for (std::string_view w : C_RESERVED_WORDS) EXPECT_TRUE(isCReservedWord(w)) << w;
  EXPECT_FALSE(isCReservedWord("whale"));
  EXPECT_FALSE(isCReservedWord("reinterpret_cash"));
  EXPECT_FALSE(isCReservedWord(""));
}

TEST(CBraceBalance, SkipsStringsCharactersAndDoubleByteCharacters) {
  EXPECT_EQ(braceBalance("{ { }"), 1);
  EXPECT_EQ(braceBalance("s = \"{{\"; }"), -1);
  EXPECT_EQ(braceBalance("c = '{'; d = '\\}'; }"), -1);
  EXPECT_EQ(braceBalance("s = \"\\\"{\""), 1);  // no escape: the string ends at \"
  EXPECT_EQ(braceBalance("\x81{ }"), -1);       // 0x81 0x7B is one character
  EXPECT_EQ(braceBalance("\"open {"), 0);
}

TEST(CCalleeNames, FindsEachNameOnceAndSkipsKeywordsAndPointers) {
  BodySlot names;
  CalleeSet seen;
  EXPECT_EQ(addCalleeNames("x = a::b::c(1) + p->f(2) + s.g(3);", names, seen), 3);
  EXPECT_EQ(addCalleeNames("if (h(k(x))) while (y) return (z); sizeof (int);", names, seen), 2);
  EXPECT_EQ(addCalleeNames("(*fp)(1); ~X(); f(\"g(\"); a::b::c();", names, seen), 1);
  EXPECT_EQ(names, (Names{"a::b::c", "f", "g", "h", "k", "~X"}));
  BodySlot atStart;
  CalleeSet seenAtStart;
  addCalleeNames("f(x)", atStart, seenAtStart);
  addCalleeNames("x = \"unterminated ( q(", atStart, seenAtStart);
  EXPECT_EQ(atStart, Names{"f"});
}

TEST(CStripLine, RemovesCommentsAcrossLinesAndMarksCommentLines) {
  TestEngine t;
  FunctionScan s(t.engine, ScanMode::NamesOnly, {});
  ScanState& state = s.state();
  std::string scratch;
  EXPECT_EQ(cStripLine(s, "  a = 1; /* one\n", scratch), "a = 1;");
  EXPECT_TRUE(state.inBlockComment);
  state.lineHadComment = false;
  EXPECT_EQ(cStripLine(s, " two */ b; // three\n", scratch), "b;");
  EXPECT_TRUE(state.lineHadComment);
  EXPECT_FALSE(state.inBlockComment);
  // strings are not seen
  EXPECT_EQ(cStripLine(s, "s = \"/* in string\"; \x81/ x\n", scratch), "s = \"");
  state.inBlockComment = false;
  // second bytes start no comment
  EXPECT_EQ(cStripLine(s, "p = \x81/x; \x81*y\n", scratch), "p = \x81/x; \x81*y");
  // Inside a comment a second byte "*" closes nothing; several comments on
  // one line; a lead byte at the very end is kept as it is.
  EXPECT_EQ(cStripLine(s, "a /* \x81*/ still */ b /**/c/* x */ \x81\n", scratch), "a  b c \x81");
  EXPECT_FALSE(state.inBlockComment);
  EXPECT_EQ(cStripLine(s, "x/", scratch), "x/");  // a lone "/" at the end is text
}

// Kept text in one stretch of the line is handed out where it lies; text
// that a comment breaks is put together, and a later line in one stretch
// never shows what an earlier one left in the scratch buffer.
TEST(CStripLine, KeepsOneStretchInPlaceAndJoinsBrokenText) {
  TestEngine t;
  FunctionScan s(t.engine, ScanMode::NamesOnly, {});
  std::string scratch;
  const std::string broken = "  f(a, /* first */ b); \n";
  EXPECT_EQ(cStripLine(s, broken, scratch), "f(a,  b);");
  const std::string whole = "\tg(c);  // done\n";
  std::string_view kept = cStripLine(s, whole, scratch);
  EXPECT_EQ(kept, "g(c);");
  EXPECT_EQ(kept.data(), whole.data() + 1);
  EXPECT_EQ(cStripLine(s, "/* a */ /* b */\n", scratch), "");
  EXPECT_EQ(cStripLine(s, "h /**/(x)\n", scratch), "h (x)");
}

// Lines the reader knows to be ASCII take a shorter way through the strip;
// what is kept, and the comment state, must not depend on it.
TEST(CStripLine, StripsAsciiLinesFromTheReaderAsAnyOther) {
  const std::string text =
      "  plain(x);  \n\t\tlead(y);\t\n a / b /* c\n d */ e // f\n/**/\n/* g */ h /* i\n"
      "*/\nx = \"//\";\n   \n/\n  k(); /* one */ /* two */\n/*/ open */ m\n/* ** / * **/ n /*\n";
  TestEngine t;
  FunctionScan direct(t.engine, ScanMode::NamesOnly, {});
  FunctionScan viaReader(t.engine, ScanMode::NamesOnly, {});
  std::istringstream in(text);
  SourceLineReader reader(in);
  viaReader.state().lineReader = &reader;
  std::string scratch;
  std::string otherScratch;
  std::string_view line;
  int lines = 0;
  while (reader.next(line, false)) {
    ASSERT_TRUE(reader.lineIsAscii());
    std::string expected(cStripLine(direct, line, scratch));
    EXPECT_EQ(cStripLine(viaReader, line, otherScratch), expected) << line;
    EXPECT_EQ(viaReader.state().inBlockComment, direct.state().inBlockComment) << line;
    EXPECT_EQ(viaReader.state().lineHadComment, direct.state().lineHadComment) << line;
    direct.state().lineHadComment = viaReader.state().lineHadComment = false;
    ++lines;
  }
  EXPECT_EQ(lines, 13);
  viaReader.state().lineReader = nullptr;
}

TEST_F(CScannerTest, OneLineBodyEndsOnItsLineOnlyWithBracesOn) {
  const std::string src = "int f(void) { return 0; }\nint x;\n}\n";
  EXPECT_EQ(positions(src), Names{"f 1 1"});
  e.settings.braces = false;
  EXPECT_EQ(positions(src), Names{"f 1 3"});
}

TEST_F(CScannerTest, OldStyleDefinitionNeedsItsBraceInColumnOne) {
  EXPECT_EQ(positions("int f(a)\nint a;\n{\n  return a;\n}\n"), Names{"f 1 5"});
  EXPECT_EQ(positions("int f(a)\nint a;\n  {\n  return a;\n}\n"), Names{});
}

TEST_F(CScannerTest, BlankLineBreaksAnOpenHeaderButMayFollowItsClosingParen) {
  EXPECT_EQ(positions("int f(int a,\n\n   int b)\n{\n}\n"), Names{});
  EXPECT_EQ(positions("int f(int a,\n   int b)\n\n{\n}\n"), Names{"f 1 5"});
}

TEST_F(CScannerTest, PrototypesCallsAndTemplateHeadersAreNoDefinitions) {
  EXPECT_EQ(positions("int f(int);\nx = g(a) + 1\n{\n}\n"), Names{});
  EXPECT_EQ(positions("vector<int> f(int a)\n{\n}\nint g(int x = a - 1)\n{\n}\n"), Names{});
}

TEST_F(CScannerTest, NameOnItsOwnLineIsFoundThroughTheLookAhead) {
  const std::string src = "/* c */\nint\nf\n(int a)\n{\n  return a;\n}\n";
  ASSERT_EQ(scan(src, ScanMode::FunctionText), 0);
  EXPECT_EQ(entries, Names{"f"});
  EXPECT_EQ(text(0), src);
  EXPECT_EQ(positions(src), Names{"f 3 7"});
}

TEST_F(CScannerTest, BackslashLinesAndDefines) {
  // A #define continuation is an ordinary line and may start a candidate.
  EXPECT_EQ(positions("#define M(x) \\\nint f(void)\n{\n}\n"), Names{"f 2 4"});
  // Any other line ending in a backslash hides the next line.
  EXPECT_EQ(positions("x \\\nint f(void)\n{\n}\n"), Names{});
}

TEST_F(CScannerTest, BracesInCommentsStringsAndCharactersDoNotCount) {
  const std::string src =
      "int f(void)\n{\n  /* } */ s = \"}\";\n  c = '}';\n}\nint g(void)\n{\n}\n";
  EXPECT_EQ(positions(src), (Names{"f 1 5", "g 6 8"}));
}

TEST_F(CScannerTest, BraceCountingBlindSpots) {
  // A one-line body after a header's ")" is not closed on that line.
  EXPECT_EQ(positions("int f(void)\n{ return 0; }\nint x;\n}\n"), Names{"f 1 4"});
  // Braces after the opening one on the header line are not counted.
  EXPECT_EQ(positions("int f() { if (x) {\n y();\n }\n}\n"), Names{"f 1 3"});
}

TEST_F(CScannerTest, PrototypeModeTurnsHeadersIntoDeclarations) {
  ASSERT_EQ(scan("/* c */\nstatic int\nadd(int a,\n    int b)\n{\n  return 0;\n}\n"
                 "int g(void) {  // g()\n}\n",
                 ScanMode::PrototypeText),
            0);
  EXPECT_EQ(entries, (Names{"add", "g"}));
  EXPECT_EQ(text(0), "static int\nadd(int a,\n    int b);\n");
  EXPECT_EQ(text(1), "int g(void) {  // g();\n");  // cut after the last ")" of the line
}

TEST_F(CScannerTest, CallListsRunAcrossFilesAndDropOpenCandidates) {
  m.fs.addFile("one.c", "void a(void)\n{\n  b(); c(); b();\n}\nvoid z(void)\n{\n  lost();\n");
  m.fs.addFile("two.c", "void d(void)\n{\n}\nvoid e2(void)\n{\n  f(\"x\",\n    1);\n}\n");
  ASSERT_EQ(scans.run({"one.c", "two.c"}, ScanMode::CallLists), 0);
  EXPECT_EQ(entries, (Names{"a", "d", "e2"}));
  EXPECT_EQ(calls(0), (Names{"b", "c"}));
  EXPECT_EQ(calls(1), Names{});
  EXPECT_EQ(calls(2), Names{"f"});
}

TEST_F(CScannerTest, ContinuedLinesAreJoinedInCallListBodies) {
  // Joined, the call lies inside the string; not joined, it is a call.
  const std::string src = "void a(void)\n{\n  x = \"\\\n  f(1)\";\n}\n";
  ASSERT_EQ(scan(src, ScanMode::CallLists), 0);
  EXPECT_EQ(calls(0), Names{});
  e.settings.continueLines = false;
  scans.clear();
  ASSERT_EQ(scan(src, ScanMode::CallLists), 0);
  EXPECT_EQ(calls(0), Names{"f"});
}

TEST_F(CScannerTest, StepCountEntriesAndFileTotals) {
  ASSERT_EQ(scan("/* top */\nint f(void)\n{\n\n  return 0; // r\n}\nint x;\n", ScanMode::StepCount),
            0);
  // f: comment, header, brace, blank, code, brace = 6 lines.
  EXPECT_EQ(entries, (Names{"f 6 4 1 1", "> 7 5 1 1"}));
}

TEST_F(CScannerTest, EntryFormsFollowTheSettings) {
  const std::string src = "\nint f(void)\n{\n}\n";
  e.settings.withPosition = true;
  scan(src, ScanMode::NamesOnly, "sub_t.c");
  e.settings.withFile = true;
  e.settings.fullpath = false;
  m.fs.addDirectory("d");
  m.fs.addFile("d/t.c", src);
  scans.run({"d/t.c"}, ScanMode::NamesOnly);
  EXPECT_EQ(entries, (Names{"f [sub_t.c] (2)", "f [t.c] "}));
}

TEST_F(CScannerTest, OnlySelectedFunctionsAreRecorded) {
  m.fs.addFile("t.c", "int keep(void)\n{\n}\nint drop(void)\n{\n}\n");
  ASSERT_EQ(scans.run({"t.c"}, ScanMode::FunctionText, testing::ScanTranscript::Form::Entry,
                      {FunctionPattern{"k*"}}),
            0);
  EXPECT_EQ(entries, Names{"keep"});
  EXPECT_EQ(text(0), "int keep(void)\n{\n}\n");
  EXPECT_EQ(text(1), "");
}

TEST_F(CScannerTest, MissingFileAndFullTable) {
  EXPECT_EQ(scans.run({"none.c"}, ScanMode::NamesOnly), -1);
  EXPECT_EQ(scans.error, kScanCannotOpenSource);
  // Call lists are held for the whole command: the table of them is bounded.
  std::string many;
  for (int i = 0; i < 4100; ++i) many += "void f" + std::to_string(i) + "(void) { }\n";
  EXPECT_EQ(scan(many, ScanMode::CallLists), -1);
  EXPECT_EQ(scans.error, kScanOutOfMemory);
  EXPECT_EQ(entries.size(), kBodySlots - 1);
  // Names alone are not held that way.
  scans.clear();
  EXPECT_EQ(scan(many, ScanMode::NamesOnly), 0);
  EXPECT_EQ(entries.size(), 4100u);
}

TEST_F(CScannerTest, HostileInputNeverStopsTheScan) {
  std::string binary;
  for (int i = 0; i < 20000; ++i) binary += static_cast<char>((i * 7919) % 256);
  EXPECT_EQ(scan(binary, ScanMode::FunctionText), 0);
  std::string longLine = "int f(void)\n{\n  x = \"" + std::string(9000, '{') + "\";\n}\n";
  EXPECT_EQ(scan(longLine, ScanMode::CallLists), 0);
  using namespace std::string_literals;
  EXPECT_EQ(scan("int f(void)\n{\n\0\0\0}\n/* open\n\"str\n{"s, ScanMode::StepCount), 0);
  EXPECT_EQ(entries.back(), "> 6 3 3 0");
}

}  // namespace
}  // namespace mora
