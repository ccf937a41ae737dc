// The constant-expression evaluator of "#if" and "#elif": names are replaced
// by their values from the define table, then the text is evaluated strictly
// from left to right, without operator precedence. Any error makes the
// condition false.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mora {

class DefineTable;

// One token of a condition: runs of operator characters ("!+-<=>"), digits,
// blanks or parentheses; a name; or any other single character.
struct ConditionToken {
  enum class Class { Operator, Digits, Blanks, Parentheses, Name, Other };
  Class cls;
  std::string_view text;
};

// The token that starts at `pos` (pos < text.size()).
ConditionToken conditionTokenAt(std::string_view text, std::size_t pos);

// Names replaced: " 0 " when not defined, " " when defined without a value,
// " <value> " otherwise; every other token copied with a blank in front.
std::string substituteMacros(std::string_view text, const DefineTable& defines);

enum class ConditionError {
  None,
  CloseExpected,    // ") expected"
  LValueExpected,   // "l-value expected"
  OpeCodeExpected,  // "ope code expected"
  InvalidOpeCode,   // "invalid ope code"
  RValueExpected,   // "r-value expected"
  EndCharInvalid,   // "end char invalid"
};

struct ConditionResult {
  std::int32_t value = 0;  // 0 whenever error is set
  ConditionError error = ConditionError::None;
};

// Evaluates a substituted expression. Parentheses nest without recursion, so
// any depth is safe.
ConditionResult evaluateExpression(std::string_view text);

// substituteMacros, then evaluateExpression; the value (0 after an error).
std::int32_t evaluateCondition(std::string_view text, const DefineTable& defines);

}  // namespace mora
