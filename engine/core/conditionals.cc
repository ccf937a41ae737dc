#include "core/conditionals.h"

#include "core/engine.h"
#include "core/executor.h"
#include "core/expressions.h"
#include "core/text.h"

namespace mora {

namespace {

bool& storedTruth(Engine& e) { return e.exec.ifResult[static_cast<std::size_t>(e.exec.depth)]; }

// Runs the statement that follows the condition when the branch is taken;
// without one, a branch not taken skips the next block.
int takeBranch(Engine& e, bool taken, std::string_view following) {
  following = trim(following);
  if (following.empty()) {
    if (!taken) e.exec.skip = SkipState::NextBlock;
    return 1;
  }
  if (!taken) return 1;
  return executeInnerStatement(e, following) == kStatementFailed ? 0 : 1;
}

// A condition that cannot be evaluated takes no branch of its chain: the
// block that follows is skipped, and the chain counts as decided so that its
// `elsif` and `else` branches do not run either.
int conditionFailed(Engine& e) {
  storedTruth(e) = true;
  e.exec.skip = SkipState::NextBlock;
  return 0;
}

}  // namespace

// if (condition) [statement]
int cmdIf(Engine& e, std::string_view rest) {
  bool truth = false;
  auto used = evaluateCondition(e, rest, truth);
  if (!used) return conditionFailed(e);
  storedTruth(e) = truth;
  return takeBranch(e, truth, rest.substr(*used));
}

// elsif (condition) [statement]: after a branch was taken, the condition is
// only checked and this branch is not taken.
int cmdElsif(Engine& e, std::string_view rest) {
  if (!storedTruth(e)) return cmdIf(e, rest);
  bool truth = false;
  auto used = evaluateCondition(e, rest, truth);
  if (!used) return conditionFailed(e);
  return takeBranch(e, false, rest.substr(*used));
}

// else [statement]
int cmdElse(Engine& e, std::string_view rest) {
  bool truth = !storedTruth(e);
  storedTruth(e) = truth;
  return takeBranch(e, truth, rest);
}

}  // namespace mora
