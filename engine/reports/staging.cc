#include "reports/staging.h"

#include "core/command_tables.h"

namespace mora {

std::span<const CommandEntry> stagingCommands() { return {}; }
void commitStagedFiles(Engine&) {}
void discardStagedFiles(Engine&) {}

}  // namespace mora
