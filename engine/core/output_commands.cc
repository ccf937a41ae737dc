#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> outputCommands() { return {}; }

}  // namespace mora
