#include "core/control_commands.h"

#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> controlCommands() { return {}; }

int cmdCall(Engine&, std::string_view) { return 0; }

}  // namespace mora
