#include "reports/action_command.h"

#include "analysis/function_database.h"
#include "analysis/scan_failure.h"
#include "analysis/text_writer.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/temporary_files.h"
#include "reports/action_diagram.h"
#include "reports/report_operands.h"

namespace mora {

namespace {

constexpr ScanFailureMessages kActionScanFailures{{"FIEC001", ScanSubject::Source},
                                                  {"FIES001", ScanSubject::Output},
                                                  {"FIES004", ScanSubject::None},
                                                  {"FIEC003", ScanSubject::None}};

// The diagram of the selected functions of one file; false after a message.
// The texts go to the work file through the one handle that started it empty:
// only the engine's own file is emptied, a new one is created exclusively, and
// a file or link that someone else put at the name is never written through
// nor removed; the command fails instead.
bool drawFile(Engine& e, ActionRun& run, const FunctionPatternList& names,
              const std::string& file) {
  const std::string& work = e.settings.workFile;
  auto writer = rewriteTemporaryFile(e, work);
  if (!writer) {
    raiseMessage(e, "FIES001", work);
    return false;
  }
  ScanError error = writeFunctionTexts(e, file, *writer, names, LibraryMode::Function, false);
  if (!writer->closeFile() && error == kScanOk) error = kScanCannotOpenOutput;
  if (error != kScanOk) {
    raiseScanFailure(e, error, kActionScanFailures, file, work);
    return false;
  }
  return drawActionDiagram(e, work, run);
}

}  // namespace

bool cmdAction(Engine& e, std::string_view rest) {
  auto ops = readReportOperands(e, rest);
  if (!ops) return false;
  ActionRun run;
  for (const std::string& file : ops->files) {
    bool drawn = drawFile(e, run, ops->patterns, file);
    // The function texts do not outlive the diagram; only our own file goes.
    removeTemporaryFile(e, e.settings.workFile);
    if (!drawn) return false;
  }
  return true;
}

}  // namespace mora
