#include "core/set_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/engine.h"
#include "core/output.h"
#include "core/variables.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::ScratchDir;
using testing::TestEngine;

constexpr const char* kDefaultShow =
    "Import/Export/Delete Mode: Function\n"
    "ECHO                     : ON\n"
    "ERROR                    : ON\n"
    "WARNING                  : ON\n"
    "ADD Header When Export   : OFF\n"
    "Func-name with File-name : OFF\n"
    "Func-name with Positon   : OFF\n"
    "Code-Store in Buffer     : OFF\n"
    "Check Braces(C Func-TREE): ON\n"
    "Print Fullpath           : ON\n"
    "HTML Mode                : OFF\n"
    "HTML Mode (Filter)       : OFF\n"
    "Ifdef Check Mode         : OFF\n"
    "Find case-sensitive      : ON\n"
    "SYSDT Library File       : sysdt\n"
    "Target Language          : C/C++\n"
    "Directory Mask           : *.c,*.cpp,*.h\n"
    "C Nextline Continue      : ON\n"
    "Output File              : CONSOLE\n"
    "Display Line Type        : JIS\n"
    "Step Count               : Function\n"
    "Tree File-Position       : 55\n"
    "SPOOL                    : OFF\n"
    "COMMAND TRACE            : OFF\n"
    "\n";

// Runs `set` with each statement; returns the results joined as digits.
std::string set(TestEngine& t, std::initializer_list<std::string_view> statements) {
  std::string results;
  for (std::string_view s : statements) results += std::to_string(cmdSet(t.engine, s));
  return results;
}

TEST(SetShow, DefaultListByteForByteAndNothingWithEchoOff) {
  TestEngine t;
  EXPECT_EQ(set(t, {""}), "1");
  EXPECT_EQ(t.out(), kDefaultShow);
  t.outStream.str("");
  EXPECT_EQ(set(t, {"echo off", "   "}), "11");
  EXPECT_EQ(t.out(), "");
}

TEST(SetShow, ChangedSettingsAppearInTheList) {
  ScratchDir dir;
  TestEngine t;
  EXPECT_EQ(set(t, {"mode prototype", "language basic", "line ascii", "count file", "filepos 7",
                    "with position on", "code store on", "export head on", "case off"}),
            "111111111");
  t.engine.out.spool = std::make_unique<std::ofstream>("sp.txt");
  t.engine.out.spoolName = "sp.txt";
  set(t, {""});
  std::string shown = t.out();
  for (const char* line :
       {"Import/Export/Delete Mode: Prototype\n", "Target Language          : Basic\n",
        "Directory Mask           : *.frm,*.bas,*.cls\n", "Display Line Type        : ASCII\n",
        "Step Count               : File\n", "Tree File-Position       : 7\n",
        "Func-name with Positon   : ON\n", "Code-Store in Buffer     : ON\n",
        "ADD Header When Export   : ON\n", "Find case-sensitive      : OFF\n",
        "SPOOL                    : ON\n              SpoolFile  : sp.txt\n"})
    EXPECT_NE(shown.find(line), std::string::npos) << line;
  // The continuation line belongs to C only.
  EXPECT_EQ(shown.find("C Nextline"), std::string::npos);
}

// Each shown on/off row: `set name on|off` changes its own line of the list
// and no other line.
TEST(SettingsTable, EachShownFlagRowTogglesItsOwnLine) {
  for (const SettingEntry& entry : settingsTable()) {
    if (!entry.keyword || !entry.flag || !entry.showLabel || entry.effect) continue;
    std::string name(keywordWord(*entry.keyword));
    if (entry.qualifier) name += " " + std::string(keywordWord(*entry.qualifier));
    for (bool on : {false, true}) {
      TestEngine t;
      ASSERT_EQ(set(t, {name + (on ? " on" : " off"), ""}), "11") << name;
      if (!t.engine.settings.echo) {  // the list is printed only with echo on
        EXPECT_EQ(t.out(), "") << name;
        continue;
      }
      std::string line = std::string(entry.showLabel) + (on ? "ON" : "OFF") + "\n";
      EXPECT_NE(t.out().find(line), std::string::npos) << name;
      // Only this line differs from the default list.
      std::string expected = kDefaultShow;
      std::size_t at = expected.find(entry.showLabel);
      ASSERT_NE(at, std::string::npos) << name;
      expected.replace(at, expected.find('\n', at) + 1 - at, line);
      EXPECT_EQ(t.out(), expected) << name;
    }
  }
}

