#include "commands/command_table.h"

#include <array>
#include <span>

#include "core/command_tables.h"
#include "core/exit.h"
#include "core/reader.h"

namespace mora {

namespace {

constexpr CommandEntry kReaderCommands[] = {
    {Token::Exit, cmdExit},       {Token::Bye, cmdExit},  {Token::Alias, cmdAlias},
    {Token::History, cmdHistory}, {Token::H, cmdHistory}, {Token::Create, cmdCreate},
};

// Each module registers its own commands.
using ModuleTable = std::span<const CommandEntry> (*)();
constexpr ModuleTable kModuleTables[] = {
    [] { return std::span<const CommandEntry>(kReaderCommands); },
    variableCommands,
    controlCommands,
    outputCommands,
    stagingCommands,
    libraryCommands,
    treeCommands,
    lineReportCommands,
    reportCommands,
    preprocessorCommands,
};

using DispatchTable = std::array<CommandHandler, kKeywordCount>;

DispatchTable makeDispatchTable() {
  DispatchTable table{};
  for (ModuleTable module : kModuleTables)
    for (const auto& entry : module()) table[static_cast<std::size_t>(entry.token)] = entry.handler;
  return table;
}

}  // namespace

CommandHandler handlerFor(Token token) {
  static const DispatchTable table = makeDispatchTable();
  return table[static_cast<std::size_t>(token)];
}

}  // namespace mora
