#include "core/command_tables.h"

namespace mora {

// Report commands (trees, counts, tags, search, action diagrams) register here.
std::span<const CommandEntry> reportCommands() { return {}; }

}  // namespace mora
