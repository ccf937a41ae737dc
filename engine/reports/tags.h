// The tags report: where each selected function is defined, one line per
// function in the compiler-message form "file(line): name", which editors
// and the workbench use to jump to the definition.
#pragma once

#include <string>
#include <vector>

#include "analysis/function_database.h"

namespace mora {

class Engine;

// Scans `files` one after another for the functions `patterns` select and
// prints a tag line for each. The files are known to exist; a file whose
// scan fails is reported and skipped.
void printTags(Engine& e, const FunctionPatternList& patterns,
               const std::vector<std::string>& files);

}  // namespace mora
