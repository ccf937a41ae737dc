// From a statement's first word to its command: the dispatch table.
#pragma once

#include <string>
#include <string_view>

#include "core/keywords.h"

namespace mora {

class Engine;

// A command receives the rest of its statement after the keyword and the
// blanks that follow it; it returns 1 for success, or 0 after raising
// exactly one message.
using CommandHandler = int (*)(Engine&, std::string_view rest);

// Replaces the standalone words true, false, eof and null by the variables
// that hold their values, keeping the length.
void replaceTruthWords(std::string& text);

// Looks the first word up and runs its command. Returns the token number
// (-1 when the command failed), or 0 after FIEU002.
int dispatchCommand(Engine& e, std::string_view statement);

// The token number that the shell escape returns.
inline constexpr int kShellEscapeResult = static_cast<int>(kKeywordCount);

}  // namespace mora
