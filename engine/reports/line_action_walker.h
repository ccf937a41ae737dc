// The structure stage of action diagrams for Basic and Pascal: line based.
// Every source line becomes one record (a one-line "If" two), chosen by the
// line classifier; the nest is one counter, so no depth of nesting costs
// more than any other.
#pragma once

#include <istream>

#include "reports/action_record.h"

namespace mora {

// Read source text from `in` and write its records to `out`; blocks still
// open at the end stay open. Always completes.
void walkBasicActions(std::istream& in, ActionRecordWriter& out);
void walkPascalActions(std::istream& in, ActionRecordWriter& out);

}  // namespace mora
