// The flat function list: per file, the functions it defines, one line each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/function_database.h"
#include "reports/node_table.h"

namespace mora {

class Engine;

// One list line: a blank, the number ("%03d: ") when `number` is above 0,
// then the entry and the file name in columns, or, with alignment, the entry
// with its bracketed part at `filepos` columns after the number.
std::string formatListLine(std::string_view entry, std::string_view fileName, int number,
                           int filepos);

// `list names from files without ...`: false after messages (FIEC013 for
// each missing file, FIES004 when memory runs out). A file the scanner fails
// on is reported (FIEC010) and skipped. `seen` marks the files already
// seen to exist while the names were expanded.
[[nodiscard]] bool printFlatList(Engine& e, const FunctionPatternList& names,
                                 const std::vector<std::string>& files, const PatternSet& without,
                                 const std::vector<bool>& seen = {});

}  // namespace mora
