// What the interpreter needs from the layers above it: the run state of
// source analysis and of the reports, the handler of each command word, and
// the few services a core command lends from them. The interpreter cannot
// name what these hold; the program's assembly (commands/) implements this
// interface and hands it to the engine, so every include and every link
// points down.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/dispatch.h"
#include "core/keywords.h"

namespace mora {

class Engine;
struct PreprocessorState;  // analysis/preprocessor.h
struct ActionState;        // reports/action_diagram.h

class EngineLayers {
 public:
  virtual ~EngineLayers() = default;

  virtual PreprocessorState& preprocessing() = 0;
  virtual ActionState& action() = 0;

  // The command that runs `token`; nullptr for words that are no command
  // (option and reserved words).
  virtual CommandHandler commandFor(Token token) const = 0;

  // Every existing file that `file` includes, directly or through others,
  // nearest first; std::nullopt when `file` cannot be opened (getdepend).
  virtual std::optional<std::vector<std::string>> dependencies(Engine& e,
                                                               const std::string& file) = 0;

  // The exit operation: the layers let go of what they loaded for the run.
  virtual void release() = 0;
};

}  // namespace mora
