// One budget for everything that runs inside something else: statements run
// by statements (function calls, `eval`, loop bodies, included and event
// files) and parenthesised expressions. Whatever the mix, the chain ends with
// one message before the native stack does; the whole chain then unwinds
// (every level inside gives up without a message) back to the statement of
// the outermost input, and the run goes on from there.
#pragma once

#include <string>
#include <string_view>

namespace mora {

class Engine;

class NestingLevel {
 public:
  // Takes one level of the budget. When none is left, raises `code` with
  // `argument` and starts the unwinding; while unwinding, fails silently.
  NestingLevel(Engine& e, std::string_view code, std::string_view argument = {});
  ~NestingLevel();
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;

  bool entered() const { return entered_; }

 private:
  Engine& e_;
  bool entered_ = false;
};

// True while a chain that ran out of budget is unwinding: loops and readers
// stop at once instead of running what is left of their statements.
bool isUnwinding(const Engine& e);

// Raises FIEC018 for a block nested deeper than the deepest block. Inside a
// script function the rest of the body would run with its braces out of step
// (and a recursive call would go on nesting): the whole chain of calls gives
// up with this one message.
void raiseBlocksTooDeep(Engine& e);

}  // namespace mora
