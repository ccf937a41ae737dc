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

Consumed evaluateValue(Engine& e, std::string_view text, std::string& value, std::string_view terminators);
Consumed evaluateString(Engine& e, std::string_view text, std::string& value, std::string_view terminators);
Consumed evaluateInteger(Engine& e, std::string_view text, std::int32_t& number, std::string_view terminators);
// `text` starts with the "(" of the condition; consumed includes the ")".
Consumed evaluateCondition(Engine& e, std::string_view text, bool& truth);

// A value is true when it is neither empty nor "0".
inline bool isTrue(std::string_view value) { return !value.empty() && value != "0"; }

}  // namespace mora
