#include "core/variables.h"

#include "core/command_tables.h"
#include "core/engine.h"

namespace mora {

std::span<const CommandEntry> variableCommands() { return {}; }

void definePredefinedVariables(Engine&) {}

}  // namespace mora
