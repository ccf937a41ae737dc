// The four evaluators of the MORA language: value, string, integer and
// condition. Each returns the number of characters of `text` it consumed, or
// std::nullopt after raising exactly one message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mora {

class Engine;

using Consumed = std::optional<std::size_t>;

Consumed evaluateValue(Engine& e, std::string_view text, std::string& value,
                       std::string_view terminators);
Consumed evaluateString(Engine& e, std::string_view text, std::string& value,
                        std::string_view terminators);
Consumed evaluateInteger(Engine& e, std::string_view text, std::int32_t& number,
                         std::string_view terminators);
// `text` starts with the "(" of the condition; consumed includes the ")".
Consumed evaluateCondition(Engine& e, std::string_view text, bool& truth);

// A value is true when it is neither empty nor "0".
inline bool isTrue(std::string_view value) { return !value.empty() && value != "0"; }

// Lexical pieces shared by the evaluators, the assignment and `var`.

// Characters that may follow the "$" of a variable name.
bool isNameChar(char c);
// Length of the variable name at the start of `text`: the "$" and the name
// characters after it; 0 when `text` does not start with "$".
std::size_t variableNameLength(std::string_view text);
// "$%..." names hold integers; "$_..." names always live at level 0.
inline bool isNumericName(std::string_view name) { return name.size() > 1 && name[1] == '%'; }
inline bool isGlobalName(std::string_view name) { return name.size() > 1 && name[1] == '_'; }
// The run of operator characters (= < > + & | ! - / % *) at the start of `text`.
std::string_view operatorRun(std::string_view text);

}  // namespace mora
