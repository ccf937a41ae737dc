// Helpers for the tests of the statement executor and the control-flow
// commands, which mostly run small scripts and look at what they print.
#pragma once

#include <string>

#include "core/executor.h"
#include "core/reader.h"
#include "test_support.h"

namespace mora::testing {

// Feeds `lines` to the engine as the reader would, one statement line each.
inline void feed(TestEngine& t, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) executeLine(t.engine, line);
}

}  // namespace mora::testing
