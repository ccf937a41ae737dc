#include "core/executor.h"

#include "core/dispatch.h"
#include "core/engine.h"
#include "core/text.h"

namespace mora {

int executeStatement(Engine& e, std::string_view statement) {
  statement = skipBlanks(statement);
  return dispatchCommand(e, statement);
}

bool isRecordingFunction(const Engine& e) {
  (void)e;
  return false;
}

void endOfInput(Engine& e) { (void)e; }

}  // namespace mora
