#include "analysis/function_scan.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>

#include "analysis/basic_scanner.h"
#include "analysis/c_scanner.h"
#include "analysis/pascal_scanner.h"
#include "analysis/preprocessor.h"
#include "analysis/source_line_reader.h"
#include "core/engine.h"
#include "core/source_files.h"

namespace mora {

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

const LanguageScanner& scannerFor(ScanLanguage language) {
  for (const auto& row : kScanners)
    if (row.kind == language) return row;
  return kScanners[0];
}

}  // namespace

FunctionScan::FunctionScan(Engine& e, ScanMode mode, const FunctionPatternList& patterns)
    : e_(e), patterns_(patterns), preprocessor_(preprocessorHooks()) {
  state_.mode = mode;
}

const EngineSettings& FunctionScan::settings() const { return e_.settings; }

void FunctionScan::beginPreprocessing() {
  if (e_.settings.ifdef && preprocessor_.beginFile) preprocessor_.beginFile(e_);
}

void FunctionScan::endPreprocessing() {
  if (e_.settings.ifdef && preprocessor_.endFile) preprocessor_.endFile(e_);
}

// Reads every line of one open file through the scanner, until one asks to
// stop the file.
LineOutcome FunctionScan::scanLines(std::istream& in, const LanguageScanner& scanner) {
  ScanState& db = state_;
  SourceLineReader reader(in);
  db.lineReader = &reader;
  std::string_view raw;
  std::string scratch;
  LineOutcome result = LineOutcome::Continue;
  bool ifdef = e_.settings.ifdef && preprocessor_.skipsLine;
  bool mayJoin = e_.settings.continueLines && scanner.kind == ScanLanguage::C &&
                 db.mode == ScanMode::CallLists;
  auto joins = [&] { return mayJoin && db.c.inBody && !db.inBlockComment; };
  while (reader.next(raw, joins())) {
    e_.checkInterrupt();  // a file without end (a device) is read line by line
    std::string_view stripped = scanner.stripLine(*this, raw, scratch);
    bool skipped = ifdef && preprocessor_.skipsLine(e_, stripped);
    if (!skipped) result = scanner.scanLine(*this, raw, stripped);
    db.lineHadComment = false;
    if (result == LineOutcome::StopFile) break;
  }
  db.lineReader = nullptr;
  return result;
}

bool FunctionScan::scanFile(const std::string& fileName) {
  ScanState& db = state_;
  error_ = kScanOk;
  std::unique_ptr<std::istream> in = openForReading(e_, fileName);
  if (!in) {
    error_ = kScanCannotOpenSource;
    return false;
  }
  // Call-list records run on across files; the others count per file.
  if (db.mode != ScanMode::CallLists) db.recordedCount = 0;
  // Reports that take the records file by file clear them first: nothing
  // then refers to the pool any more, and its room is used again. A
  // call-list scan keeps every file's names.
  if (records_.empty() && db.mode != ScanMode::CallLists) pool_ = NamePool();
  file_ = pool_.store(fileName);
  db.fileCounters = {};
  db.functionCounters = {};
  db.inBlockComment = false;
  db.lineHadComment = false;
  db.candidate.clear();
  const LanguageScanner& scanner = scannerFor(e_.settings.language);
  scanner.beginFile(*this);
  LineOutcome result = scanLines(*in, scanner);
  // A candidate still open at the end is dropped with what it collected.
  db.candidate.clear();
  scanner.endFile(*this);
  if (result == LineOutcome::StopFile) return false;
  // A read error is no end of file: the file could not be read, and the
  // command fails naming it as it does for a file that cannot be opened.
  if (in->bad()) {
    error_ = kScanCannotOpenSource;
    return false;
  }
  return true;
}

RecordResult FunctionScan::record(std::string_view name) {
  ScanState& db = state_;
  if (!findPattern(patterns_, name)) return RecordResult::NotSelected;
  if (modeUsesSlots(db.mode)) {
    // The collected lines of every recorded function are held until the
    // command ends: their number is bounded.
    if (db.recordedCount + 1 >= kBodySlots) {
      error_ = kScanOutOfMemory;
      return RecordResult::Failed;
    }
    ++db.recordedCount;
  }
  FunctionRecord& r = records_.emplace_back();
  r.name = name.substr(0, kEntryTextMax);
  r.file = file_;
  r.line = db.startLine;
  r.fileLines = db.fileCounters.total;
  r.counts = db.functionCounters;
  if (db.mode == ScanMode::CallLists) {
    // Callee names recur from one function to the next: the pool holds each
    // once, and the record a list of views of its exact size.
    r.calls = pool_.views(db.candidate.size());
    for (std::size_t k = 0; k < db.candidate.size(); ++k)
      r.calls[k] = pool_.intern(db.candidate[k]);
  } else {
    // The record takes the lines in a list of their exact size; the
    // candidate keeps its capacity for the next function, so a scan does
    // not grow a list from nothing for every function it records.
    r.lines.reserve(db.candidate.size());
    std::move(db.candidate.begin(), db.candidate.end(), std::back_inserter(r.lines));
  }
  db.candidate.clear();
  return RecordResult::Recorded;
}

}  // namespace mora
