#include "core/loops.h"

#include <optional>
#include <string>
#include <utility>

#include "core/engine.h"
#include "core/executor.h"
#include "core/expressions.h"
#include "core/messages.h"
#include "core/nesting_budget.h"
#include "core/reader.h"
#include "core/text.h"

namespace mora {

namespace {

// A loop whose header cannot be read must not run its body once as a plain
// block: the block that follows is skipped.
bool headerFailed(Engine& e) {
  e.exec.skip = SkipState::NextBlock;
  return false;
}

// Checks the condition (evaluating it once, for its syntax) and that nothing
// follows it; then announces the loop.
bool announceLoop(Engine& e, std::string_view condition, std::string_view step) {
  bool truth = false;
  auto used = evaluateCondition(e, condition, truth);
  if (!used) return false;
  if (std::string_view extra = trim(condition.substr(*used)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  LoopLevel& loop = e.exec.loops[e.exec.loopLevel];
  loop = LoopLevel{};
  loop.announced = true;
  loop.condition = std::string(condition.substr(0, *used));
  loop.step = std::string(trim(step));
  e.exec.loopCapture = CaptureState::NextBlock;
  return true;
}

// The position of the first `c` at or after `from` outside double quotes.
std::optional<std::size_t> findOutsideQuotes(std::string_view s, char c, std::size_t from) {
  bool quoted = false;
  for (std::size_t i = from; i < s.size(); ++i) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
      continue;
    }
    if (s[i] == kQuote) quoted = !quoted;
    if (!quoted && s[i] == c) return i;
  }
  return std::nullopt;
}

struct ForHeader {
  std::string condition;  // with its parentheses
  std::string_view step;
};

// for (init; condition; step): the header is read from left to right, and
// init runs as soon as its ";" is found, before the rest is checked.
std::optional<ForHeader> parseForHeader(Engine& e, std::string_view rest) {
  if (rest.empty() || rest[0] != '(') {
    raiseMessage(e, "FIEU003", "(");
    return std::nullopt;
  }
  auto first = findOutsideQuotes(rest, kStatementSeparator, 1);
  if (!first) {
    raiseMessage(e, "FIEU003", ";");
    return std::nullopt;
  }
  std::string_view init = trim(rest.substr(1, *first - 1));
  if (!init.empty() && executeInnerStatement(e, init) == kStatementFailed) return std::nullopt;
  auto second = findOutsideQuotes(rest, kStatementSeparator, *first + 1);
  if (!second) {
    raiseMessage(e, "FIEU003", ";");
    return std::nullopt;
  }
  std::size_t close = rest.rfind(')');
  if (close == std::string_view::npos || close < *second) {
    raiseMessage(e, "FIEU003", ")");
    return std::nullopt;
  }
  if (std::string_view extra = trim(rest.substr(close + 1)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return std::nullopt;
  }
  ForHeader h;
  std::string_view condition = trim(rest.substr(*first + 1, *second - *first - 1));
  h.condition = "(" + std::string(condition.empty() ? "1==1" : condition) + ")";
  h.step = trim(rest.substr(*second + 1, close - *second - 1));
  return h;
}

void runLoop(Engine& e, LoopLevel& loop) {
  ExecutorState& x = e.exec;
  if (!loop.step.empty()) loop.body.push_back(loop.step);
  // A `break` left over from outside any loop belongs to no loop.
  x.breakFlag = false;
  for (long round = 0; round < kMaxLoopIterations; ++round) {
    e.checkInterrupt();
    bool truth = false;
    if (!evaluateCondition(e, loop.condition, truth) || !truth) break;
    int depthBefore = x.depth;
    runStringList(e, loop.body);
    closeBlocksTo(e, depthBefore);
    if (isUnwinding(e)) break;
    // A jump (goto, return) out of the body leaves the loop, as break does.
    if (x.breakFlag || x.labelSearch) {
      x.breakFlag = false;
      break;
    }
  }
}

}  // namespace

void cancelAnnouncedLoop(Engine& e) {
  e.exec.loopCapture = CaptureState::None;
  e.exec.loops[e.exec.loopLevel] = LoopLevel{};
}

void runAnnouncedLoop(Engine& e) {
  ExecutorState& x = e.exec;
  LoopLevel loop = std::exchange(x.loops[x.loopLevel], LoopLevel{});
  if (!loop.announced) {
    raiseMessage(e, "FIEU029");
    return;
  }
  if (x.loopLevel >= kMaxLoopLevel) {
    raiseMessage(e, "FIEC018");
    return;
  }
  ++x.loopLevel;
  runLoop(e, loop);
  --x.loopLevel;
}

bool cmdWhile(Engine& e, std::string_view rest) {
  return announceLoop(e, trim(rest), {}) || headerFailed(e);
}

bool cmdFor(Engine& e, std::string_view rest) {
  auto header = parseForHeader(e, trim(rest));
  if (!header) return headerFailed(e);
  return announceLoop(e, header->condition, header->step) || headerFailed(e);
}

bool cmdBreak(Engine& e, std::string_view rest) {
  if (std::string_view extra = trim(rest); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  e.exec.breakFlag = true;
  return true;
}

}  // namespace mora
