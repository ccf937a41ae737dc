#include "reports/text_search.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/byte_scan.h"
#include "core/engine.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/piece_reader.h"
#include "core/source_files.h"
#include "core/text.h"

namespace mora {

namespace {

bool containsAny(std::string_view piece, const std::vector<std::string>& strings) {
  for (const std::string& s : strings)
    if (piece.find(s) != std::string_view::npos) return true;
  return false;
}

// Lowers the ASCII letters of `text` into `out` byte by byte; true when the
// text holds no byte above 0x7F, so that no byte can belong to a double-byte
// character and the result equals lowerSjis's.
bool lowerAscii(std::string_view text, char* out) {
  unsigned char high = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    high |= c;
    out[i] = static_cast<char>(static_cast<unsigned char>(c - 'A') < 26 ? c + 32 : c);
  }
  return high < 0x80;
}

// The end of the piece that starts at `start` of `run`: after its line
// feed, after `max` bytes, or at the end of the run.
std::size_t pieceEnd(std::string_view run, std::size_t start, std::size_t max) {
  std::size_t limit = std::min(run.size(), start + max);
  const void* lineFeed = std::memchr(run.data() + start, '\n', limit - start);
  return lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - run.data()) + 1
                  : limit;
}

// Line feeds are counted in stretches of this many bytes. A line longer
// than a piece holds a stretch without any line feed, so when every stretch
// holds one, each line is one piece.
constexpr std::size_t kCountStride = 256;
static_assert(2 * kCountStride - 1 <= kSearchPieceMax);

// The line feeds in p[0..kCountStride), eight bytes at a time: each line
// feed leaves a 1 in its byte's lane.
std::size_t countLineFeeds(const char* p) {
  std::uint64_t lanes = 0;  // at most kCountStride / 8 in each byte
  for (std::size_t i = 0; i < kCountStride; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, 8);
    lanes += byte_scan_detail::hasByte(word, '\n') >> 7;
  }
  std::uint64_t pairs = (lanes & 0x00FF00FF00FF00FFULL) + ((lanes >> 8) & 0x00FF00FF00FF00FFULL);
  return static_cast<std::size_t>((pairs * 0x0001000100010001ULL) >> 48);
}

// The line feeds in p[0..n) when every stretch holds one; npos otherwise.
std::size_t countShortLines(const char* p, std::size_t n) {
  std::size_t total = 0;
  for (std::size_t at = 0; at < n; at += kCountStride) {
    std::size_t feeds = 0;
    if (n - at >= kCountStride) {
      feeds = countLineFeeds(p + at);
    } else {
      feeds = static_cast<std::size_t>(std::count(p + at, p + n, '\n'));
    }
    if (feeds == 0) return std::string_view::npos;
    total += feeds;
  }
  return total;
}

// Searches a file a run of whole pieces at a time: the strings are looked
// for in the whole run, and pieces are counted and checked only up to each
// hit, so a file without hits costs one search over its bytes. A piece
// matches exactly when it holds one of the strings whole, as if each piece
// were searched alone: a hit that runs over the end of its piece does not
// count, yet makes the piece it starts in checked alone.
class Search {
 public:
  Search(Engine& e, std::vector<std::string> strings)
      : e_(e), strings_(std::move(strings)), folded_(!e.settings.caseSensitive) {
    if (folded_)
      for (std::string& s : strings_) {
        std::string lowered;
        lowerSjis(s, lowered);
        s = std::move(lowered);
      }
    next_.resize(strings_.size());
    line_.reserve(kSearchPieceMax + kFileNameMax + 32);
  }

  void searchFile(const std::string& file) {
    auto in = openForReading(e_, file);
    if (!in) return;
    PieceReader reader(*in, kSearchPieceMax);
    // Only folded comparisons depend on the encoding (the second byte of a
    // Shift-JIS character is never lowered).
    InputEncoding encoding;
    std::string_view run;
    number_ = 0;
    while (reader.nextRun(run)) {
      e_.checkInterrupt();
      searchRun(file, run, folded_ ? lowerRun(run, encoding) : run);
    }
    // A read error (EIO) ends the pieces early; the search of this file is
    // reported as failed rather than complete.
    if (in->bad()) raiseMessage(e_, "FIEC010", file);
  }

