#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> treeCommands() { return {}; }

}  // namespace mora
