#include "core/command_tables.h"
#include "reports/action_command.h"

namespace mora {

namespace {

constexpr CommandEntry kReportCommands[] = {
    {Token::Action, cmdAction},
};

}  // namespace

// Report commands (trees, counts, tags, search, action diagrams) register here.
std::span<const CommandEntry> reportCommands() { return kReportCommands; }

}  // namespace mora
