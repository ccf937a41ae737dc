// The exit operation that ends every run, and the `exit`/`bye` command.
#pragma once

#include <string_view>

namespace mora {

class Engine;

// Ends the run with `code`: unless a `whenever exit` command is armed (then
// it is queued as the next input line and this returns), closes the run's
// files, commits staged file changes, deletes the engine's temporary files
// and unwinds to Engine::run by throwing EngineExit.
void exitOperation(Engine& e, int code);

// Used on the error-limit path: staged changes are dropped, not written.
void discardStagedChanges(Engine& e);
// Deletes the function library file and the work file, each only when this
// run created it.
void deleteWorkFiles(Engine& e);

// `exit` [n], `bye` [n].
bool cmdExit(Engine& e, std::string_view rest);

}  // namespace mora