TEST(SettingsTable, ShowOnlyRowsAreNoSettingName) {
  std::vector<std::string> names = settingNames();
  EXPECT_EQ(names.front(), "mode");
  EXPECT_NE(std::find(names.begin(), names.end(), "with position"), names.end());
  for (const std::string& name : names) EXPECT_FALSE(name.empty());
  std::size_t settable = 0;
  for (const SettingEntry& entry : settingsTable()) settable += entry.keyword ? 1 : 0;
  EXPECT_EQ(names.size(), settable);
}

TEST(SetOnOff, WordsQualifiersAndTrailingText) {
  TestEngine t;
  EXPECT_EQ(set(t, {"WARNING OFF", "with file on", "without notdefined on", "braces off"}), "1111");
  EXPECT_FALSE(t.engine.settings.warning);
  EXPECT_TRUE(t.engine.settings.withFile);
  EXPECT_TRUE(t.engine.settings.withoutNotDefined);
  EXPECT_FALSE(t.engine.settings.braces);
  EXPECT_EQ(set(t, {"echo on extra", "echo maybe", "echo", "with foo on", "code on"}), "00000");
  EXPECT_TRUE(t.engine.settings.echo);
  EXPECT_FALSE(t.engine.settings.codeStore);
  EXPECT_EQ(
      t.err(),
      "  FIEU005 : Unexpected text: extra (the statement should end before it)\n"
      "  FIEU009 : Invalid keyword: maybe (help and the command name list the words it accepts)\n"
      "  FIEU001 : Argument missing (help and the command name show what it takes)\n"
      "  FIEU009 : Invalid keyword: foo (help and the command name list the words it accepts)\n"
      "  FIEU009 : Invalid keyword: on (help and the command name list the words it accepts)\n");
}

TEST(SetKeyword, UnknownWordOtherKeywordAndSpool) {
  TestEngine t;
  EXPECT_EQ(set(t, {"colour on", "tree on", "spool x", "language java", "language"}), "00000");
  EXPECT_EQ(t.engine.settings.language, ScanLanguage::C);
  std::string err = t.err();
  for (const char* code : {"FIEU005", "FIEU012", "FIEU009", "FIEB002"})
    EXPECT_NE(err.find(code), std::string::npos) << code;
}

TEST(SetFilepos, DigitsOnlyWithinTheLimit) {
  TestEngine t;
  EXPECT_EQ(
      set(t, {"filepos x", "filepos 12x", "filepos 99999999999", "filepos 0", "filepos 4095"}),
      "00011");
  EXPECT_EQ(t.engine.settings.filepos, 4095);
  EXPECT_NE(t.err().find("FIEU043"), std::string::npos);
}

TEST(SetWordArguments, QuotedAngleVariableAndEmpty) {
  TestEngine t;
  ASSERT_TRUE(setVariable(t.engine, 0, "$m", kScalarIndex, "*.x"));
  EXPECT_EQ(set(t, {"prompt \"a b>\"", "sysdt <lib>", "dirmask $m", "prompt \"\""}), "1111");
  EXPECT_EQ(t.engine.settings.sysdt, "<lib>");
  EXPECT_EQ(t.engine.settings.dirmask, "*.x");
  EXPECT_EQ(t.engine.settings.prompt, "");
  EXPECT_EQ(set(t, {"dirmask \"\"", "dirmask", "sysdt \"\"", "sysdt <lib", "prompt \"open"}),
            "00000");
  EXPECT_EQ(t.engine.settings.dirmask, "*.x");
  EXPECT_EQ(t.engine.settings.sysdt, "<lib>");
  std::string err = t.err();
  EXPECT_NE(err.find("FIEU012"), std::string::npos);
  EXPECT_NE(err.find("FIEU007"), std::string::npos);
  EXPECT_NE(err.find("FIEU003 : Expected > here"), std::string::npos);
}

