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

}  // namespace
}  // namespace mora
