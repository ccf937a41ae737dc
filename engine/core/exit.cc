#include "core/exit.h"

#include "core/builtins.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/staging.h"
#include "core/text.h"

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

// Only files this run created go: a library file or a work-file name that
// was there before the run (or that `set sysdt` points at) is the user's.
void deleteWorkFiles(Engine& e) {
  if (!e.settings.sysdt.empty()) removeTemporaryFile(e, e.settings.sysdt);
  if (!e.settings.workFile.empty()) removeTemporaryFile(e, e.settings.workFile);
}

void exitOperation(Engine& e, int code) {
  if (e.messages.wheneverExitArmed) {
    e.messages.wheneverExitArmed = false;
    e.reader.pendingLine = e.messages.wheneverExit;
    e.reader.pendingExit = code;
    return;
  }
  e.exiting = true;
  closeRunFiles(e);
  commitStagedFiles(e);
  e.layers.release();
  deleteWorkFiles(e);
  closeBuiltinFiles(e);
  throw EngineExit{code};
}

bool cmdExit(Engine& e, std::string_view rest) {
  rest = trim(rest);
  if (rest.empty()) {
    exitOperation(e, 0);
    return true;
  }
  if (!isAsciiDigit(rest[0])) {
    raiseMessage(e, "FIEU011", rest);
    return false;
  }
  exitOperation(e, static_cast<int>(parseLeadingInt(rest)));
  return true;
}

}  // namespace mora
