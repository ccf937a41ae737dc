#include "reports/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/engine.h"
#include "core/piece_reader.h"
#include "test_support.h"

namespace mora {
namespace {

using testing::MemoryTestEngine;
using testing::TestEngine;

TEST(LowerSjis, LowersAsciiLettersButNeverASecondByte) {
  std::string out = "leftover text that is longer";
  lowerSjis("MaIn", out);
  EXPECT_EQ(out, "main");
  // 0x83 0x41 is one katakana character whose second byte is "A".
  lowerSjis("\x83\x41X", out);
  EXPECT_EQ(out, "\x83\x41x");
}

class FindTest : public ::testing::Test {
 protected:
  std::string find(std::vector<std::string> strings, const std::vector<std::string>& files) {
    searchFiles(t.engine, std::move(strings), files);
    return t.out();
  }

  MemoryTestEngine m;
  TestEngine& t = m.t;
};

TEST_F(FindTest, PrintsEachMatchingLineOnceWithItsNumber) {
  m.fs.addFile("a.c", "int main(void)\n{\n  puts(\"main\");\n}\n");
  EXPECT_EQ(find({"main", "puts"}, {"a.c", "missing.c"}),
            "a.c(1) : int main(void)\na.c(3) :   puts(\"main\");\n");
}

TEST_F(FindTest, CaseOffFindsEveryCaseAndKeepsTheSourceText) {
  m.fs.addFile("a.c", "MAIN\nmain\nMain\nmane\n");
  t.engine.settings.caseSensitive = false;
  EXPECT_EQ(find({"Main"}, {"a.c"}), "a.c(1) : MAIN\na.c(2) : main\na.c(3) : Main\n");
}

// A line longer than a piece is numbered as several pieces, so the line
// numbers after it run ahead; every printed piece ends its output line.
TEST_F(FindTest, LongLinesCountAsSeveralPieces) {
  std::string longLine = std::string(510, 'a') + "XY" + std::string(600, 'b') + "\n";
  m.fs.addFile("a.c", longLine + "last X");
  // "XY" straddles the cut after 511 bytes and is not found.
  EXPECT_EQ(find({"XY", "Y", "last"}, {"a.c"}),
            "a.c(2) : Y" + std::string(510, 'b') + "\n" + "a.c(4) : last X\n");
}

// The search piece by piece, as each piece were read and compared alone:
// what the whole-run search must print byte for byte.
std::string searchPieceByPiece(const std::string& name, const std::string& text,
                               const std::vector<std::string>& strings, bool folded) {
  EncodingScope keep;
  std::istringstream in(text);
  PieceReader reader(in, kSearchPieceMax);
  std::vector<std::string> compared = strings;
  if (folded)
    for (std::string& s : compared) lowerSjis(std::string(s), s);
  std::string out, lowered;
  std::string_view piece;
  for (long long number = 1; reader.next(piece); ++number) {
    std::string_view seen = piece;
    if (folded) {
      lowerSjis(piece, lowered);
      seen = lowered;
    }
    bool hit = false;
    for (const std::string& s : compared) hit = hit || seen.find(s) != std::string_view::npos;
    if (!hit) continue;
    out += name + "(" + std::to_string(number) + ") : " + std::string(piece);
    if (piece.back() != '\n') out += '\n';
  }
  return out;
}

// Random text over a small alphabet, so that the strings occur often, also
// across line ends, piece cuts and block ends; lines run from empty to
// longer than two pieces, some end in CR LF, and some bytes are Shift-JIS
// lead bytes followed by an upper-case letter.
std::string randomSource(std::mt19937& random, std::size_t size) {
  const std::string_view atoms[] = {"ab",
                                    "AB",
                                    "a",
                                    "b",
                                    "\n",
                                    "\r\n",
                                    "\x83\x41",
                                    "\x83"
                                    "a"};
  std::string text;
  while (text.size() < size) {
    // Lines longer than a piece, and lines shorter than a piece yet without
    // a line feed for longer than the stretch the counting works in.
    if (random() % 500 == 0)
      text.append(random() % 2 ? 200 + random() % 300 : 700 + random() % 400, 'a');
    text += atoms[random() % std::size(atoms)];
  }
  return text;
}

TEST_F(FindTest, WholeRunSearchPrintsWhatThePieceSearchPrints) {
  std::mt19937 random(11);
  const std::vector<std::vector<std::string>> stringSets = {{"abab"},
                                                            {"ba\nab"},
                                                            {"aB", "bbb"},
                                                            {"\x41"
                                                             "a"},
                                                            {"aaaaaaaa", "b\n"},
                                                            {""}};
  for (std::size_t size : {300u, 70000u, 200000u}) {
    std::string text = randomSource(random, size);
    m.fs.addFile("r.c", text);
    for (bool folded : {false, true})
      for (const std::vector<std::string>& strings : stringSets) {
        t.engine.settings.caseSensitive = !folded;
        std::string expected = searchPieceByPiece("r.c", text, strings, folded);
        t.outStream.str("");
        EXPECT_EQ(find(strings, {"r.c"}), expected)
            << size << " " << folded << " " << strings.front();
      }
  }
}

// A Shift-JIS second byte is never lowered; when the encoding is forced to
// UTF-8 the same byte is a letter of its own.
TEST_F(FindTest, CaseOffLowersUnderTheEncodingOfTheFile) {
  t.engine.settings.caseSensitive = false;
  m.fs.addFile("s.c", "x\n\x83\x41\n");
  EXPECT_EQ(find({"\x83"
                  "a"},
                 {"s.c"}),
            "");
  EncodingChoice saved = encoding_state::choice;
  encoding_state::choice = EncodingChoice::Utf8;
  t.outStream.str("");
  EXPECT_EQ(find({"\x83"
                  "a"},
                 {"s.c"}),
            "s.c(2) : \x83\x41\n");
  encoding_state::choice = saved;
}

}  // namespace
}  // namespace mora
