// The Basic and Pascal structure stage: the records and nests it writes for
// whole sources, comments, long lines and hostile nesting.
#include "reports/line_action_walker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "core/limits.h"
#include "reports/action_record.h"
#include "test_support.h"

namespace mora {
namespace {

using Stage = void (*)(std::istream&, ActionRecordWriter&);

// The records of `source`, one "kind|level|nest|first|second" line each.
std::string walk(const std::string& source, Stage stage = walkBasicActions) {
  std::string bytes;
  ActionRecordWriter writer([&bytes](std::string_view b) {
    bytes.append(b);
    return true;
  });
  std::istringstream in(source);
  stage(in, writer);
  EXPECT_TRUE(writer.finish());
  std::istringstream records(bytes);
  ActionRecordReader reader(records, kActionFieldSeparator, kActionRecordEnd);
  std::string lines;
  for (ActionRecord r; reader.next(r);) {
    lines += r.kind + "|" + std::to_string(r.level) + "|" + std::to_string(r.nest) + "|" + r.first +
             "|" + r.second + "\n";
  }
  return lines;
}

TEST(LineActionWalker, BasicProcedureWithBlocks) {
  EXPECT_EQ(walk("Private Sub Foo()\r\n"
                 "  If x Then y = 1\r\n"
                 "  Select Case x\r\n"
                 "  Case 1\r\n"
                 "    Do While x\r\n"
                 "      x = x - 1\r\n"
                 "    Loop\r\n"
                 "  End Select\r\n"
                 "  Exit Sub\r\n"
                 "End Sub\r\n"),
            "bgnblk|0|0|Private Sub Foo()|\n"
            "bgnblk|0|1|If x Then y = 1|\n"
            "endblk|0|1||\n"
            "bgnblk|0|1|Select Case x|\n"
            "midblk|0|1|Case 1|\n"
            "bgnloop|0|2|Do While x|\n"
            "normal|1|3|x = x - 1|\n"
            "endblk|0|2|Loop|\n"
            "endblk|0|1|End Select|\n"
            "normal|1|1|Exit Sub|\n"
            "endblk|0|0|End Sub|\n");
}

TEST(LineActionWalker, ElseIfChainsAndOneLineElseIf) {
  EXPECT_EQ(walk("If a Then\nx\nElseIf b Then\ny\nElse\nz\nEnd If\n"),
            "bgnblk|0|0|If a Then|\nnormal|1|1|x|\nmidblk|0|0|ElseIf b Then|\n"
            "normal|1|1|y|\nmidblk|0|0|Else|\nnormal|1|1|z|\nendblk|0|0|End If|\n");
  // A one-line ElseIf closes the block; the End If after it finds nothing open.
  EXPECT_EQ(walk("If a Then\nElseIf b Then c\nEnd If\nx\n"),
            "bgnblk|0|0|If a Then|\nendblk|0|0|ElseIf b Then c|\nendblk|0|0|End If|\n"
            "normal|1|0|x|\n");
}

TEST(LineActionWalker, CommentsAndBlankLines) {
  // Blank lines vanish; comment lines are statements with their comment;
  // trailing comments stay in the shown text but not in the classification.
  EXPECT_EQ(walk("\n   \n\t' note\nRem old\nFor i = 1 To 2 ' count\n  s = \"'\"\nNext\n"),
            "normal|1|0|' note|\nnormal|1|0|Rem old|\nbgnloop|0|0|For i = 1 To 2 ' count|\n"
            "normal|1|1|s = \"'\"|\nendblk|0|0|Next|\n");
  EXPECT_EQ(walk("If x Then ' open\nEnd If\n"),
            "bgnblk|0|0|If x Then ' open|\nendblk|0|0|End If|\n");
}

TEST(LineActionWalker, ClosingLinesNeverGoBelowZero) {
  EXPECT_EQ(walk("End Sub\nNext\nWend\nLoop Until x\nCase 1\nElse\ny\n"),
            "endblk|0|0|End Sub|\nendblk|0|0|Next|\nendblk|0|0|Wend|\n"
            "endloop|0|0|Loop Until x|\nmidblk|0|0|Case 1|\nmidblk|0|0|Else|\n"
            "normal|1|0|y|\n");
  // Blocks left open at the end stay open: nothing is added.
  EXPECT_EQ(walk("Sub F()\nDo\n"), "bgnblk|0|0|Sub F()|\nbgnblk|0|1|Do|\n");
}

TEST(LineActionWalker, PascalHeadersAndMultiLineComments) {
  EXPECT_EQ(walk("procedure P;\n{ one\n  two }\nbegin\n  if a then (* c *)\n"
                 "    x := 1;\nend;\nfunction F: Integer; // f\n",
                 walkPascalActions),
            "bgnblk|0|0|procedure P;|\nnormal|1|1|{ one|\nnormal|1|1|two }|\n"
            "normal|1|1|begin|\nbgnblk|0|1|if a then (* c *)|\nnormal|1|2|x := 1;|\n"
            "normal|1|2|end;|\nbgnblk|0|2|function F: Integer; // f|\n");
  // A comment still open at the end of one text does not reach the next walk.
  walk("{ open\n", walkPascalActions);
  EXPECT_EQ(walk("x;\n", walkPascalActions), "normal|1|0|x;|\n");
  // Basic quote comments mean nothing to Pascal and braces nothing to Basic.
  EXPECT_EQ(walk("' x\n", walkPascalActions), "normal|1|0|' x|\n");
  EXPECT_EQ(walk("{ x }\n"), "normal|1|0|{ x }|\n");
}

TEST(LineActionWalker, LongLinesArriveInPieces) {
  // A line longer than a piece is classified piece by piece: the rest of an
  // "If ... Then" line is a statement inside the block.
  std::string head = "If " + std::string(kActionSourceLineMax - 3, 'a');
  std::string records = walk(head + "b Then\nEnd If\n");
  EXPECT_EQ(records, "bgnblk|0|0|" + head.substr(0, kActionTextMax) +
                         "|\nendblk|0|0||\nnormal|1|0|b Then|\nendblk|0|0|End If|\n");
}

TEST(LineActionWalker, DeepNestingIsOneCounter) {
  constexpr int kDepth = 10000;
  std::string source;
  for (int i = 0; i < kDepth; ++i) source += "If x Then\n";
  source += "y\n";
  for (int i = 0; i < kDepth; ++i) source += "End If\n";
  std::string records = walk(source);
  EXPECT_NE(records.find("normal|1|" + std::to_string(kDepth) + "|y|\n"), std::string::npos);
  EXPECT_EQ(records.substr(records.size() - 19), "endblk|0|0|End If|\n");
}

TEST(LineActionWalker, HostileBytesStayInsideTheirRecords) {
  // Record separators in the source are written as blanks; NUL bytes and a
  // missing final line feed are plain text.
  EXPECT_EQ(walk(std::string("a\x01"
                             "b\x02"
                             "c\nd\0e",
                             9)),
            "normal|1|0|a b c|\n" + std::string("normal|1|0|d\0e|\n", 16));
}

}  // namespace
}  // namespace mora

