#include "analysis/text_writer.h"

#include <ostream>

#include "analysis/library_file.h"
#include "analysis/source_files.h"
#include "core/engine.h"
#include "core/output.h"

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

}  // namespace

int writeFunctionTexts(Engine& e, const std::string& sourceFile, const std::string& outputFile,
                       const FunctionPatternList& patterns, LibraryMode mode, bool markers) {
  BodyTable body;
  EntryList entries;
  if (scanFileInMode(e, textScanMode(mode), sourceFile, patterns, body, entries) != 0) return -1;
  std::unique_ptr<std::ostream> file;
  if (!outputFile.empty()) {
    file = openForAppending(e, outputFile);
    if (!file) {
      e.functions.lastError = kScanCannotOpenOutput;
      return -1;
    }
  }
  const MarkerSet& set = markerSet(mode);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    BodySlot none;
    BodySlot* slot = body.slot(k);
    BodySlot& lines = slot ? *slot : none;
    std::string name = rename(patterns, entryName(entries[k]), lines);
    if (file) {
      if (markers) *file << set.begin << '[' << name << "]\n";
      for (const auto& line : lines) *file << line;
      if (markers) *file << set.end << '\n';
    } else {
      for (const auto& line : lines) printOutput(e, outputStream(e), line);
    }
    body.destroy(k);
  }
  if (file) file->flush();
  return 0;
}

}  // namespace mora
