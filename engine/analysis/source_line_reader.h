// Reads a source file line by line for the scanners, always one line ahead,
// so a scanner can peek at the line that follows (a name on a line of its
// own followed by "(" on the next). Lines arrive in pieces of at most
// kSourcePieceMax bytes, each keeping its line feed. The file is read in
// large blocks into one buffer and a line is handed out where it lies
// there, so no line costs an allocation or a copy; only lines joined at a
// backslash are put together, in one buffer kept from line to line.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "core/piece_reader.h"

namespace mora {

// True when `line` ends with a backslash directly before its line feed.
inline bool endsWithContinuation(std::string_view line) {
  std::size_t n = line.size();
  return n >= 2 && line[n - 1] == '\n' && line[n - 2] == '\\';
}

class SourceLineReader {
 public:
  explicit SourceLineReader(std::istream& in);

  // The next line, valid until the following call; false at the end of the
  // file. With `joinContinuations`, a line ending in a backslash is joined
  // with the lines that follow while the result stays within kJoinedLineMax.
  bool next(std::string_view& line, bool joinContinuations) {
    if (!hasLookAhead_) return false;
    // Reading ahead may move the line within the reader's buffer, never out
    // of it: the line is taken where it lies after that.
    fill();
    line = reader_.pieceBefore();
    lineIsAscii_ = reader_.pieceBeforeIsAscii();
    physicalLines_ = 1;
    if (joinContinuations && hasLookAhead_ && endsWithContinuation(line)) joinContinued(line);
    return true;
  }

  // The line after the one last returned, or nullptr at the end; valid until
  // the next call of next().
  const std::string_view* peek() const { return hasLookAhead_ ? &lookAhead_ : nullptr; }

  // How many lines of the file the line last returned spans: more than one
  // when continued lines were joined, so that line numbers stay physical.
  int physicalLines() const { return physicalLines_; }

  // Whether the line last returned holds only ASCII bytes, so that a
  // scanner need not look for multi-byte characters in it.
  bool lineIsAscii() const { return lineIsAscii_; }

 private:
  void fill() { hasLookAhead_ = reader_.next(lookAhead_); }
  void joinContinued(std::string_view& line);

  PieceReader reader_;
  std::string_view lookAhead_;
  bool hasLookAhead_ = false;
  std::string joined_;  // the last line joined from several
  int physicalLines_ = 0;
  bool lineIsAscii_ = false;
};

}  // namespace mora
