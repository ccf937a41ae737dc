#include "analysis/function_database.h"

#include <array>

#include "analysis/basic_scanner.h"
#include "analysis/c_scanner.h"
#include "analysis/file_list.h"
#include "analysis/pascal_scanner.h"
#include "analysis/source_files.h"
#include "analysis/source_line_reader.h"
#include "analysis/wildcard.h"
#include "core/engine.h"
#include "core/text.h"

namespace mora {

BodySlot* BodyTable::slot(std::size_t k) {
  if (k >= slots_.size()) return nullptr;
  // Grown as lines arrive: most functions call a handful of names.
  if (!slots_[k]) slots_[k] = std::make_unique<BodySlot>();
  return slots_[k].get();
}

const BodySlot* BodyTable::find(std::size_t k) const {
  return k < slots_.size() ? slots_[k].get() : nullptr;
}

void BodyTable::clear(std::size_t k) {
  if (k < slots_.size() && slots_[k]) slots_[k]->clear();
}

void BodyTable::destroy(std::size_t k) {
  if (k < slots_.size()) slots_[k].reset();
}

namespace {

// The scanner table: one row per language of the language setting.
constexpr std::array<LanguageScanner, 3> kScanners = {{
    {ScanLanguage::C, cScanLine, cStripLine, cBeginFile, cEndFile},
    {ScanLanguage::Basic, basicScanLine, basicStripLine, basicBeginFile, basicEndFile},
    {ScanLanguage::Pascal, pascalScanLine, pascalStripLine, pascalBeginFile, pascalEndFile},
}};

bool modeUsesSlots(ScanMode mode) {
  return mode == ScanMode::FunctionText || mode == ScanMode::CallLists ||
         mode == ScanMode::PrototypeText;
}

std::string entryText(Engine& e, std::string_view name) {
  const FunctionDatabase& db = e.functions;
  std::string n(name);
  std::string text;
  if (db.mode == ScanMode::StepCount) {
    const LineCounters& c = db.functionCounters;
    text = format("%s %d %d %d %d", n.c_str(), c.total, c.code, c.comment, c.blank);
  } else if (db.positions) {
    text = format("%s %d %d", n.c_str(), db.startLine, db.fileCounters.total);
  } else if (e.settings.withFile) {
    text = format("%s [%s] ", n.c_str(), displayFileName(e, db.currentFile).c_str());
  } else if (e.settings.withPosition) {
    text =
        format("%s [%s] (%d)", n.c_str(), displayFileName(e, db.currentFile).c_str(), db.startLine);
  } else {
    text = n;
  }
  if (text.size() > kEntryTextMax) text.resize(kEntryTextMax);
  return text;
}

// Reads every line of one open file through the scanner; the result of the
// last scanLine.
int scanLines(Engine& e, std::istream& in, const LanguageScanner& scanner,
              const FunctionPatternList& patterns, BodyTable& body, EntryList& entries) {
  FunctionDatabase& db = e.functions;
  SourceLineReader reader(in);
  db.lineReader = &reader;
  std::string raw;
  std::string stripped;
  int result = 0;
  auto joins = [&] {
    return e.settings.continueLines && scanner.kind == ScanLanguage::C && db.c.inBody &&
           !db.inBlockComment && db.mode == ScanMode::CallLists;
  };
  while (reader.next(raw, joins())) {
    e.checkInterrupt();  // a file without end (a device) is read line by line
    scanner.stripLine(e, raw, stripped);
    bool skipped =
        e.settings.ifdef && db.preprocessor.skipsLine && db.preprocessor.skipsLine(e, stripped);
    if (!skipped) result = scanner.scanLine(e, raw, stripped, patterns, body, entries);
    db.lineHadComment = false;
    if (result != 0) break;
  }
  db.lineReader = nullptr;
  return result;
}

}  // namespace

const LanguageScanner& currentScanner(const Engine& e) {
  for (const auto& row : kScanners)
    if (row.kind == e.settings.language) return row;
  return kScanners[0];
}

ScanMode textScanMode(LibraryMode mode) {
  return mode == LibraryMode::Prototype ? ScanMode::PrototypeText : ScanMode::FunctionText;
}

std::string displayFileName(const Engine& e, std::string_view fileName) {
  if (e.settings.fullpath) return std::string(fileName);
  std::size_t slash = fileName.find_last_of('/');
  return std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

const FunctionPattern* findPattern(const FunctionPatternList& patterns, std::string_view name) {
  for (const auto& p : patterns) {
    if (!p.compiled) p.compiled = std::make_shared<const WildcardPattern>(p.pattern);
    if (p.compiled->matches(name)) return &p;
  }
  return nullptr;
}

int scanFile(Engine& e, const std::string& fileName, const FunctionPatternList& patterns,
             BodyTable& body, EntryList& entries) {
  FunctionDatabase& db = e.functions;
  std::unique_ptr<std::istream> in = openForReading(e, fileName);
  if (!in) {
    db.lastError = kScanCannotOpenSource;
    return -1;
  }
  if (db.mode != ScanMode::CallLists) db.recordedCount = 0;
  db.currentFile = fileName;
  db.fileCounters = {};
  db.functionCounters = {};
  db.inBlockComment = false;
  db.lineHadComment = false;
  const LanguageScanner& scanner = currentScanner(e);
  scanner.beginFile(e);
  if (db.mode == ScanMode::FunctionText || db.mode == ScanMode::PrototypeText) {
    body.destroy(db.recordedCount);
    if (!body.slot(db.recordedCount)) {
      db.lastError = kScanOutOfMemory;
      scanner.endFile(e);
      return -1;
    }
  }
  int result = scanLines(e, *in, scanner, patterns, body, entries);
  // A candidate still open at the end is dropped with what it collected.
  if (modeUsesSlots(db.mode)) body.clear(db.recordedCount);
  scanner.endFile(e);
  if (result != 0) return -1;
  // A read error is no end of file: the file could not be read, and the
  // command fails naming it as it does for a file that cannot be opened.
  if (in->bad()) {
    db.lastError = kScanCannotOpenSource;
    return -1;
  }
  if (db.mode == ScanMode::StepCount) {
    const LineCounters& c = db.fileCounters;
    entries.push_back(format("> %d %d %d %d", c.total, c.code, c.comment, c.blank));
  }
  return 0;
}

int recordFunction(Engine& e, const FunctionPatternList& patterns, BodyTable& body,
                   EntryList& entries, std::string_view name) {
  FunctionDatabase& db = e.functions;
  if (!findPattern(patterns, name)) return 1;
  entries.push_back(entryText(e, name));
  if (!modeUsesSlots(db.mode)) return 0;
  if (db.recordedCount + 1 >= kBodySlots) {
    db.lastError = kScanOutOfMemory;
    return -1;
  }
  // A function that collected nothing (no calls) still owns its slot, so
  // entry k and slot k stay together.
  body.slot(db.recordedCount);
  ++db.recordedCount;
  body.destroy(db.recordedCount);
  body.slot(db.recordedCount);
  return 0;
}

int scanFileInMode(Engine& e, ScanMode mode, const std::string& fileName,
                   const FunctionPatternList& patterns, BodyTable& body, EntryList& entries) {
  ScanMode saved = e.functions.mode;
  e.functions.mode = mode;
  int result = scanFile(e, fileName, patterns, body, entries);
  e.functions.mode = saved;
  return result;
}

void startCommandScan(Engine& e) {
  e.functions.recordedCount = 0;
  e.functions.lastError = kScanOk;
}

}  // namespace mora
