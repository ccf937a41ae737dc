#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> controlCommands() { return {}; }

}  // namespace mora