namespace mora {
namespace {

// The Basic corpus beside the checkout (MORA_CORPUS overrides its folder).
std::string basicCorpus() {
  const char* root = std::getenv("MORA_CORPUS");
  std::string dir = std::string(root ? root : MORA_SOURCE_DIR "/../shared/corpus") + "/vb6";
  return std::filesystem::is_directory(dir) ? dir : std::string();
}

// A drawn ASCII line without its TABs, its block piece and the four blanks
// that end it; "" when it is no block-opening line.
std::string openedText(std::string line) {
  std::size_t pos = 0;
  while (line.compare(pos, 4, "|   ") == 0) pos += 4;
  if (line.compare(pos, 4, "+-- ") != 0 || line.size() < pos + 8) return {};
  return line.substr(pos + 4, line.size() - pos - 8);
}

// Over real Basic modules and forms: the diagram of every procedure is drawn
// without a message, and every Sub or Function header that a plain pattern
// finds opens a block with its own line.
TEST(RealBasicSources, EveryProcedureHeaderOpensADrawnBlock) {
  std::string dir = basicCorpus();
  if (dir.empty()) GTEST_SKIP() << "no Basic corpus beside the checkout";
  const std::regex header(R"(^\s*((public|private|static)\s+)*(sub|function)\s+\w+\s*\()",
                          std::regex::icase);
  std::set<std::string> headers;
  std::string list;
  auto fs = testing::makeMemoryPlatform();  // the corpus files at their own paths
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::string ext = entry.path().extension();
    if (ext != ".bas" && ext != ".frm") continue;
    list += entry.path().string() + "\n";
    ASSERT_TRUE(fs->copyFromHost(entry.path(), entry.path())) << entry.path();
    std::ifstream in(entry.path(), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (std::regex_search(line, header))
        headers.insert(line.substr(line.find_first_not_of(" \t")));
    }
  }
  ASSERT_FALSE(headers.empty());
  fs->addFile("files.lst", list);
  testing::RunResult r = testing::runMoraOn(
      *fs, {"-vd1", "-nd", "-nh", "set language basic; set line ascii; action * from <files.lst>"});
  EXPECT_EQ(r.err, "");
  std::istringstream lines(r.out);
  std::set<std::string> opened;
  for (std::string line; std::getline(lines, line);) opened.insert(openedText(line));
  for (const auto& want : headers) EXPECT_TRUE(opened.count(want)) << want;
  std::printf("%zu procedure headers drawn\n", headers.size());
}

}  // namespace
}  // namespace mora
