// A fresh engine for the tests of the variable store, the
// evaluators and the assignment statement.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/engine.h"
#include "core/expressions.h"
#include "core/variables.h"
#include "test_support.h"

namespace mora::testing {

class ValuesTest : public ::testing::Test {
 protected:
  // The value of a variable read the way scripts read it.
  std::string get(std::string_view name, long index = kScalarIndex) {
    std::string value;
    EXPECT_TRUE(getVariable(e, name, index, value)) << name;
    return value;
  }
  bool assign(std::string_view statement) { return executeAssignment(e, statement); }

  // The message codes raised so far, in order, separated by blanks.
  std::string codes() const { return messageCodes(t_.err()); }
  std::string messages() const { return t_.err(); }
  int messageCount() const { return e.messages.errorCount; }

 private:
  TestEngine t_;

 protected:
  Engine& e = t_.engine;
};

}  // namespace mora::testing
