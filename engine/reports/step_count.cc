#include "reports/step_count.h"

#include <charconv>

#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"

namespace mora {

namespace {

struct Sums {
  long long lines = 0;
  long long steps = 0;
  long long comments = 0;

  void add(const CountEntry& c) {
    lines += c.lines;
    steps += c.steps;
    comments += c.comments;
  }
};

// Reads one blank-separated decimal number and moves past it.
bool readNumber(std::string_view& text, long long& value) {
  text = skipBlanks(text);
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc()) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return true;
}

// Every table line starts with one blank.
void printRow(Engine& e, const std::string& row) { printOutput(e, outputStream(e), " " + row); }

// "%-24s %-8d %-8d %-8d  %-12s\n": a function, "others:" or a file total.
std::string namedRow(std::string_view label, const Sums& s, const std::string& file) {
  return format("%-24s %-8lld %-8lld %-8lld  %-12s\n", std::string(label).c_str(), s.lines, s.steps,
                s.comments, file.c_str());
}

// "%-24s %-8d %-8d %-8d \n": a file in file mode, or the grand total.
std::string totalRow(std::string_view label, const Sums& s) {
  return format("%-24s %-8lld %-8lld %-8lld \n", std::string(label).c_str(), s.lines, s.steps,
                s.comments);
}

Sums sumsOf(const CountEntry& c) {
  Sums s;
  s.add(c);
  return s;
}

class StepCountTable {
 public:
  explicit StepCountTable(Engine& e)
      : e_(e), byFunction_(e.settings.count == CountUnit::Function) {}

  // One scanned file's entries: its functions, then the whole-file entry.
  void printFile(const std::string& fileName, const EntryList& entries) {
    printHeadingOnce();
    std::string shown = displayFileName(e_, fileName);
    Sums functions;
    int number = 0;
    for (const FunctionEntry& text : entries) {
      auto entry = parseCountEntry(text);
      if (!entry) continue;
      if (entry->name == kWholeFileEntry) {
        printFileTotal(*entry, functions, shown);
        continue;
      }
      functions.add(*entry);
      ++number;
      if (byFunction_) printFunction(*entry, number, shown);
    }
  }

  // The grand total over every file printed so far.
  void printGrandTotal() {
    if (!anyFile_) return;
    printRow(e_, totalRow(byFunction_ ? "total: " : "  ", grand_));
  }

 private:
  void printHeadingOnce() {
    if (headingPrinted_) return;
    headingPrinted_ = true;
    printRow(e_, format("%-24s %-8s %-8s %-8s \n", byFunction_ ? "Function " : "File  ", "Line",
                        "Step", "Comment"));
  }

  void printFunction(const CountEntry& entry, int number, const std::string& shown) {
    std::string prefix = e_.settings.number ? format("%03d: ", number) : std::string();
    printRow(e_, prefix + namedRow(entry.name, sumsOf(entry), shown));
  }

  // The lines outside the counted functions, then the file's own line.
  void printFileTotal(const CountEntry& file, const Sums& functions, const std::string& shown) {
    grand_.add(file);
    anyFile_ = true;
    Sums whole = sumsOf(file);
    if (!byFunction_) {
      printRow(e_, totalRow(shown, whole));
      return;
    }
    if (functions.lines > 0) {
      Sums others{whole.lines - functions.lines, whole.steps - functions.steps,
                  whole.comments - functions.comments};
      printRow(e_, namedRow("others:", others, shown));
    }
    printRow(e_, namedRow("  ", whole, shown));
  }

  Engine& e_;
  bool byFunction_;
  bool headingPrinted_ = false;
  bool anyFile_ = false;
  Sums grand_;
};

}  // namespace

std::optional<CountEntry> parseCountEntry(std::string_view text) {
  std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos || blank == 0) return std::nullopt;
  CountEntry entry;
  entry.name = text.substr(0, blank);
  std::string_view rest = text.substr(blank);
  if (!readNumber(rest, entry.lines) || !readNumber(rest, entry.steps) ||
      !readNumber(rest, entry.comments) || !readNumber(rest, entry.blanks))
    return std::nullopt;
  return entry;
}

void printStepCount(Engine& e, const FunctionPatternList& patterns,
                    const std::vector<std::string>& files) {
  StepCountTable table(e);
  BodyTable body;
  EntryList entries;
  bool lastScanned = false;
  for (const std::string& file : files) {
    // Entries live for one file only, so memory follows the largest file.
    entries.clear();
    e.functions.lastError = kScanOk;
    lastScanned = scanFileInMode(e, ScanMode::StepCount, file, patterns, body, entries) == 0;
    if (!lastScanned) {
      raiseScanFailure(e, e.functions.lastError, kReportScanFailures, file);
      continue;
    }
    table.printFile(file, entries);
  }
  // A failed last file leaves the grand total out: the table stays visibly
  // incomplete next to the message.
  if (lastScanned) table.printGrandTotal();
}

}  // namespace mora
