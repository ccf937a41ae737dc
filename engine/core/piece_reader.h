// Reads a text stream in pieces exactly as LineReader does (a piece ends
// after a line feed or when it holds `max` bytes; a carriage return directly
// before a line feed is dropped), but through one large block buffer, so
// that a pass over a whole codebase costs little more than its bytes and
// allocates nothing per line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <istream>
#include <memory>
#include <string_view>

#include "core/text_encoding.h"

namespace mora {

class PieceReader {
 public:
  PieceReader(std::istream& in, std::size_t max);

  // The next piece, valid until the following call; false at the end.
  bool next(std::string_view& piece);

  // The piece handed out before the last call of next(), where it lies now:
  // a refill keeps it, moved to the front of the buffer, so a caller can
  // look one piece ahead without copying the current one.
  std::string_view pieceBefore() const { return {buffer_.get() + earlier_, previous_ - earlier_}; }
  // Whether that piece holds only ASCII bytes: then no byte of it can begin
  // a multi-byte character, whatever the encoding.
  bool pieceBeforeIsAscii() const { return earlierAscii_; }

  // The longest run of whole pieces the buffer holds, valid until the
  // following call; false at the end. A run ends after the last line feed
  // read so far (or, inside a line longer than the buffer, after its last
  // whole piece), so the pieces inside it are exactly those next() would
  // hand out, and a pass over a whole file costs one call per block. The
  // encoding is not observed here: a caller that needs it observes the run.
  // Not to be mixed with next() on the same reader.
  bool nextRun(std::string_view& run);

 private:
  void refill();
  void fill();
  std::size_t readBlock(char* into, std::size_t room);
  void followEncoding(std::string_view piece);
  void findAsciiRun(std::size_t from);

  std::istream& in_;
  std::size_t max_;
  // Not zeroed: only the bytes read are ever looked at.
  std::size_t size_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;            // first byte not yet handed out
  std::size_t previous_ = 0;         // first byte of the piece handed out last
  std::size_t earlier_ = 0;          // first byte of the one before it
  std::size_t end_ = 0;              // end of the bytes read
  bool heldCarriageReturn_ = false;  // a CR that ended the last block
  bool atEnd_ = false;
  // The encoding of the text, decided piece by piece and current while this
  // reader lives. Only pieces that hold a byte above 0x7F are shown to it
  // (an ASCII byte changes no decision), unless the piece before ended
  // inside a multi-byte character; none once nothing can change it.
  InputEncoding encoding_;
  bool settled_;
  bool observeNext_ = false;
  // The bytes from the piece handed out last up to asciiEnd_ are ASCII,
  // found in bulk, so that no piece among them is looked at twice.
  std::size_t asciiEnd_ = 0;
  bool lastAscii_ = false;
  bool earlierAscii_ = false;
};

// Called once per line of every file scanned: the common path is inline,
// refills and encoding decisions out of line.
inline bool PieceReader::next(std::string_view& piece) {
  if (end_ - begin_ < max_ && !atEnd_) refill();
  earlier_ = previous_;
  previous_ = begin_;
  earlierAscii_ = lastAscii_;
  if (begin_ == end_) return false;
  const char* start = buffer_.get() + begin_;
  std::size_t window = std::min(end_ - begin_, max_);
  const void* lineFeed = std::memchr(start, '\n', window);
  std::size_t length =
      lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) + 1 : window;
  piece = std::string_view(start, length);
  std::size_t pieceEnd = begin_ + length;
  if (pieceEnd > asciiEnd_) findAsciiRun(begin_);
  lastAscii_ = pieceEnd <= asciiEnd_;
  begin_ = pieceEnd;
  if (!settled_ && (!lastAscii_ || observeNext_)) followEncoding(piece);
  return true;
}

}  // namespace mora
