// For the scanner tests: runs one scan object over files and keeps what it
// returned in short text forms that the tests compare ("name", "name first
// last", "name lines code comment blank" and "> ..." for a whole file).
#pragma once

#include <string>
#include <vector>

#include "analysis/function_scan.h"
#include "core/engine.h"
#include "core/text.h"

namespace mora::testing {

class ScanTranscript {
 public:
  // What each record is shown as.
  enum class Form { Entry, Position };

  explicit ScanTranscript(Engine& e) : e_(e) {}

  // Scans `files` in order with one scan; 0, or -1 with `error` set. What
  // the scan returned is appended, also when it fails.
  int run(const std::vector<std::string>& files, ScanMode mode, Form form = Form::Entry,
          const FunctionPatternList& patterns = {FunctionPattern{"*"}});
  void clear();

  // The lines of the k-th record, joined; empty past the last.
  std::string text(std::size_t k) const;
  std::vector<std::string> lines(std::size_t k) const;

  std::vector<std::string> entries;
  std::vector<BodySlot> bodies;
  ScanError error = kScanOk;

 private:
  void take(FunctionScan& scan, ScanMode mode, Form form);
  Engine& e_;
};

inline void ScanTranscript::take(FunctionScan& scan, ScanMode mode, Form form) {
  for (FunctionRecord& r : scan.records()) {
    if (mode == ScanMode::StepCount) {
      const LineCounters& c = r.counts;
      entries.push_back(
          format("%s %d %d %d %d", r.name.c_str(), c.total, c.code, c.comment, c.blank));
    } else if (form == Form::Position) {
      entries.push_back(format("%s %d %d", r.name.c_str(), r.line, r.fileLines));
    } else {
      entries.push_back(entryText(e_.settings, r));
    }
    if (mode == ScanMode::CallLists)
      bodies.emplace_back(r.calls.begin(), r.calls.end());
    else
      bodies.push_back(std::move(r.lines));
  }
  scan.records().clear();
}

inline int ScanTranscript::run(const std::vector<std::string>& files, ScanMode mode, Form form,
                               const FunctionPatternList& patterns) {
  FunctionScan scan(e_, mode, patterns);
  for (const std::string& file : files) {
    bool scanned = scan.scanFile(file);
    take(scan, mode, form);
    if (!scanned) {
      error = scan.error();
      return -1;
    }
    if (mode == ScanMode::StepCount) {
      const LineCounters& c = scan.fileCounts();
      entries.push_back(format("> %d %d %d %d", c.total, c.code, c.comment, c.blank));
    }
  }
  error = kScanOk;
  return 0;
}

inline void ScanTranscript::clear() {
  entries.clear();
  bodies.clear();
  error = kScanOk;
}

inline std::vector<std::string> ScanTranscript::lines(std::size_t k) const {
  return k < bodies.size() ? bodies[k] : std::vector<std::string>{};
}

inline std::string ScanTranscript::text(std::size_t k) const {
  std::string all;
  for (const std::string& line : lines(k)) all += line;
  return all;
}

}  // namespace mora::testing
