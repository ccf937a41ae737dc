// The operands of the report commands: "patterns [from files] [without
// names]". One reader, so every report takes them and fails on them alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/function_database.h"
#include "reports/node_table.h"

namespace mora {

class Engine;

struct OperandRules {
  std::string_view filesKeyword = "from";
  // Without the files keyword: FIEU003 naming it when required, else the
  // library file is analysed.
  bool filesRequired = false;
  bool withoutAllowed = false;  // "without names" may follow the files
};

struct ReportOperands {
  FunctionPatternList patterns;
  std::vector<std::string> files;  // expanded
  std::vector<bool> filesSeen;     // beside each file: found existing while expanded
  PatternSet without;
};

// Takes `word` (a keyword) and the blanks after it from the front of `rest`;
// false, leaving `rest` alone, when it is not there.
bool takeKeyword(std::string_view& rest, std::string_view word);

// std::nullopt after one message; FIEU005 names anything left after the last
// operand.
std::optional<ReportOperands> readReportOperands(Engine& e, std::string_view rest,
                                                 const OperandRules& rules = {});

}  // namespace mora
