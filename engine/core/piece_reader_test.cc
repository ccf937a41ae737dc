#include "core/piece_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/line_reader.h"

namespace mora {
namespace {

std::vector<std::string> blockPieces(const std::string& text, std::size_t max) {
  std::istringstream in(text);
  PieceReader reader(in, max);
  std::vector<std::string> pieces;
  std::string_view piece;
  while (reader.next(piece)) pieces.emplace_back(piece);
  return pieces;
}

std::vector<std::string> linePieces(const std::string& text, std::size_t max) {
  std::istringstream in(text);
  LineReader reader(in);
  std::vector<std::string> pieces;
  std::string piece;
  while (reader.readPiece(piece, max)) pieces.push_back(piece);
  return pieces;
}

TEST(PieceReader, CutsLongLinesAndFoldsCrLf) {
  EXPECT_EQ(blockPieces("abcdef\r\ngh\n\nij", 4),
            (std::vector<std::string>{"abcd", "ef\n", "gh\n", "\n", "ij"}));
  EXPECT_EQ(blockPieces("a\rb\r", 4), (std::vector<std::string>{"a\rb\r"}));
  EXPECT_TRUE(blockPieces("", 4).empty());
}

// The block reader must cut exactly where the engine's line reader cuts,
// also where a CR LF or a piece straddles a block boundary.
TEST(PieceReader, AgreesWithTheLineReaderOnLargeMixedInput) {
  std::mt19937 random(7);
  const char alphabet[] = "ab\r\n\n\r";
  for (std::size_t size : {100u, 65535u, 65536u, 65537u, 300000u}) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
      // Mostly long runs, so that pieces of the full size occur too.
      bool special = random() % 97 == 0;
      text += special ? alphabet[2 + random() % 4] : alphabet[random() % 2];
    }
    for (std::size_t max : {1u, 2u, 511u})
      EXPECT_EQ(blockPieces(text, max), linePieces(text, max)) << size << " " << max;
  }
}

TEST(PieceReader, HandlesACrLfSplitExactlyAtTheBlockEnd) {
  std::string text(65535, 'x');
  text += "\r\nend\r\n";
  EXPECT_EQ(blockPieces(text, 511), linePieces(text, 511));
}

// Each run, cut into pieces as next() cuts them, must give exactly the
// pieces next() gives, in order: runs end only where a piece ends.
std::vector<std::string> runPieces(const std::string& text, std::size_t max) {
  std::istringstream in(text);
  PieceReader reader(in, max);
  std::vector<std::string> pieces;
  std::string_view run;
  while (reader.nextRun(run)) {
    EXPECT_FALSE(run.empty());
    std::istringstream inRun{std::string(run)};
    PieceReader alone(inRun, max);
    std::string_view piece;
    while (alone.next(piece)) pieces.emplace_back(piece);
  }
  return pieces;
}

TEST(PieceReader, RunsEndWherePiecesEnd) {
  std::mt19937 random(5);
  for (std::size_t size : {0u, 10u, 65536u, 200000u}) {
    std::string text;
    while (text.size() < size) {
      // Lines from empty to longer than the block, some in CR LF.
      std::size_t length = random() % 50 == 0 ? 70000 : random() % 600;
      text.append(length, 'a');
      text += random() % 3 == 0 ? "\r\n" : "\n";
    }
    text += "tail";
    for (std::size_t max : {1u, 511u})
      EXPECT_EQ(runPieces(text, max), blockPieces(text, max)) << size << " " << max;
  }
}

// The encoding current after each piece, as the block reader and as the
// line reader (which shows every piece to its detector) decide it.
std::vector<TextEncoding> blockEncodings(const std::string& text, std::size_t max) {
  std::istringstream in(text);
  PieceReader reader(in, max);
  std::vector<TextEncoding> seen;
  for (std::string_view piece; reader.next(piece);) seen.push_back(currentEncoding());
  return seen;
}

std::vector<TextEncoding> lineEncodings(const std::string& text, std::size_t max) {
  std::istringstream in(text);
  LineReader reader(in);
  std::vector<TextEncoding> seen;
  for (std::string piece; reader.readPiece(piece, max);) seen.push_back(currentEncoding());
  return seen;
}

// The block reader skips ASCII it has checked in bulk; its decisions must
// still fall on exactly the piece where the line reader makes them, with
// characters at any offset, cut between pieces, or beyond the first block.
TEST(PieceReader, DecidesTheEncodingOnTheSamePieceAsTheLineReader) {
  const std::string utf8 = "\xE5\x90\x88", sjis = "\x8D\x87", cut = "\xE5\x90";
  std::mt19937 random(11);
  // Rounds: UTF-8 only; UTF-8 with a rare Shift-JIS character; with a rare
  // cut sequence; ASCII beyond the first block before any of them.
  for (std::size_t size : {40u, 70000u, 140000u}) {
    for (int round = 0; round < 4; ++round) {
      std::string text;
      while (text.size() < size) {
        bool plain = round == 3 && text.size() < 66000;
        unsigned r = random() % 1000;
        bool rare = round > 0 && random() % 40000 == 0;
        text += rare ? (round == 2 ? cut : sjis) : plain || r > 30 ? "x" : r > 1 ? "\n" : utf8;
      }
      for (std::size_t max : {2u, 33u, 511u})
        EXPECT_EQ(blockEncodings(text, max), lineEncodings(text, max))
            << size << " " << round << " " << max;
    }
  }
}

// A caller reading one piece ahead finds the piece before where the
// reader moved it, whole and with its ASCII flag, across every refill: with
// pieces of every length up to the cut, and high bytes now and then. A cut
// of 8191 makes the buffer larger than a block: three pieces must fit.
TEST(PieceReader, KeepsThePieceBeforeAcrossRefills) {
  std::mt19937 random(13);
  for (std::size_t max : {1u, 7u, 511u, 4095u, 8191u}) {
    std::string text;
    while (text.size() < 200000) {
      std::size_t length = random() % (2 * max + 2);
      for (std::size_t k = 0; k < length; ++k) text += random() % 500 == 0 ? '\xE9' : 'a';
      text += random() % 4 == 0 ? "\r\n" : "\n";
    }
    std::vector<std::string> expected = blockPieces(text, max);
    std::istringstream in(text);
    PieceReader reader(in, max);
    std::string_view piece;
    std::size_t index = 0;
    reader.next(piece);
    bool more = true;
    while (more) {
      more = reader.next(piece);
      ASSERT_LT(index, expected.size());
      const std::string& before = expected[index++];
      ASSERT_EQ(reader.pieceBefore(), before) << max << " " << index;
      EXPECT_EQ(reader.pieceBeforeIsAscii(), before.find('\xE9') == std::string::npos);
    }
    EXPECT_EQ(index, expected.size()) << max;
  }
}

}  // namespace
}  // namespace mora
