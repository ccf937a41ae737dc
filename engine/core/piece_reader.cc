#include "core/piece_reader.h"

#include <algorithm>
#include <cstring>

namespace mora {

namespace {

// Large enough that a refill is rare next to the pieces handed out, small
// enough that its pages (all touched by a long file) add little to a run.
constexpr std::size_t kBlockSize = 16 * 1024;

// Drops every CR that directly precedes a LF in p[0..n); the new length.
std::size_t dropCarriageReturns(char* p, std::size_t n) {
  char* out = static_cast<char*>(std::memchr(p, '\r', n));
  if (!out) return n;
  char* in = out;
  char* end = p + n;
  while (in < end) {
    if (*in == '\r' && in + 1 < end && in[1] == '\n') {
      ++in;
      continue;
    }
    *out++ = *in++;
  }
  return static_cast<std::size_t>(out - p);
}

}  // namespace

PieceReader::PieceReader(std::istream& in, std::size_t max)
    : in_(in),
      max_(max),
      // Room for the piece kept, the unread rest and a whole piece more.
      size_(std::max(kBlockSize, 3 * max + 1)),
      buffer_(std::make_unique_for_overwrite<char[]>(size_)),
      settled_(encoding_.settled()) {}

// Reads into `into`, CR LF already folded. A CR at the very end is held
// back until the next block shows whether a LF follows it.
std::size_t PieceReader::readBlock(char* into, std::size_t room) {
  std::size_t n = 0;
  if (heldCarriageReturn_) {
    into[n++] = '\r';
    heldCarriageReturn_ = false;
  }
  in_.read(into + n, static_cast<std::streamsize>(room - n));
  std::size_t got = static_cast<std::size_t>(in_.gcount());
  if (got == 0) atEnd_ = true;
  n = dropCarriageReturns(into, n + got);
  if (!atEnd_ && n > 0 && into[n - 1] == '\r') {
    heldCarriageReturn_ = true;
    --n;
  }
  return n;
}

// Moves the piece handed out last and the unread rest to the front, and
// reads until a whole piece fits.
void PieceReader::refill() {
  std::size_t shift = previous_;
  std::memmove(buffer_.get(), buffer_.get() + shift, end_ - shift);
  asciiEnd_ = std::max(asciiEnd_, shift) - shift;
  previous_ = 0;
  begin_ -= shift;
  end_ -= shift;
  while (!atEnd_ && end_ - begin_ < max_) end_ += readBlock(buffer_.get() + end_, size_ - end_);
}

// Shows the detector a piece; a piece that ends inside a multi-byte
// sequence makes the next piece be shown whatever it holds.
void PieceReader::followEncoding(std::string_view piece) {
  encoding_.observe(piece);
  settled_ = encoding_.settled();
  observeNext_ = !encoding_.asciiChangesNothing();
}

// Finds the run of ASCII bytes that follows the known one, or that starts
// at `from` when the known one ends before it, up to the next byte above
// 0x7F or the end of the bytes read.
void PieceReader::findAsciiRun(std::size_t from) {
  std::size_t start = std::max(from, asciiEnd_);
  asciiEnd_ = start + asciiPrefixLength(buffer_.get() + start, end_ - start);
}

// Moves the unread rest to the front and reads until the buffer is full or
// the text ends. One byte of room is kept so that a held CR never takes the
// whole room and an empty read is not taken for the end.
void PieceReader::fill() {
  std::size_t rest = end_ - begin_;
  std::memmove(buffer_.get(), buffer_.get() + begin_, rest);
  asciiEnd_ = std::max(asciiEnd_, begin_) - begin_;
  begin_ = 0;
  end_ = rest;
  while (!atEnd_ && size_ - end_ > 1) end_ += readBlock(buffer_.get() + end_, size_ - end_);
}

bool PieceReader::nextRun(std::string_view& run) {
  fill();
  if (begin_ == end_) return false;
  std::string_view available(buffer_.get() + begin_, end_ - begin_);
  std::size_t length = available.size();
  if (!atEnd_) {
    // The buffer is full here, so it holds at least two whole pieces.
    std::size_t lineFeed = available.rfind('\n');
    length = lineFeed != std::string_view::npos ? lineFeed + 1 : length / max_ * max_;
  }
  run = available.substr(0, length);
  begin_ += length;
  previous_ = earlier_ = begin_;
  // A run is no piece: nothing handed out is known to be ASCII.
  lastAscii_ = earlierAscii_ = false;
  return true;
}

}  // namespace mora
