#include "commands/command_table.h"

#include <array>

#include "analysis/preprocessor.h"
#include "core/conditionals.h"
#include "core/control_commands.h"
#include "core/directory_commands.h"
#include "core/exit.h"
#include "core/functions.h"
#include "core/help.h"
#include "core/labels.h"
#include "core/loops.h"
#include "core/output_commands.h"
#include "core/reader.h"
#include "core/script_files.h"
#include "core/set_command.h"
#include "core/variables.h"
#include "reports/action_command.h"
#include "reports/define_check.h"
#include "reports/include_tree.h"
#include "reports/report_commands.h"
#include "reports/text_substitution.h"

namespace mora {

namespace {

// The handler column of the keyword table, indexed by token.
constexpr std::array<CommandHandler, kKeywordCount> kHandlers = {
#define MORA_COMMAND_HANDLER(name, word, handler) handler,
#define MORA_WORD_HANDLER(name, word) nullptr,
    MORA_KEYWORDS(MORA_COMMAND_HANDLER, MORA_WORD_HANDLER)
#undef MORA_COMMAND_HANDLER
#undef MORA_WORD_HANDLER
};

}  // namespace

CommandHandler handlerFor(Token token) { return kHandlers[static_cast<std::size_t>(token)]; }

}  // namespace mora
