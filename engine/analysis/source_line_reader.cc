#include "analysis/source_line_reader.h"

#include "core/limits.h"

namespace mora {

bool endsWithContinuation(std::string_view line) {
  std::size_t n = line.size();
  return n >= 2 && line[n - 1] == '\n' && line[n - 2] == '\\';
}

SourceLineReader::SourceLineReader(std::istream& in) : reader_(in, kSourcePieceMax) {}

bool SourceLineReader::next(std::string& line, bool joinContinuations) {
  if (!started_) {
    started_ = true;
    fill();
  }
  if (!hasLookAhead_) return false;
  // Assigned into the caller's string, whose capacity is kept from line to line.
  line.assign(lookAhead_);
  fill();
  // The backslash and line feed give way to the next line's text. A join
  // that would grow too long stops; the line not joined comes next.
  while (joinContinuations && hasLookAhead_ && endsWithContinuation(line) &&
         line.size() - 2 + lookAhead_.size() <= kJoinedLineMax) {
    line.resize(line.size() - 2);
    line += lookAhead_;
    fill();
  }
  return true;
}

}  // namespace mora