 private:
  // The run with its letters lowered as lowerSjis lowers each piece. Text
  // beyond ASCII is lowered piece by piece under the encoding decided so
  // far, as a double-byte character never spans two pieces.
  std::string_view lowerRun(std::string_view run, InputEncoding& encoding) {
    lowered_.resize(run.size());
    if (lowerAscii(run, lowered_.data())) {
      encoding.observe(run);
      return lowered_;
    }
    for (std::size_t start = 0; start < run.size();) {
      std::size_t end = pieceEnd(run, start, kSearchPieceMax);
      std::string_view piece = run.substr(start, end - start);
      encoding.observe(piece);
      lowerSjis(piece, &lowered_[start]);
      start = end;
    }
    return lowered_;
  }

  // The first position at or after `from` where one of the strings starts,
  // or npos. Each string's next position is kept until it is passed.
  std::size_t nextHit(std::string_view compared, std::size_t from) {
    std::size_t first = std::string_view::npos;
    for (std::size_t i = 0; i < strings_.size(); ++i) {
      if (next_[i] != std::string_view::npos && next_[i] < from)
        next_[i] = compared.find(strings_[i], from);
      first = std::min(first, next_[i]);
    }
    return first;
  }

  void searchRun(const std::string& file, std::string_view run, std::string_view compared) {
    for (std::size_t i = 0; i < strings_.size(); ++i) next_[i] = compared.find(strings_[i]);
    std::size_t start = 0;  // the piece being counted
    while (start < run.size()) {
      std::size_t hit = nextHit(compared, start);
      if (hit >= run.size()) break;
      start = passPieces(run, start, hit);
      std::size_t end = pieceEnd(run, start, kSearchPieceMax);
      ++number_;
      if (containsAny(compared.substr(start, end - start), strings_))
        printMatch(file, run.substr(start, end - start));
      start = end;
    }
    // The pieces after the last hit are counted for the runs to come.
    if (start < run.size()) {
      passPieces(run, start, run.size() - 1);
      ++number_;
    }
  }

  // From `start`, the start of a piece, to the start of the piece that
  // holds `target`, counting the pieces passed: the whole lines before the
  // target's line by their line feeds, then the pieces cut from its head.
  std::size_t passPieces(std::string_view run, std::size_t start, std::size_t target) {
    std::size_t lastFeed = run.substr(start, target - start).rfind('\n');
    if (lastFeed != std::string_view::npos) {
      std::size_t lineStart = start + lastFeed + 1;
      std::size_t lines = countShortLines(run.data() + start, lineStart - start);
      if (lines != std::string_view::npos) {
        number_ += static_cast<long long>(lines);
        start = lineStart;
      } else {
        // A long line among them: its pieces are cut one by one.
        while (start < lineStart) {
          ++number_;
          start = pieceEnd(run, start, kSearchPieceMax);
        }
      }
    }
    std::size_t cut = (target - start) / kSearchPieceMax;
    number_ += static_cast<long long>(cut);
    return start + cut * kSearchPieceMax;
  }

  // One output line per piece: a piece cut off at the size limit, or a last
  // line without a line feed, is ended here so the next match starts a line.
  void printMatch(const std::string& file, std::string_view piece) {
    char position[32];
    std::snprintf(position, sizeof position, "(%lld) : ", number_);
    line_.assign(file);
    line_ += position;
    line_ += piece;
    if (piece.back() != '\n') line_ += '\n';
    printOutput(e_, outputStream(e_), line_);
  }

  Engine& e_;
  std::vector<std::string> strings_;
  bool folded_;
  std::vector<std::size_t> next_;
  long long number_ = 0;
  std::string lowered_;
  std::string line_;
};

}  // namespace

void lowerSjis(std::string_view text, char* out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (std::size_t n = charLength(text, i); n > 1) {
      text.copy(out + i, n, i);
      i += n - 1;
      continue;
    }
    out[i] = asciiLower(c);
  }
}

void lowerSjis(std::string_view text, std::string& out) {
  out.resize(text.size());
  lowerSjis(text, out.data());
}

void searchFiles(Engine& e, std::vector<std::string> strings,
                 const std::vector<std::string>& files) {
  Search search(e, std::move(strings));
  for (const std::string& file : files) search.searchFile(file);
}

}  // namespace mora
