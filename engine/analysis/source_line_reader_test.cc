#include "analysis/source_line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "core/limits.h"

namespace mora {
namespace {

std::vector<std::string> readAll(const std::string& text, bool join) {
  std::istringstream in(text);
  SourceLineReader reader(in);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.next(line, join)) lines.emplace_back(line);
  return lines;
}

TEST(SourceLineReader, PeeksAtTheNextLineAndDropsCarriageReturns) {
  std::istringstream in("a\r\nb\nc");
  SourceLineReader reader(in);
  std::string_view line;
  ASSERT_TRUE(reader.next(line, false));
  EXPECT_EQ(line, "a\n");
  ASSERT_NE(reader.peek(), nullptr);
  EXPECT_EQ(*reader.peek(), "b\n");
  ASSERT_TRUE(reader.next(line, false));
  ASSERT_TRUE(reader.next(line, false));
  EXPECT_EQ(line, "c");
  EXPECT_EQ(reader.peek(), nullptr);
  EXPECT_FALSE(reader.next(line, false));
}

TEST(SourceLineReader, LongLinesArriveInPieces) {
  auto lines = readAll(std::string(kSourcePieceMax + 10, 'x') + "\n", false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), kSourcePieceMax);
  EXPECT_EQ(lines[1], std::string(10, 'x') + "\n");
}

TEST(SourceLineReader, JoinsContinuedLinesOnlyWhenAskedAndWithinTheLimit) {
  EXPECT_EQ(readAll("a \\\nb \\\nc\nd\n", true), (std::vector<std::string>{"a b c\n", "d\n"}));
  EXPECT_EQ(readAll("a \\\nb\n", false), (std::vector<std::string>{"a \\\n", "b\n"}));
  // A join that would pass the limit stops; the line not joined comes next.
  std::string first(kJoinedLineMax - 10, 'a');
  std::string second(20, 'b');
  auto lines = readAll(first + "\\\n" + second + "\n", true);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], first + "\\\n");
  EXPECT_EQ(lines[1], second + "\n");
}

TEST(SourceLineReader, CountsThePhysicalLinesOfAJoinedLine) {
  std::istringstream in("a \\\nb \\\nc\nd\n");
  SourceLineReader reader(in);
  std::string_view line;
  ASSERT_TRUE(reader.next(line, true));
  EXPECT_EQ(line, "a b c\n");
  EXPECT_EQ(reader.physicalLines(), 3);
  ASSERT_TRUE(reader.next(line, true));
  EXPECT_EQ(line, "d\n");
  EXPECT_EQ(reader.physicalLines(), 1);
}

TEST(SourceLineReader, LinesAcrossBlockBoundariesArriveWhole) {
  // Far more than one read block, with CR LF ends that fall on every offset.
  std::string text;
  std::vector<std::string> expected;
  for (int i = 0; i < 30000; ++i) {
    std::string line =
        "line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 7), ' ');
    text += line + "\r\n";
    expected.push_back(line + "\n");
  }
  text += "\\\r\nend";  // a continuation split by a CR LF, then a last line without LF
  expected.push_back("\\\n");
  expected.push_back("end");
  EXPECT_EQ(readAll(text, false), expected);
  expected.pop_back();
  expected.back() = "end";  // joined: the backslash and line feed give way
  EXPECT_EQ(readAll(text, true), expected);
}

// Lines are handed out where the reader holds them; a line joined from
// several is ASCII only when all its parts are.
TEST(SourceLineReader, TellsWhetherALineIsAscii) {
  std::istringstream in("a\n\xE3\x81\x82\nb \\\nc\xE9\nd\n");
  SourceLineReader reader(in);
  std::string_view line;
  std::vector<std::pair<std::string, bool>> seen;
  while (reader.next(line, true)) seen.emplace_back(line, reader.lineIsAscii());
  EXPECT_EQ(seen,
            (std::vector<std::pair<std::string, bool>>{
                {"a\n", true}, {"\xE3\x81\x82\n", false}, {"b c\xE9\n", false}, {"d\n", true}}));
}

}  // namespace
}  // namespace mora
