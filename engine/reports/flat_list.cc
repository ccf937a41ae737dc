#include "reports/flat_list.h"

#include "analysis/function_scan.h"
#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/html_writers.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "reports/tree_printer.h"

namespace mora {

namespace {

// Scans one file for its function names; false when the command must stop.
bool listFile(Engine& e, FunctionScan& scan, const std::string& file, const PatternSet& without) {
  scan.records().clear();
  if (!scan.scanFile(file)) {
    raiseScanFailure(e, scan.error(), kReportScanFailures, file);
    // Out of memory ends the list; a file that cannot be read is only named.
    return scan.error() != kScanOutOfMemory;
  }
  if (e.settings.html) {
    writeAnchor(&outputStream(e), file);
    writeLink(e.out.index.get(), e.settings.output, file);
  }
  std::string shown = displayFileName(e, file);
  int number = 0;
  for (const FunctionRecord& record : scan.records()) {
    // The patterns name functions: they are matched against the name alone,
    // never against the file or position the entry text adds.
    if (!without.empty() && without.matches(nameHead(record.name))) continue;
    ++number;
    printOutput(e, outputStream(e),
                formatListLine(entryText(e.settings, record), shown, e.settings.number ? number : 0,
                               e.settings.filepos));
  }
  return true;
}

}  // namespace

std::string formatListLine(std::string_view entry, std::string_view fileName, int number,
                           int filepos) {
  std::string line = " ";
  if (number > 0) line += format("%03d: ", number);
  if (filepos < kFileposMin || entry.find('[') == std::string_view::npos) {
    // Padded by display columns, so that UTF-8 names align as their
    // Shift-JIS forms do (where a byte is a column).
    // A text ends at a NUL byte, as it always has in this line.
    auto text = [](std::string_view s) { return s.substr(0, s.find('\0')); };
    appendPadded(line, text(entry), kListNameColumns);
    line += "   ";
    appendPadded(line, text(fileName), kListFileColumns);
    return line + "\n";
  }
  // Aligned at filepos from the end of the number: the file is in the entry.
  return line + alignEntry(entry, filepos, 0) + "\n";
}

bool printFlatList(Engine& e, const FunctionPatternList& names,
                   const std::vector<std::string>& files, const PatternSet& without,
                   const std::vector<bool>& seen) {
  if (!allFilesExist(e, files, seen)) return false;
  bool html = e.settings.html;
  if (html) {
    writeOpenTag(&outputStream(e), "HR", true);
    writeCharsetDeclaration(&outputStream(e));
    writeOpenTag(&outputStream(e), "PRE", true);
  }
  FunctionScan scan(e, ScanMode::NamesOnly, names);
  for (const std::string& file : files)
    if (!listFile(e, scan, file, without)) return false;
  if (html) writeCloseTag(&outputStream(e), "PRE", true);
  return true;
}

}  // namespace mora
