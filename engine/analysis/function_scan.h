// The scan of one command: made with the mode and the patterns the command
// asks for, it reads files one after another through the scanner of the
// language setting and returns a record for every function the patterns
// select. Everything a scan needs while it reads lives here, so nothing of it
// outlives the command.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "analysis/function_database.h"
#include "core/name_pool.h"

namespace mora {

class Engine;
struct EngineSettings;
class FunctionScan;

// What a scanner row asks after one line: read on, or stop the file (a limit
// was reached while recording; the scan's error() says which).
enum class LineOutcome { Continue, StopFile };

// What became of a candidate offered to FunctionScan::record.
enum class RecordResult { Recorded, NotSelected, Failed };

// One row of the scanner table, chosen by the language setting. Each
// language keeps its own per-file state in the scan's state.
struct LanguageScanner {
  ScanLanguage kind;
  // `raw` and `stripped` are valid for the call only: a scanner copies
  // what it keeps.
  LineOutcome (*scanLine)(FunctionScan&, std::string_view raw, std::string_view stripped);
  // The line without its comments, trimmed: a view into `raw`, or into
  // `scratch` (one buffer for the whole file) when it had to be put together.
  std::string_view (*stripLine)(FunctionScan&, std::string_view raw, std::string& scratch);
  void (*beginFile)(FunctionScan&);
  void (*endFile)(FunctionScan&);
};

class FunctionScan {
 public:
  FunctionScan(Engine& e, ScanMode mode, const FunctionPatternList& patterns);
  FunctionScan(const FunctionScan&) = delete;
  FunctionScan& operator=(const FunctionScan&) = delete;

  // Scans one file and appends a record for each selected function. False
  // when the file cannot be read or a limit is reached: error() says which,
  // and the records of that file are incomplete.
  bool scanFile(const std::string& fileName);

  ScanError error() const { return error_; }
  RecordList& records() { return records_; }
  // Holds the file names and call lists of the records; a caller that keeps
  // them past the scan takes the pool with them.
  NamePool& pool() { return pool_; }
  // The lines of the file scanned last, by kind.
  const LineCounters& fileCounts() const { return state_.fileCounters; }

  // For the scanners.
  const EngineSettings& settings() const;
  ScanState& state() { return state_; }
  // Records the candidate `name` when the patterns select it; Failed sets
  // error().
  [[nodiscard]] RecordResult record(std::string_view name);
  // The conditional-compilation pass, when the ifdef setting is on.
  void beginPreprocessing();
  void endPreprocessing();

 private:
  LineOutcome scanLines(std::istream& in, const LanguageScanner& scanner);

  Engine& e_;
  FunctionPatternList patterns_;
  PreprocessorHooks preprocessor_;
  ScanState state_;
  NamePool pool_;
  std::string_view file_;  // the file being scanned, held by the pool
  RecordList records_;
  ScanError error_ = kScanOk;
};

}  // namespace mora
