// The action diagram of one source text file: the structure stage of the
// current language writes the records to an intermediate file beside the
// text file (extension "pot"), the print configuration is loaded and the
// print stage draws the records on the engine's output.
#pragma once

#include <string>
#include <string_view>

#include "core/platform.h"
#include "reports/action_config.h"

namespace mora {

class Engine;

// Action diagram state that lives from one command to the next.
struct ActionState {
  ActionConfig config;
  // An intermediate file kept because debug was on (absolute path) and the
  // file it was; the next diagram that needs the name removes it first, if
  // the name still holds that file.
  std::string keptIntermediate;
  FileStatus keptIdentity;
};

// What the diagrams of one command share: the print configuration, read
// from its file once per command.
struct ActionRun {
  bool configured = false;
};

// The intermediate file of `textFile`: the extension of its last path
// component replaced by "pot", or ".pot" appended when it has none.
std::string intermediateFileName(std::string_view textFile);

// False after a message when a file cannot be opened, created or closed,
// or after the configuration's own messages. The configuration is read for
// the first diagram of `run` only.
[[nodiscard]] bool drawActionDiagram(Engine& e, const std::string& textFile, ActionRun& run);

// One diagram that is a command of its own.
[[nodiscard]] bool drawActionDiagram(Engine& e, const std::string& textFile);

}  // namespace mora
