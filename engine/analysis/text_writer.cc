#include "analysis/text_writer.h"

#include <ostream>

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

// The entry's name: its head up to the first blank.
std::string entryName(const FunctionEntry& entry) { return entry.substr(0, entry.find(' ')); }

// Applies the new name of the entry's pattern to its lines; the name to use.
std::string rename(const FunctionPatternList& patterns, const std::string& name, BodySlot& lines) {
  const FunctionPattern* p = findPattern(patterns, name);
  if (!p || p->newName == kNoNewName) return name;
  bool changed = false;
  for (auto& line : lines) changed |= replaceAll(line, name, p->newName);
  return changed ? p->newName : name;
}

// Writes each function to the current output. In HTML mode the texts stand in
// a preformatted block, each function behind an anchor (with its link in the
// index file) and, for function texts, followed by a rule.
void writeToOutput(Engine& e, const EntryList& entries, BodyTable& body,
                   const FunctionPatternList& patterns, LibraryMode mode) {
  std::ostream& out = outputStream(e);
  bool html = e.settings.html;
  if (html) {
    writeCharsetDeclaration(&out);
    writeOpenTag(&out, "PRE", true);
    writeOpenTag(&out, "HR", true);
  }
  for (std::size_t k = 0; k < entries.size(); ++k) {
    BodySlot* slot = body.slot(k);  // every recorded function owns one
    if (!slot) break;
    BodySlot& lines = *slot;
    std::string name = rename(patterns, entryName(entries[k]), lines);
    if (html) {
      writeAnchor(&out, name);
      writeLink(e.out.index.get(), e.settings.output, name);
    }
    for (const auto& line : lines) printOutput(e, out, line);
    if (html && mode == LibraryMode::Function) writeOpenTag(&out, "HR", true);
    body.destroy(k);
  }
  if (html) writeCloseTag(&out, "PRE", true);
  out.flush();
}

// Appends each function to `file`, between begin and end lines when
// `markers` is set.
void writeToFile(std::ostream& file, const EntryList& entries, BodyTable& body,
                 const FunctionPatternList& patterns, LibraryMode mode, bool markers) {
  const MarkerSet& set = markerSet(mode);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    BodySlot* slot = body.slot(k);  // every recorded function owns one
    if (!slot) break;
    BodySlot& lines = *slot;
    std::string name = rename(patterns, entryName(entries[k]), lines);
    if (markers) file << set.begin << '[' << name << "]\n";
    for (const auto& line : lines) file << line;
    if (markers) file << set.end << '\n';
    body.destroy(k);
  }
  file.flush();
}

}  // namespace

int writeFunctionTexts(Engine& e, const std::string& sourceFile, const std::string& outputFile,
                       const FunctionPatternList& patterns, LibraryMode mode, bool markers) {
  BodyTable body;
  EntryList entries;
  if (scanFileInMode(e, textScanMode(mode), sourceFile, patterns, body, entries) != 0) return -1;
  if (outputFile.empty()) {
    writeToOutput(e, entries, body, patterns, mode);
    return 0;
  }
  std::unique_ptr<std::ostream> file = openForAppending(e, outputFile);
  if (!file) {
    e.functions.lastError = kScanCannotOpenOutput;
    return -1;
  }
  writeToFile(*file, entries, body, patterns, mode, markers);
  // A full file system shows only here: the texts did not all arrive.
  if (file->fail()) {
    e.functions.lastError = kScanCannotOpenOutput;
    return -1;
  }
  return 0;
}

}  // namespace mora
