// Staged file changes: files rewritten in place are kept as copies until the
// run commits them (`done`, or the end of the run) or discards them.
#pragma once

namespace mora {

class Engine;

struct StagingState {};

void commitStagedFiles(Engine& e);   // returns after FIEC011 on failure
void discardStagedFiles(Engine& e);

}  // namespace mora
