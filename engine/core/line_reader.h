// Reads text input in fixed-size pieces, as every input of the engine is read:
// a piece ends after a line feed or when it holds the maximum number of
// characters. A carriage return directly before a line feed is dropped, so
// files with CR LF ends read like files with LF ends.
#pragma once

#include <istream>
#include <string>

#include "core/text_encoding.h"

namespace mora {

class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  // Reads the next piece of at most `max` characters into `out` (the line
  // feed, if read, is kept). Returns false at end of input when nothing was
  // read, and after a read error, which leaves the stream bad().
  bool readPiece(std::string& out, std::size_t max);

  // Whether reading stopped at a read error rather than the end.
  bool failed() const { return in_.bad(); }

  // Interactive input decides its encoding line by line.
  void forgetEncoding() { encoding_.reset(); }

 private:
  std::istream& in_;
  // The encoding of what is read is decided piece by piece and current
  // while this reader lives.
  InputEncoding encoding_;
};

// Removes one trailing line feed.
inline void chopLineFeed(std::string& s) {
  if (!s.empty() && s.back() == '\n') s.pop_back();
}

}  // namespace mora
