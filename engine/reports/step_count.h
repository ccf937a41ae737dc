// The step count report: lines, code lines (steps) and comment lines of each
// file and of each selected function in it, with per-file and grand totals.
// The scanner classifies the lines; this module adds them up and lays out
// the table.
#pragma once

#include <string>
#include <vector>

#include "analysis/function_database.h"

namespace mora {

class Engine;

// Scans `files` one after another and prints the table in the unit of the
// count setting. The files are known to exist; a file whose scan fails is
// reported and left out.
void printStepCount(Engine& e, const FunctionPatternList& patterns,
                    const std::vector<std::string>& files);

}  // namespace mora
