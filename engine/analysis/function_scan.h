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

namespace mora {

class Engine;
struct EngineSettings;
class FunctionScan;

// One row of the scanner table, chosen by the language setting. Each
// language keeps its own per-file state in the scan's state.
struct LanguageScanner {
  ScanLanguage kind;
  // 0 to go on, non-zero to stop the file. May rewrite `raw` (prototypes).
  int (*scanLine)(FunctionScan&, std::string& raw, std::string_view stripped);
  void (*stripLine)(FunctionScan&, std::string_view raw, std::string& stripped);
  void (*beginFile)(FunctionScan&);
  void (*endFile)(FunctionScan&);
};

const LanguageScanner& scannerFor(ScanLanguage language);

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
  // The lines of the file scanned last, by kind.
  const LineCounters& fileCounts() const { return state_.fileCounters; }

  // For the scanners.
  const EngineSettings& settings() const;
  ScanState& state() { return state_; }
  ScanMode mode() const { return state_.mode; }
  // Records the candidate `name`: 0 recorded, 1 not selected, -1 failure.
  int record(std::string_view name);
  // The conditional-compilation pass, when the ifdef setting is on.
  void beginPreprocessing();
  void endPreprocessing();

 private:
  int scanLines(std::istream& in, const LanguageScanner& scanner);

  Engine& e_;
  FunctionPatternList patterns_;
  PreprocessorHooks preprocessor_;
  ScanState state_;
  RecordList records_;
  ScanError error_ = kScanOk;
};

}  // namespace mora
