#include "core/executor.h"

#include "core/dispatch.h"
#include "core/engine.h"
#include "core/functions.h"
#include "core/labels.h"
#include "core/loops.h"
#include "core/messages.h"
#include "core/nesting_budget.h"
#include "core/output.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

// The result of statements that are no command: labels, braces, assignments,
// and statements that were skipped or recorded.
constexpr int kStatementDone = kShellEscapeResult + 1;

// A brace statement: the brace, then nothing but blanks. Returns false (after
// FIEU005) when other text follows it.
bool onlyBlanksAfter(Engine& e, std::string_view statement) {
  std::string_view rest = trim(statement.substr(1));
  if (rest.empty()) return true;
  raiseMessage(e, "FIEU005", rest);
  return false;
}

// A malformed "{" opens nothing: whatever waited for a block waits no more.
void cancelPendingBlocks(Engine& e) {
  ExecutorState& x = e.exec;
  if (x.skip == SkipState::NextBlock) x.skip = SkipState::None;
  if (x.loopCapture == CaptureState::NextBlock) cancelAnnouncedLoop(e);
  if (x.definition.state == CaptureState::NextBlock) x.definition = FunctionDefinition{};
}

void openLevel(Engine& e) {
  ++e.exec.depth;
  clearLevel(e, e.exec.depth);
}

// "{": advances the pending block state, then opens a block.
int openBlock(Engine& e, std::string_view statement) {
  ExecutorState& x = e.exec;
  if (!onlyBlanksAfter(e, statement)) {
    cancelPendingBlocks(e);
    return kStatementFailed;
  }
  if (x.depth >= kMaxDepth) {
    raiseBlocksTooDeep(e);
    return kStatementFailed;
  }
  if (x.definition.state == CaptureState::NextBlock)
    return startFunctionBody(e) ? kStatementDone : kStatementFailed;
  if (x.skip == SkipState::NextBlock) {
    x.skip = SkipState::Skipping;
    x.skipDepth = x.depth;
    x.skippedStatements = 0;
  }
  if (x.loopCapture == CaptureState::NextBlock) {
    x.loopCapture = CaptureState::Recording;
    x.loopCaptureDepth = x.depth;
  } else if (x.loopCapture == CaptureState::Recording) {
    x.loops[x.loopLevel].body.emplace_back(1, kBlockOpen);
  }
  if (x.definition.state == CaptureState::Recording) x.definition.body.emplace_back(1, kBlockOpen);
  openLevel(e);
  return kStatementDone;
}

// "}": closes a block, then ends what the block was: a function body, a
// skipped block or a loop body (which then runs).
int closeBlock(Engine& e, std::string_view statement) {
  ExecutorState& x = e.exec;
  if (!onlyBlanksAfter(e, statement)) return kStatementFailed;
  if (x.depth == 0) {
    raiseMessage(e, "FIEU019");
    return kStatementFailed;
  }
  closeBlocksTo(e, x.depth - 1);
  if (x.definition.state == CaptureState::Recording) {
    if (x.depth == x.definition.startDepth) {
      finishFunctionBody(e);
    } else {
      x.definition.body.emplace_back(1, kBlockClose);
    }
    return kStatementDone;
  }
  if (x.skip == SkipState::Skipping && x.depth == x.skipDepth) {
    x.skip = SkipState::None;
    return kStatementDone;
  }
  if (x.loopCapture == CaptureState::Recording) {
    if (x.depth == x.loopCaptureDepth) {
      x.loopCapture = CaptureState::None;
      runAnnouncedLoop(e);
    } else {
      x.loops[x.loopLevel].body.emplace_back(1, kBlockClose);
    }
  }
  return kStatementDone;
}

// Statements inside a body being recorded or a block being skipped are kept
// or counted, not run. Returns true when the statement was taken.
bool recordOrSkip(Engine& e, std::string_view statement) {
  ExecutorState& x = e.exec;
  if (x.definition.state == CaptureState::Recording) {
    x.definition.body.emplace_back(statement);
    return true;
  }
  if (x.skip == SkipState::Skipping) {
    ++x.skippedStatements;
    return true;
  }
  if (x.loopCapture == CaptureState::Recording) {
    x.loops[x.loopLevel].body.emplace_back(statement);
    return true;
  }
  return false;
}

// A statement other than "{" ends what waited for a block: a false condition
// skips only a block, never a single statement, and a loop needs a block.
void settlePendingBlocks(Engine& e) {
  ExecutorState& x = e.exec;
  if (x.skip == SkipState::NextBlock) x.skip = SkipState::None;
  if (x.loopCapture == CaptureState::NextBlock) {
    cancelAnnouncedLoop(e);
    raiseMessage(e, "FIEU029");
  }
}

}  // namespace

int executeInnerStatement(Engine& e, std::string_view statement) {
  statement = skipBlanks(statement);
  if (statement.empty()) return kStatementDone;
  if (statement[0] == kLabelMark)
    return defineLabel(e, statement) ? kStatementDone : kStatementFailed;
  if (statement[0] == kBlockOpen) return openBlock(e, statement);
  if (statement[0] == kBlockClose) return closeBlock(e, statement);
  if (recordOrSkip(e, statement)) return kStatementDone;
  settlePendingBlocks(e);
  if (statement[0] == kVariableMark)
    return executeAssignment(e, statement) ? kStatementDone : kStatementFailed;
  return dispatchCommand(e, statement);
}

int executeStatement(Engine& e, std::string_view statement) {
  flushOutputIfDue(e);  // a long script still shows its progress
  statement = skipBlanks(statement);
  if (e.settings.codeStore) e.exec.code.emplace_back(statement);
  if (e.exec.labelSearch && skipWhileSearching(e, statement)) return kStatementDone;
  return executeInnerStatement(e, statement);
}

bool isRecordingFunction(const Engine& e) { return e.exec.definition.state != CaptureState::None; }

void endOfInput(Engine& e) {
  if (!e.exec.labelSearch) return;
  e.exec.labelSearch = false;
  raiseMessage(e, "FIEU035", e.exec.searchedLabel);
}

void closeBlocksTo(Engine& e, int depth) {
  if (depth < 0) depth = 0;
  if (e.exec.depth <= depth) return;
  e.exec.depth = depth;
  dropLocalsAbove(e, depth);
}

}  // namespace mora
