// The state of the statement executor: blocks, skipping, loops, functions,
// labels and the code store. Blocks are not parsed into a tree; the executor
// captures them as statement texts and replays those, so this state is what
// says, for each statement, whether it runs, is skipped or is recorded.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/limits.h"

namespace mora {

// Whether the next block, or the block being read, is skipped.
enum class SkipState { None, NextBlock, Skipping };
// Whether the next block, or the block being read, is recorded (as a loop
// body or a function body).
enum class CaptureState { None, NextBlock, Recording };

// One level of loop nesting: the loop that a `while` or `for` announced.
struct LoopLevel {
  bool announced = false;  // a body list exists for this level
  std::string condition;   // with its parentheses
  std::string step;        // the step statement of `for`, or empty
  std::vector<std::string> body;
};

// The script function whose body is being recorded.
struct FunctionDefinition {
  CaptureState state = CaptureState::None;
  std::string name;
  std::vector<std::string> parameters;
  int startDepth = 0;
  std::vector<std::string> body;
};

struct ScriptFunction {
  std::string name;
  std::vector<std::string> body;
};

struct ExecutorState {
  int depth = 0;  // open "{" blocks, 0..kMaxDepth
  std::array<bool, kMaxDepth + 1> ifResult{};

  SkipState skip = SkipState::None;
  int skippedStatements = 0;
  int skipDepth = 0;

  CaptureState loopCapture = CaptureState::None;
  int loopCaptureDepth = 0;
  int loopLevel = 0;  // loops running; the next `while` announces at this index
  std::array<LoopLevel, kMaxLoopLevel + 1> loops;
  bool breakFlag = false;

  FunctionDefinition definition;
  std::vector<ScriptFunction> functions;  // in order of definition
  std::unordered_map<std::string, std::size_t> functionIndex;

  std::vector<std::string> code;        // executed statements, while the code store is on
  std::vector<std::string> labelNames;  // in order of definition, as written
  std::unordered_map<std::string, std::size_t> labelIndex;  // folded name -> code list index

  bool labelSearch = false;
  std::string searchedLabel;

  bool replaying = false;  // a `goto` is replaying the code list
  int scriptNesting = 0;   // include and event files being run
  int eventNesting = 0;    // event work files being run

  int nesting = 0;           // levels of the nesting budget in use
  int runningFunctions = 0;  // script function bodies being run
  bool unwinding = false;    // the budget ran out; the chain is giving up
};

}  // namespace mora
