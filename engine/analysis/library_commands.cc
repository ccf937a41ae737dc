#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> libraryCommands() { return {}; }

}  // namespace mora
