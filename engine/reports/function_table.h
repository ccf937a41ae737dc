// The function table of the call trees: every function the scanner finds in
// the selected files, with the names it calls, reduced by the `without`
// patterns and the not-defined switch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/function_database.h"
#include "reports/node_table.h"

namespace mora {

class Engine;

// Scans `files` in call-list mode for the functions that `names` selects.
// std::nullopt after one message (FIEC001, FIES004 or FIEC017 with the file).
std::optional<PooledNodeTable> scanFunctionTable(Engine& e, const FunctionPatternList& names,
                                                 const std::vector<std::string>& files);

// Drops the functions whose name matches `without`, with their call lists.
// Then, with `onlyDefined`, keeps in each call list only the names of
// remaining functions; otherwise drops the called names that match
// `without`.
void reduceFunctionTable(PooledNodeTable& table, const PatternSet& without, bool onlyDefined);

}  // namespace mora