// "*" and "?" are no word characters: a mask must be quoted, and a bare one
// reads as an empty word.
TEST(SetWordArguments, WildcardsEndTheWord) {
  TestEngine t;
  EXPECT_EQ(set(t, {"dirmask *.c"}), "0");
  EXPECT_NE(t.err().find("FIEU012"), std::string::npos);
  EXPECT_EQ(set(t, {"sysdt lib*", "dirmask \"*.c,*.h\""}), "01");
  EXPECT_NE(t.err().find("FIEU005 : Unexpected text: * (the statement should end before it)"),
            std::string::npos);
  EXPECT_EQ(t.engine.settings.sysdt, "sysdt");
  EXPECT_EQ(t.engine.settings.dirmask, "*.c,*.h");
}

TEST(SetOutput, AppendsToTheFileAndReturnsToTheConsole) {
  ScratchDir dir;
  dir.write("out.txt", "old\n");
  TestEngine t;
  EXPECT_EQ(set(t, {"output out.txt"}), "1");
  printOutput(t.engine, outputStream(t.engine), "new\n");
  EXPECT_EQ(set(t, {"output missing/dir/x.txt"}), "0");  // keeps out.txt
  printOutput(t.engine, outputStream(t.engine), "more\n");
  EXPECT_EQ(t.engine.settings.output, "out.txt");
  EXPECT_EQ(set(t, {"output console"}), "1");
  printOutput(t.engine, outputStream(t.engine), "screen\n");
  EXPECT_EQ(dir.read("out.txt"), "old\nnew\nmore\n");
  EXPECT_EQ(t.out(), "screen\n");
  EXPECT_EQ(t.engine.settings.output, "CONSOLE");
  EXPECT_NE(t.err().find("FIES001 : Cannot open file: missing/dir/x.txt"), std::string::npos);
}

TEST(SetHtml, BringsTheFilterAndOffClosesTheIndex) {
  ScratchDir dir;
  TestEngine t;
  EXPECT_EQ(set(t, {"html on"}), "1");
  EXPECT_TRUE(t.engine.settings.htmlFilter);
  t.engine.out.index = std::make_unique<std::ofstream>("index.html");
  EXPECT_EQ(set(t, {"htmlfilter off", "html off"}), "11");
  EXPECT_FALSE(t.engine.settings.html);
  EXPECT_FALSE(t.engine.settings.htmlFilter);
  EXPECT_EQ(t.engine.out.index, nullptr);
}

TEST(SetTrace, OnTruncatesTheTraceFileAndOffClosesIt) {
  ScratchDir dir;
  dir.write("command.mora", "stale\n");
  TestEngine t;
  EXPECT_EQ(set(t, {"trace on", "trace on"}), "11");
  ASSERT_NE(t.engine.out.trace, nullptr);
  *t.engine.out.trace << "x ;\n";
  EXPECT_EQ(set(t, {"trace off"}), "1");
  EXPECT_EQ(t.engine.out.trace, nullptr);
  EXPECT_EQ(dir.read("command.mora"), "x ;\n");
}

TEST(SetScreen, OnlyPrintsItsNotice) {
  TestEngine t;
  EXPECT_EQ(set(t, {"screen on"}), "1");
  EXPECT_EQ(t.out(), "Screen Mode Not-Supported\n");
}

}  // namespace
}  // namespace mora
