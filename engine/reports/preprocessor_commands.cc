// The commands of conditional compilation and the include structure: the
// define table (load, unload, deflist), the include tree and the define check.
#include "analysis/preprocessor.h"
#include "core/command_tables.h"
#include "reports/define_check.h"
#include "reports/include_tree.h"

namespace mora {

namespace {

constexpr CommandEntry kPreprocessorCommands[] = {
    {Token::Load, cmdLoad},   {Token::Unload, cmdUnload}, {Token::Deflist, cmdDeflist},
    {Token::Itree, cmdItree}, {Token::Check, cmdCheck},
};

}  // namespace

std::span<const CommandEntry> preprocessorCommands() { return kPreprocessorCommands; }

}  // namespace mora
