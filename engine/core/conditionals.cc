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
bool takeBranch(Engine& e, bool taken, std::string_view following) {
  following = trim(following);
  if (following.empty()) {
    if (!taken) e.exec.skip = SkipState::NextBlock;
    return true;
  }
  if (!taken) return true;
  return executeInnerStatement(e, following) != kStatementFailed;
}

// A condition that cannot be evaluated takes no branch of its chain: the
// block that follows is skipped, and the chain counts as decided so that its
// `elsif` and `else` branches do not run either.
bool conditionFailed(Engine& e) {
  storedTruth(e) = true;
  e.exec.skip = SkipState::NextBlock;
  return false;
}

}  // namespace

// if (condition) [statement]
bool cmdIf(Engine& e, std::string_view rest) {
  bool truth = false;
  auto used = evaluateCondition(e, rest, truth);
  if (!used) return conditionFailed(e);
  storedTruth(e) = truth;
  return takeBranch(e, truth, rest.substr(*used));
}

// elsif (condition) [statement]: after a branch was taken, the condition is
// only checked and this branch is not taken.
bool cmdElsif(Engine& e, std::string_view rest) {
  if (!storedTruth(e)) return cmdIf(e, rest);
  bool truth = false;
  auto used = evaluateCondition(e, rest, truth);
  if (!used) return conditionFailed(e);
  return takeBranch(e, false, rest.substr(*used));
}

// else [statement]
bool cmdElse(Engine& e, std::string_view rest) {
  bool truth = !storedTruth(e);
  storedTruth(e) = truth;
  return takeBranch(e, truth, rest);
}

}  // namespace mora
