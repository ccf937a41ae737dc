// The step count report: lines, code lines (steps) and comment lines of each
// file and of each selected function in it, with per-file and grand totals.
// The scanner classifies the lines; this module adds them up and lays out
// the table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/function_database.h"

namespace mora {

class Engine;

// The counts a count entry carries ("%s %d %d %d %d").
struct CountEntry {
  std::string_view name;
  long long lines = 0;
  long long steps = 0;
  long long comments = 0;
  long long blanks = 0;
};

// Name of the whole-file entry that ends each file's entries.
inline constexpr std::string_view kWholeFileEntry = ">";

// Reads a count entry back; std::nullopt when the text is not one.
std::optional<CountEntry> parseCountEntry(std::string_view text);

// Scans `files` one after another and prints the table in the unit of the
// count setting. The files are known to exist; a file whose scan fails is
// reported and left out.
void printStepCount(Engine& e, const FunctionPatternList& patterns,
                    const std::vector<std::string>& files);

}  // namespace mora
