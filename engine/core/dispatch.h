// From a statement's first word to its command: the dispatch table.
//
// How the engine's fallible functions report, here and in every layer:
// - A function that can fail returns bool, true when it succeeded; when it
//   tells the user about a failure it raises exactly one message before
//   returning false. Where ignoring the result would be a bug it is
//   [[nodiscard]].
// - A function that yields a value or nothing returns std::optional.
// - A predicate is named as a question and returns true when the answer is
//   yes (wildcardMatches).
// - An outcome that is control flow rather than success or failure has a
//   named type or named values (a scanner's LineOutcome, the executor's
//   kStatementFailed beside the token a statement ran).
// - Counts stay integers and never double as a failure report.
#pragma once

#include <string>
#include <string_view>

#include "core/keywords.h"

namespace mora {

class Engine;

// A command receives the rest of its statement after the keyword and the
// blanks that follow it; it returns true, or false after raising exactly one
// message (chdir, mkdir and rmdir fail without one: scripts test them).
using CommandHandler = bool (*)(Engine&, std::string_view rest);

// Replaces the standalone words true, false, eof and null by the variables
// that hold their values, keeping the length.
void replaceTruthWords(std::string& text);

// Looks the first word up and runs its command. Returns the token number
// (-1 when the command failed), or 0 after FIEU002.
int dispatchCommand(Engine& e, std::string_view statement);

// The token number that the shell escape returns.
inline constexpr int kShellEscapeResult = static_cast<int>(kKeywordCount);

}  // namespace mora
