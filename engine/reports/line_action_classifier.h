// The line classifier of the Basic and Pascal action diagrams: the first one
// or two words of a comment-free source line decide which record the line
// becomes and how it moves the nest. Basic and Pascal share every rule except
// the words that begin a procedure header.
#pragma once

#include <string_view>

namespace mora {

enum class LineLanguage { Basic, Pascal };

// How a line is drawn and what it does to the nest.
enum class NestMove {
  Statement,  // a "normal" line at the nest
  Open,       // drawn at the nest, which then grows by one
  OneLine,    // opened and closed on the line: the record, then an empty "endblk"
  Branch,     // drawn one level out, the nest stays
  Close,      // drawn one level out, which becomes the nest
};

struct LineAction {
  std::string_view kind;  // the record kind
  NestMove move;
};

// The action of `stripped` (comments removed, blanks trimmed, not empty).
LineAction classifyActionLine(std::string_view stripped, LineLanguage language);

}  // namespace mora
