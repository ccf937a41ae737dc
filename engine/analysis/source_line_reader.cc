#include "analysis/source_line_reader.h"

#include "core/limits.h"

namespace mora {

bool endsWithContinuation(std::string_view line) {
  std::size_t n = line.size();
  return n >= 2 && line[n - 1] == '\n' && line[n - 2] == '\\';
}

SourceLineReader::SourceLineReader(std::istream& in) : reader_(in, kSourcePieceMax) {}

bool SourceLineReader::next(std::string_view& line, bool joinContinuations) {
  if (!started_) {
    started_ = true;
    fill();
  }
  if (!hasLookAhead_) return false;
  // Reading ahead may move the line within the reader's buffer, never out
  // of it: the line is taken where it lies after that.
  fill();
  line = reader_.pieceBefore();
  lineIsAscii_ = reader_.pieceBeforeIsAscii();
  physicalLines_ = 1;
  if (!joinContinuations || !hasLookAhead_ || !endsWithContinuation(line)) return true;
  // The backslash and line feed give way to the next line's text. A join
  // that would grow too long stops; the line not joined comes next.
  bool copied = false;
  while (hasLookAhead_ && endsWithContinuation(line) &&
         line.size() - 2 + lookAhead_.size() <= kJoinedLineMax) {
    if (!copied) joined_.assign(line);
    copied = true;
    joined_.resize(joined_.size() - 2);
    joined_ += lookAhead_;
    fill();
    lineIsAscii_ = lineIsAscii_ && reader_.pieceBeforeIsAscii();
    line = joined_;
    ++physicalLines_;
  }
  return true;
}

}  // namespace mora
