// Helpers for the tests of the statement executor and the control-flow
// commands, which mostly run small scripts and look at what they print.
#pragma once

#include <string>

#include "core/executor.h"
#include "core/reader.h"
#include "test_support.h"

namespace mora::testing {

// The message codes in `err`, in order, separated by blanks.
inline std::string messageCodes(const std::string& err) {
  std::string result;
  for (std::size_t at = err.find("FIE"); at != std::string::npos; at = err.find("FIE", at + 7)) {
    if (!result.empty()) result += ' ';
    result += err.substr(at, 7);
  }
  return result;
}

// Feeds `lines` to the engine as the reader would, one statement line each.
inline void feed(TestEngine& t, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) executeLine(t.engine, line);
}

}  // namespace mora::testing
