#include "core/nesting_budget.h"

#include "core/engine.h"
#include "core/limits.h"
#include "core/messages.h"

namespace mora {

NestingLevel::NestingLevel(Engine& e, std::string_view code, std::string_view argument) : e_(e) {
  ExecutorState& x = e.exec;
  if (x.unwinding) return;
  if (x.nesting >= kMaxNesting) {
    // Set first: a `whenever error` handler or the message itself must not
    // nest any further.
    x.unwinding = true;
    raiseMessage(e, code, argument);
    return;
  }
  ++x.nesting;
  entered_ = true;
}

NestingLevel::~NestingLevel() {
  if (!entered_) return;
  ExecutorState& x = e_.exec;
  // Back at the outermost level the chain is gone: what follows runs again.
  if (--x.nesting == 0) x.unwinding = false;
}

bool isUnwinding(const Engine& e) { return e.exec.unwinding; }

void raiseBlocksTooDeep(Engine& e) {
  if (e.exec.runningFunctions > 0) e.exec.unwinding = true;
  raiseMessage(e, "FIEC018");
}

}  // namespace mora
