#include "analysis/basic_scanner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "analysis/function_scan.h"
#include "core/engine.h"
#include "scan_transcript.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;
using Names = std::vector<std::string>;

class BasicScannerTest : public ::testing::Test {
 protected:
  void SetUp() override { e.settings.language = ScanLanguage::Basic; }
  int scan(const std::string& source, ScanMode mode,
           testing::ScanTranscript::Form form = testing::ScanTranscript::Form::Entry) {
    m.fs.addFile("t.bas", source);
    scans.clear();
    return scans.run({"t.bas"}, mode, form);
  }
  std::string text(std::size_t k) const { return scans.text(k); }
  Names slot(std::size_t k) const { return scans.lines(k); }
  // The stripped form of one line and whether it counted as a comment.
  std::pair<std::string, bool> strip(std::string_view raw) {
    FunctionScan s(e, ScanMode::NamesOnly, {});
    std::string out;
    basicStripLine(s, raw, out);
    return {out, s.state().lineHadComment};
  }

  MemoryTestEngine m;
  TestEngine& t = m.t;
  Engine& e = t.engine;
  testing::ScanTranscript scans{e};
  std::vector<std::string>& entries = scans.entries;
};

TEST(BasicWords, ReservedWordsIgnoreCase) {
  EXPECT_TRUE(isBasicReservedWord("MsgBox"));
  EXPECT_TRUE(isBasicReservedWord("settext"));
  EXPECT_TRUE(isBasicReservedWord("Left$"));
  EXPECT_FALSE(isBasicReservedWord("DoWork"));
  EXPECT_FALSE(isBasicReservedWord("Property"));
  EXPECT_FALSE(isBasicReservedWord(""));
}

TEST(BasicHeaders, KeywordsThenNameAndParenthesis) {
  EXPECT_EQ(basicHeaderName("Sub Main()"), "Main");
  EXPECT_EQ(basicHeaderName("Public Sub Form_Load()"), "Form_Load");
  EXPECT_EQ(basicHeaderName("Private Function Calc(x As Integer) As Long"), "Calc");
  EXPECT_EQ(basicHeaderName("Static Sub S ()"), "S");
  EXPECT_EQ(basicHeaderName("Declare Function F Lib \"k\" (ByVal x As Long)"), "");
  EXPECT_EQ(basicHeaderName("Sub Main"), "");
  EXPECT_EQ(basicHeaderName("x = 1"), "");
  EXPECT_EQ(basicHeaderName("End Sub"), "");
  EXPECT_EQ(basicHeaderName("Public Property Get Name()"), "");
}

TEST_F(BasicScannerTest, StripsQuoteAndRemCommentsOutsideStrings) {
  EXPECT_EQ(strip("' Purpose: x\n"), std::make_pair(std::string(), true));
  EXPECT_EQ(strip("  REM note\n"), std::make_pair(std::string(), true));
  EXPECT_EQ(strip("Remark = 1\n"), std::make_pair(std::string("Remark = 1"), false));
  EXPECT_EQ(strip("Print \"it's\" ' says it\n"),
            std::make_pair(std::string("Print \"it's\""), true));
  EXPECT_EQ(strip("Print \"open 'x\n"), std::make_pair(std::string("Print \"open 'x"), false));
  // The second byte of a double-byte character is never a quote.
  EXPECT_EQ(strip("x = \x83\x27\n"), std::make_pair(std::string("x = \x83\x27"), false));
}

TEST(BasicCallees, StatementCallsOnly) {
  RoutineScanState state;
  BodySlot names;
  EXPECT_EQ(addBasicCallees("DoWork a, b", state, names), 1);
  EXPECT_EQ(addBasicCallees("Call Foo(1): Call Bar", state, names), 1);
  EXPECT_EQ(addBasicCallees("x = Calc(1)", state, names), 0);
  EXPECT_EQ(addBasicCallees("DoLater", state, names), 0);
  EXPECT_EQ(addBasicCallees("MsgBox \"hi\"", state, names), 0);
  EXPECT_EQ(addBasicCallees("Report \"total\", 3", state, names), 1);
  EXPECT_EQ(addBasicCallees("Shout #1, \"DoWork x\"", state, names), 1);
  EXPECT_EQ(addBasicCallees("DoWork 2", state, names), 0);  // already listed
  EXPECT_EQ(addBasicCallees("dowork 2", state, names), 1);  // names compare exactly
  EXPECT_EQ(names, (Names{"DoWork", "Foo", "Report", "Shout", "dowork"}));
}

