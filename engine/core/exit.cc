#include "core/exit.h"

#include "core/builtins.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "reports/staging.h"

namespace mora {

namespace {

void closeRunFiles(Engine& e) {
  closeSpool(e);
  e.out.trace.reset();
  if (e.out.outputFile) {
    e.out.outputFile.reset();
    e.out.output = e.out.stdOut;
  }
  // The main script stream belongs to Engine::run and closes with it.
  e.out.index.reset();
}

}  // namespace

void discardStagedChanges(Engine& e) { discardStagedFiles(e); }

void deleteWorkFiles(Engine& e) {
  if (!e.settings.sysdt.empty() && e.platform.exists(e.settings.sysdt))
    e.platform.removeFile(e.settings.sysdt);
  if (!e.settings.workFile.empty() && e.platform.exists(e.settings.workFile))
    e.platform.removeFile(e.settings.workFile);
}

void exitOperation(Engine& e, int code) {
  if (e.messages.wheneverExitArmed) {
    e.messages.wheneverExitArmed = false;
    e.reader.pendingLine = e.messages.wheneverExit + ";exit " + std::to_string(code);
    return;
  }
  closeRunFiles(e);
  commitStagedFiles(e);
  e.preprocessing.defines.clear();
  deleteWorkFiles(e);
  closeBuiltinFiles(e);
  throw EngineExit{code};
}

int cmdExit(Engine& e, std::string_view rest) {
  rest = trim(rest);
  if (rest.empty()) {
    exitOperation(e, 0);
    return 1;
  }
  if (!isAsciiDigit(rest[0])) {
    raiseMessage(e, "FIEU011", rest);
    return 0;
  }
  exitOperation(e, static_cast<int>(parseLeadingInt(rest)));
  return 1;
}

}  // namespace mora
