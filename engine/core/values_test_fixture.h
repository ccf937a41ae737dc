// An engine with in-memory streams for the tests of the variable store, the
// evaluators and the assignment statement.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "core/engine.h"
#include "core/expressions.h"
#include "core/platform.h"
#include "core/variables.h"

namespace mora::testing {

class ValuesTest : public ::testing::Test {
 protected:
  ValuesTest() : platform_(makePosixPlatform()), e(*platform_, in_, out_, err_) {
    e.settings.cataloguePath = MORA_PROGRAM_DIR "/mora.msg";
    definePredefinedVariables(e);
  }

  // The value of a variable read the way scripts read it.
  std::string get(std::string_view name, long index = kScalarIndex) {
    std::string value;
    EXPECT_EQ(getVariable(e, name, index, value), 0) << name;
    return value;
  }
  bool assign(std::string_view statement) { return executeAssignment(e, statement) == 1; }

  // The message codes raised so far, in order, separated by blanks.
  std::string codes() const {
    std::string all = err_.str(), result;
    for (std::size_t at = all.find("FIE"); at != std::string::npos; at = all.find("FIE", at + 7)) {
      if (!result.empty()) result += ' ';
      result += all.substr(at, 7);
    }
    return result;
  }
  std::string messages() const { return err_.str(); }
  int messageCount() const { return e.messages.errorCount; }

 private:
  std::unique_ptr<Platform> platform_;
  std::istringstream in_;
  std::ostringstream out_, err_;

 protected:
  Engine e;
};

}  // namespace mora::testing
