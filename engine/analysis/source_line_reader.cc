#include "analysis/source_line_reader.h"

#include "core/limits.h"

namespace mora {

SourceLineReader::SourceLineReader(std::istream& in) : reader_(in, kSourcePieceMax) {
  // Always one line ahead, from the first line on.
  fill();
}

// The backslash and line feed give way to the next line's text. A join
// that would grow too long stops; the line not joined comes next.
void SourceLineReader::joinContinued(std::string_view& line) {
  joined_.assign(line);
  while (hasLookAhead_ && endsWithContinuation(joined_) &&
         joined_.size() - 2 + lookAhead_.size() <= kJoinedLineMax) {
    joined_.resize(joined_.size() - 2);
    joined_ += lookAhead_;
    fill();
    lineIsAscii_ = lineIsAscii_ && reader_.pieceBeforeIsAscii();
    ++physicalLines_;
  }
  line = joined_;
}

}  // namespace mora
