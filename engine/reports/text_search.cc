#include "reports/text_search.h"

#include <cstdio>

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
    lowered_.reserve(kSearchPieceMax);
    line_.reserve(kSearchPieceMax + kFileNameMax + 32);
  }

  void searchFile(const std::string& file) {
    auto in = openForReading(e_, file);
    if (!in) return;
    PieceReader reader(*in, kSearchPieceMax);
    std::string_view piece;
    long long number = 0;
    while (reader.next(piece)) {
      e_.checkInterrupt();
      ++number;
      std::string_view compared = piece;
      if (folded_) {
        lowerSjis(piece, lowered_);
        compared = lowered_;
      }
      if (containsAny(compared, strings_)) printMatch(file, number, piece);
    }
    // A read error (EIO) ends the pieces early; the search of this file is
    // reported as failed rather than complete.
    if (in->bad()) raiseMessage(e_, "FIEC010", file);
  }

 private:
  // One output line per piece: a piece cut off at the size limit, or a last
  // line without a line feed, is ended here so the next match starts a line.
  void printMatch(const std::string& file, long long number, std::string_view piece) {
    char position[32];
    std::snprintf(position, sizeof position, "(%lld) : ", number);
    line_.assign(file);
    line_ += position;
    line_ += piece;
    if (piece.back() != '\n') line_ += '\n';
    printOutput(e_, outputStream(e_), line_);
  }

  Engine& e_;
  std::vector<std::string> strings_;
  bool folded_;
  std::string lowered_;
  std::string line_;
};

}  // namespace

void lowerSjis(std::string_view text, std::string& out) {
  out.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (std::size_t n = charLength(text, i); n > 1) {
      text.copy(&out[i], n, i);
      i += n - 1;
      continue;
    }
    out[i] = asciiLower(c);
  }
}

void searchFiles(Engine& e, std::vector<std::string> strings,
                 const std::vector<std::string>& files) {
  Search search(e, std::move(strings));
  for (const std::string& file : files) search.searchFile(file);
}

}  // namespace mora
