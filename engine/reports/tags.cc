#include "reports/tags.h"

#include "analysis/function_scan.h"
#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"

namespace mora {

namespace {

// " 001: a.c(12): name"; the file name as the selection gave it.
void printTagLines(Engine& e, const std::string& file, const RecordList& records) {
  int number = 0;
  for (const FunctionRecord& record : records) {
    std::string text = e.settings.number ? format(" %03d: ", ++number) : std::string();
    text += format("%s(%d): %s\n", file.c_str(), record.line, record.name.c_str());
    printOutput(e, outputStream(e), text);
  }
}

}  // namespace

void printTags(Engine& e, const FunctionPatternList& patterns,
               const std::vector<std::string>& files) {
  FunctionScan scan(e, ScanMode::NamesOnly, patterns);
  for (const std::string& file : files) {
    scan.records().clear();
    if (!scan.scanFile(file)) {
      raiseScanFailure(e, scan.error(), kReportScanFailures, file);
      continue;
    }
    printTagLines(e, file, scan.records());
  }
}

}  // namespace mora
