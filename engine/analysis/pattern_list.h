// Function-name pattern lists of the library commands: comma-separated
// patterns, optionally in parentheses, each optionally followed by `as` and
// a new name. An item in angle brackets stands for the non-empty lines of
// the file so named.
#pragma once

#include <optional>
#include <string_view>

#include "analysis/function_database.h"

namespace mora {

class Engine;

struct ParsedPatterns {
  FunctionPatternList patterns;
  std::size_t consumed = 0;  // characters taken, up to the end of the last item
};

// std::nullopt after one message (FIEU007 for a missing item, FIEU003 for a
// missing ")", FIES001 for an unreadable list file).
std::optional<ParsedPatterns> parsePatternList(Engine& e, std::string_view text);

// True when `text` starts, after blanks, with the keyword `word` (any case)
// standing alone; `consumed` then counts the blanks and the word.
bool startsWithKeyword(std::string_view text, std::string_view word, std::size_t* consumed);

}  // namespace mora
