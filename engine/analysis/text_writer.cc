#include "analysis/text_writer.h"

#include <ostream>

#include "analysis/function_scan.h"
#include "analysis/library_file.h"
#include "core/engine.h"
#include "core/html_writers.h"
#include "core/output.h"
#include "core/source_files.h"

namespace mora {

bool replaceAll(std::string& line, std::string_view from, std::string_view to) {
  if (from.empty()) return false;
  bool changed = false;
  for (std::size_t pos = line.find(from); pos != std::string::npos;
       pos = line.find(from, pos + to.size())) {
    line.replace(pos, from.size(), to);
    changed = true;
  }
  return changed;
}

namespace {

// Applies the new name of the function's pattern to its lines; the name to use.
std::string rename(const FunctionPatternList& patterns, FunctionRecord& record) {
  const FunctionPattern* p = findPattern(patterns, record.name);
  if (!p || p->newName == kNoNewName) return record.name;
  bool changed = false;
  for (auto& line : record.lines) changed |= replaceAll(line, record.name, p->newName);
  return changed ? p->newName : record.name;
}

// Writes each function to the current output. In HTML mode the texts stand in
// a preformatted block, each function behind an anchor (with its link in the
// index file) and, for function texts, followed by a rule.
void writeToOutput(Engine& e, RecordList& records, const FunctionPatternList& patterns,
                   LibraryMode mode) {
  std::ostream& out = outputStream(e);
  bool html = e.settings.html;
  if (html) {
    writeCharsetDeclaration(&out);
    writeOpenTag(&out, "PRE", true);
    writeOpenTag(&out, "HR", true);
  }
  for (FunctionRecord& record : records) {
    std::string name = rename(patterns, record);
    if (html) {
      writeAnchor(&out, name);
      writeLink(e.out.index.get(), e.settings.output, name);
    }
    for (const auto& line : record.lines) printOutput(e, out, line);
    if (html && mode == LibraryMode::Function) writeOpenTag(&out, "HR", true);
    BodySlot().swap(record.lines);  // written: its memory goes back at once
  }
  if (html) writeCloseTag(&out, "PRE", true);
  out.flush();
}

// Appends each function to `file`, between begin and end lines when
// `markers` is set.
void writeToFile(std::ostream& file, RecordList& records, const FunctionPatternList& patterns,
                 LibraryMode mode, bool markers) {
  const MarkerSet& set = markerSet(mode);
  for (FunctionRecord& record : records) {
    std::string name = rename(patterns, record);
    if (markers) file << set.begin << '[' << name << "]\n";
    for (const auto& line : record.lines) file << line;
    if (markers) file << set.end << '\n';
    BodySlot().swap(record.lines);
  }
  file.flush();
}

}  // namespace

ScanError writeFunctionTexts(Engine& e, const std::string& sourceFile,
                             const std::string& outputFile, const FunctionPatternList& patterns,
                             LibraryMode mode, bool markers) {
  if (outputFile.empty()) {
    FunctionScan scan(e, textScanMode(mode), patterns);
    if (!scan.scanFile(sourceFile)) return scan.error();
    writeToOutput(e, scan.records(), patterns, mode);
    return kScanOk;
  }
  std::unique_ptr<std::ostream> file = openForAppending(e, outputFile);
  if (!file) return kScanCannotOpenOutput;
  return writeFunctionTexts(e, sourceFile, *file, patterns, mode, markers);
}

ScanError writeFunctionTexts(Engine& e, const std::string& sourceFile, std::ostream& file,
                             const FunctionPatternList& patterns, LibraryMode mode, bool markers) {
  FunctionScan scan(e, textScanMode(mode), patterns);
  if (!scan.scanFile(sourceFile)) return scan.error();
  writeToFile(file, scan.records(), patterns, mode, markers);
  // A full file system shows only here: the texts did not all arrive.
  if (file.fail()) return kScanCannotOpenOutput;
  return kScanOk;
}

}  // namespace mora
