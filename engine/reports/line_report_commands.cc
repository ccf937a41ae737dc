#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> lineReportCommands() { return {}; }

}  // namespace mora
