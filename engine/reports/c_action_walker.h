// The structure stage of action diagrams for C: follows the block structure
// of function bodies (if/else chains, loops, switch and case labels, do-while,
// bare blocks) and writes one action record per line of the diagram. The
// nesting is kept on an explicit stack, so any depth of nesting is walked
// without deepening the machine stack.
#pragma once

#include <istream>

#include "reports/action_record.h"

namespace mora {

// Reads C source text from `in` and writes its records to `out`. Always
// completes: malformed constructs are passed over.
void walkCActions(std::istream& in, ActionRecordWriter& out);

}  // namespace mora
