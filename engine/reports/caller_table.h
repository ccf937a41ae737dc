// The caller table of the caller trees: the called names that the name
// patterns select, each with the functions that call it.
#pragma once

#include "analysis/function_database.h"
#include "reports/node_table.h"

namespace mora {

// Targets in order of their first call (walking the functions, then each
// call list); each target's callers are the function entries whose call list
// names it, in function order, less the callers whose name matches
// `without`. A function nobody calls is never a target.
// The table refers to the texts of `functions`, which must outlive it.
NodeTableView buildCallerTable(const NodeTable& functions, const FunctionPatternList& names,
                               const PatternSet& without);
NodeTableView buildCallerTable(const NodeTable&& functions, const FunctionPatternList& names,
                               const PatternSet& without) = delete;

}  // namespace mora