TEST_F(BasicScannerTest, ProceduresWithCommentsAboveAndEndsInAnyCase) {
  const std::string src =
      "Option Explicit\n"
      "' Purpose: greets\n"
      "Public Sub Greet(ByVal who As String)\n"
      "    If who = \"\" Then\n"
      "        Exit Sub\n"
      "    End If\n"
      "    Say who\n"
      "  end   sub\n"
      "' detached\n"
      "\n"
      "Function Twice(x)\n"
      "    Twice = x * 2\n"
      "END FUNCTION\n"
      "Sub Open()\n";  // never closed: dropped
  ASSERT_EQ(scan(src, ScanMode::FunctionText), 0);
  EXPECT_EQ(entries, (Names{"Greet", "Twice"}));
  EXPECT_EQ(text(0), src.substr(16, src.find("' detached") - 16));
  EXPECT_EQ(text(1), "Function Twice(x)\n    Twice = x * 2\nEND FUNCTION\n");

  scan(src, ScanMode::NamesOnly, testing::ScanTranscript::Form::Position);
  EXPECT_EQ(entries, (Names{"Greet 3 8", "Twice 11 13"}));

  ASSERT_EQ(scan(src, ScanMode::CallLists), 0);
  EXPECT_EQ(slot(0), (Names{"Say"}));
  EXPECT_TRUE(slot(1).empty());
}

TEST_F(BasicScannerTest, ProcedureOnOneLineEndsThere) {
  const std::string src =
      "Private Sub A_GotFocus(): A.SelStart = 0: Beep: End Sub\n"
      "Public Function Name(ByVal t As Long) As String:   Abbr t, Name: End Function\n"
      "Sub B()\n"
      "    Label1: x = 1\n"
      "    Abbr \"x: End Sub\", 2: End Sub\n";
  ASSERT_EQ(scan(src, ScanMode::NamesOnly), 0);
  EXPECT_EQ(entries, (Names{"A_GotFocus", "Name", "B"}));
  ASSERT_EQ(scan(src, ScanMode::CallLists), 0);
  EXPECT_TRUE(slot(0).empty());
  EXPECT_EQ(slot(1), (Names{"Abbr"}));
  EXPECT_EQ(slot(2), (Names{"Abbr"}));
}

TEST_F(BasicScannerTest, CountsLinesAndDirectivesAbandonCandidates) {
  ASSERT_EQ(scan("' c\n#If Win32 Then\nSub A()\n\n  x = 1 ' set\nEnd Sub\n", ScanMode::StepCount),
            0);
  EXPECT_EQ(entries, (Names{"A 4 3 0 1", "> 6 4 1 1"}));
}

}  // namespace
}  // namespace mora

namespace mora {
namespace {

using testing::makeMemoryPlatform;
using testing::runMoraOn;
using testing::RunResult;

// The Basic corpus beside the checkout (MORA_CORPUS overrides its folder).
std::string basicCorpus() {
  const char* root = std::getenv("MORA_CORPUS");
  std::string dir = std::string(root ? root : MORA_SOURCE_DIR "/../shared/corpus") + "/vb6";
  return std::filesystem::is_directory(dir) ? dir : std::string();
}

// Over real Basic modules and forms: every Sub or Function header that a
// plain pattern finds is tagged at its own line, and every file's count total
// is its physical line count.
TEST(RealBasicSources, EveryProcedureHeaderIsTaggedAndFileTotalsAreLineCounts) {
  std::string dir = basicCorpus();
  if (dir.empty()) GTEST_SKIP() << "no Basic corpus beside the checkout";
  const std::regex header(R"(^\s*((public|private|friend|static)\s+)*(sub|function)\s+(\w+)\s*\()",
                          std::regex::icase);
  std::set<std::string> expected;
  std::map<std::string, int> physical;
  std::string list;
  auto fs = makeMemoryPlatform();  // the corpus files at their own paths
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::string ext = entry.path().extension();
    if (ext != ".bas" && ext != ".frm") continue;
    std::string file = entry.path();
    list += file + "\n";
    ASSERT_TRUE(fs->copyFromHost(file, file)) << file;
    std::ifstream in(file, std::ios::binary);
    int n = 0;
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
      ++n;
      if (std::regex_search(line, m, header))
        expected.insert(file + "(" + std::to_string(n) + "): " + m[4].str());
    }
    physical[file] = n;
  }
  ASSERT_FALSE(expected.empty());
  fs->addFile("files.lst", list);
  RunResult tags =
      runMoraOn(*fs, {"-vd1", "-nd", "-nh", "set language basic; tags * from <files.lst>"});
  EXPECT_EQ(tags.err, "");
  std::istringstream lines(tags.out);
  std::set<std::string> tagged;
  for (std::string line; std::getline(lines, line);) tagged.insert(line);
  for (const auto& want : expected) EXPECT_TRUE(tagged.count(want)) << want;

  RunResult count =
      runMoraOn(*fs, {"-vd1", "-nd", "-nh", "set language basic; count * from <files.lst>"});
  EXPECT_EQ(count.err, "");
  std::istringstream rows(count.out);
  std::size_t files = 0;
  for (std::string row; std::getline(rows, row);) {
    std::istringstream fields(row);
    std::string total, code, comment, file;
    // A file's total row has no name: its first field is the line count.
    if (row.rfind("                          ", 0) != 0 ||
        !(fields >> total >> code >> comment >> file))
      continue;
    EXPECT_EQ(std::stoi(total), physical[file]) << file;
    ++files;
  }
  EXPECT_EQ(files, physical.size());
  std::printf("%zu files, %zu procedure headers\n", physical.size(), expected.size());
}

}  // namespace
}  // namespace mora
