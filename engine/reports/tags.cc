#include "reports/tags.h"

#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"

namespace mora {

namespace {

// Entries carry "name first last" while it lives; restored even when the
// run ends in the middle of a scan.
class PositionForm {
 public:
  explicit PositionForm(Engine& e) : e_(e), saved_(e.functions.positions) {
    e.functions.positions = true;
  }
  ~PositionForm() { e_.functions.positions = saved_; }
  PositionForm(const PositionForm&) = delete;
  PositionForm& operator=(const PositionForm&) = delete;

 private:
  Engine& e_;
  bool saved_;
};

// " 001: a.c(12): name"; the file name as the selection gave it.
void printTagLines(Engine& e, const std::string& file, const EntryList& entries) {
  int number = 0;
  for (const FunctionEntry& entry : entries) {
    std::size_t blank = entry.find(' ');
    std::string name = entry.substr(0, blank);
    long line = blank == std::string::npos ? 0 : parseLeadingInt(entry.substr(blank));
    std::string text = e.settings.number ? format(" %03d: ", ++number) : std::string();
    text += format("%s(%ld): %s\n", file.c_str(), line, name.c_str());
    printOutput(e, outputStream(e), text);
  }
}

}  // namespace

void printTags(Engine& e, const FunctionPatternList& patterns,
               const std::vector<std::string>& files) {
  PositionForm positions(e);
  BodyTable body;
  EntryList entries;
  for (const std::string& file : files) {
    entries.clear();
    e.functions.lastError = kScanOk;
    if (scanFileInMode(e, ScanMode::NamesOnly, file, patterns, body, entries) != 0) {
      raiseScanFailure(e, e.functions.lastError, kReportScanFailures, file);
      continue;
    }
    printTagLines(e, file, entries);
  }
}

}  // namespace mora
