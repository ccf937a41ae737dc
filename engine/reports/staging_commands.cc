// The commands over staged changes: define (text_substitution.cc) stages
// them, done writes them back, reset throws them away.
#include "analysis/preprocessor.h"
#include "core/command_tables.h"
#include "core/engine.h"
#include "core/exit.h"
#include "core/staging.h"
#include "core/word_argument.h"
#include "reports/text_substitution.h"

namespace mora {

namespace {

// done
int cmdDone(Engine& e, std::string_view rest) {
  if (!nothingFollows(e, rest)) return 0;
  bool committed = commitStagedFiles(e);
  e.preprocessing.defines.clear();
  return committed ? 1 : 0;
}

// reset
int cmdReset(Engine& e, std::string_view rest) {
  if (!nothingFollows(e, rest)) return 0;
  discardStagedFiles(e);
  deleteWorkFiles(e);
  return 1;
}

constexpr CommandEntry kStagingCommands[] = {
    {Token::Define, cmdDefine},
    {Token::Done, cmdDone},
    {Token::Reset, cmdReset},
};

}  // namespace

std::span<const CommandEntry> stagingCommands() { return kStagingCommands; }

}  // namespace mora
