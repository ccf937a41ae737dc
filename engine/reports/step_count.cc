#include "reports/step_count.h"

#include <charconv>

#include "analysis/function_scan.h"
#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "core/text_encoding.h"

namespace mora {

namespace {

struct Sums {
  long long lines = 0;
  long long steps = 0;
  long long comments = 0;

  void add(const LineCounters& c) {
    lines += c.total;
    steps += c.code;
    comments += c.comment;
  }
};

// Every table line starts with one blank.
void printRow(Engine& e, const std::string& row) { printOutput(e, outputStream(e), " " + row); }

// A label or file name padded to `columns` display columns; a text ends at a
// NUL byte, as it always has in these lines.
void appendColumn(std::string& line, std::string_view text, std::size_t columns) {
  appendPadded(line, text.substr(0, text.find('\0')), columns);
}

// The end of every row that names a file: the file column padded, then the
// line end. It is the same for all the rows of one file, so it is made once.
std::string fileColumn(std::string_view file) {
  std::string tail = "  ";
  appendColumn(tail, file, kCountFileColumns);
  tail += '\n';
  return tail;
}

// " %-8lld" without a format string to parse: one row per function of a
// whole codebase passes here.
void appendCount(std::string& line, long long value) {
  char digits[24];
  // 24 bytes hold every long long, so the conversion cannot fail.
  std::size_t length =
      static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
  line += ' ';
  line.append(digits, length);
  if (length < kCountNumberColumns) line.append(kCountNumberColumns - length, ' ');
}

void appendCounts(std::string& line, const Sums& s) {
  appendCount(line, s.lines);
  appendCount(line, s.steps);
  appendCount(line, s.comments);
}

// " %s%-24s %-8d %-8d %-8d  %-12s\n" (the texts padded by display columns),
// put together in `line`: a function, "others:" or a file total, after the
// row's `prefix` and ended by the file's column (fileColumn).
void namedRow(std::string& line, std::string_view prefix, std::string_view label, const Sums& s,
              std::string_view fileTail) {
  line.assign(1, ' ');
  line += prefix;
  appendColumn(line, label, kCountNameColumns);
  appendCounts(line, s);
  line += fileTail;
}

// "%-24s %-8d %-8d %-8d \n": a file in file mode, or the grand total.
std::string totalRow(std::string_view label, const Sums& s) {
  std::string line;
  appendColumn(line, label, kCountNameColumns);
  appendCounts(line, s);
  line += " \n";
  return line;
}

Sums sumsOf(const LineCounters& c) {
  Sums s;
  s.add(c);
  return s;
}

class StepCountTable {
 public:
  explicit StepCountTable(Engine& e)
      : e_(e), byFunction_(e.settings.count == CountUnit::Function) {}

  // One scanned file: its functions, then the whole file.
  void printFile(const std::string& fileName, const RecordList& records,
                 const LineCounters& whole) {
    printHeadingOnce();
    std::string shown = displayFileName(e_, fileName);
    if (byFunction_) fileTail_ = fileColumn(shown);
    Sums functions;
    int number = 0;
    for (const FunctionRecord& record : records) {
      functions.add(record.counts);
      ++number;
      if (byFunction_) printFunction(record, number);
    }
    printFileTotal(whole, functions, shown);
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

  void printFunction(const FunctionRecord& record, int number) {
    std::string prefix = e_.settings.number ? format("%03d: ", number) : std::string();
    printNamedRow(prefix, record.name, sumsOf(record.counts));
  }

  // A row of the current file, put together in the table's own buffer: one
  // row per function of a whole codebase passes here.
  void printNamedRow(std::string_view prefix, std::string_view label, const Sums& s) {
    namedRow(row_, prefix, label, s, fileTail_);
    printOutput(e_, outputStream(e_), row_);
  }

  // The lines outside the counted functions, then the file's own line.
  void printFileTotal(const LineCounters& file, const Sums& functions, const std::string& shown) {
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
      printNamedRow({}, "others:", others);
    }
    printNamedRow({}, "  ", whole);
  }

  Engine& e_;
  bool byFunction_;
  bool headingPrinted_ = false;
  bool anyFile_ = false;
  Sums grand_;
  std::string fileTail_;  // the current file's column and line end
  std::string row_;
};

}  // namespace

void printStepCount(Engine& e, const FunctionPatternList& patterns,
                    const std::vector<std::string>& files) {
  StepCountTable table(e);
  FunctionScan scan(e, ScanMode::StepCount, patterns);
  bool lastScanned = false;
  for (const std::string& file : files) {
    // Records live for one file only, so memory follows the largest file.
    scan.records().clear();
    lastScanned = scan.scanFile(file);
    if (!lastScanned) {
      raiseScanFailure(e, scan.error(), kReportScanFailures, file);
      continue;
    }
    table.printFile(file, scan.records(), scan.fileCounts());
  }
  // A failed last file leaves the grand total out: the table stays visibly
  // incomplete next to the message.
  if (lastScanned) table.printGrandTotal();
}

}  // namespace mora
