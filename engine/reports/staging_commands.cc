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

}  // namespace mora
