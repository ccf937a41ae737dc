// The commands over staged changes: define (text_substitution.cc) stages
// them, done writes them back, reset throws them away.
#include "analysis/preprocessor.h"
#include "core/engine.h"
#include "core/exit.h"
#include "core/staging.h"
#include "core/word_argument.h"
#include "reports/report_commands.h"

namespace mora {

// done
bool cmdDone(Engine& e, std::string_view rest) {
  if (!nothingFollows(e, rest)) return false;
  bool committed = commitStagedFiles(e);
  e.preprocessing.defines.clear();
  return committed;
}

// reset
bool cmdReset(Engine& e, std::string_view rest) {
  if (!nothingFollows(e, rest)) return false;
  discardStagedFiles(e);
  deleteWorkFiles(e);
  return true;
}

}  // namespace mora
