// The function database: what a scan of source files produces and every
// report consumes. One record per recorded function (name, file, line,
// counts and the lines the scan mode collects); the entry text forms are made
// from the records where they are printed. It lives for one command; its only
// file form is the library file (library_file.h).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "analysis/callee_set.h"
#include "core/limits.h"
#include "core/settings.h"

namespace mora {

class Engine;
class SourceLineReader;
class WildcardPattern;

// What a scan collects per function.
enum class ScanMode {
  FunctionText = 0,   // every source line, with comments directly above
  NamesOnly = 1,      // nothing; records only
  CallLists = 3,      // distinct callee names in order of first call
  PrototypeText = 4,  // the header lines turned into a prototype
  StepCount = 5,      // nothing; records carry line counts
};

// Why a scan failed.
enum ScanError : int {
  kScanOk = 0,
  kScanCannotOpenSource = 2,
  kScanCannotOpenOutput = 3,
  kScanOutOfMemory = 5,
};

struct LineCounters {
  std::int32_t total = 0;
  std::int32_t code = 0;
  std::int32_t comment = 0;
  std::int32_t blank = 0;
};

// A function-name pattern and the name `as` gives it; kNoNewName keeps the
// name unchanged.
inline constexpr std::string_view kNoNewName = "<NO-FUNC>";
struct FunctionPattern {
  std::string pattern;
  std::string newName{kNoNewName};
  // The pattern compiled on its first match and kept while the command runs.
  mutable std::shared_ptr<const WildcardPattern> compiled = nullptr;
};
using FunctionPatternList = std::vector<FunctionPattern>;

// A function's collected lines: its source lines, prototype lines or callee
// names, depending on the scan mode.
using BodySlot = std::vector<std::string>;

// One recorded function, as every report consumes it.
struct FunctionRecord {
  std::string name;
  std::string_view file;       // the file as the selection named it, held by the scan
  std::int32_t line = 0;       // first line of the function (1-based, physical)
  std::int32_t fileLines = 0;  // lines of the file read when the function ended
  LineCounters counts;         // the function's lines by kind
  BodySlot lines;              // what the mode collects, except call lists
  // The distinct callee names of a call-list scan, held by the scan's pool.
  std::span<std::string_view> calls;
};
using RecordList = std::vector<FunctionRecord>;

// The entry text of a list or tree: the name, then " [file] " with the file
// setting or " [file] (line)" with the position setting; cut at kEntryTextMax.
std::string entryText(const EngineSettings& settings, const FunctionRecord& record);

// A lookup set of names that finds std::string keys by std::string_view.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using NameSet = std::unordered_set<std::string, NameHash, std::equal_to<>>;

// Per-candidate state of the C/C++ recogniser (c_scanner.cc).
struct CScanState {
  bool headerSeen = false;
  bool awaitingBody = false;
  bool inBody = false;
  bool skipNextLine = false;
  std::int32_t braceDepth = 0;
  std::int32_t collectedLines = 0;
  std::string currentName;
  // A header line cut and closed with ";" for prototype text.
  std::string prototypeLine;
  // The callee names already in the candidate's slot, so that a long body
  // checks each new name in constant time.
  CalleeSet callees;
};

// Per-candidate state of the Basic and Pascal recognisers (routine_scanner.h).
struct RoutineScanState {
  bool inRoutine = false;
  std::int32_t collectedLines = 0;
  std::string currentName;
  // The callee names already in the candidate's slot (exact comparison).
  CalleeSet callees;
  // Pascal: a comment left open at the end of a line ("(*" is kind 1, "{" kind 2).
  bool inComment = false;
  int commentKind = 0;
  // Pascal: the routine names declared so far in the file, each once; the
  // names without "." and the part after the last "." of those with one.
  NameSet declared;
  NameSet declaredPlain;
  NameSet declaredSuffixes;
};

// Hooks of the preprocessor pass that runs while the ifdef setting is on.
// Unset hooks let every line through.
struct PreprocessorHooks {
  void (*beginFile)(Engine&) = nullptr;
  // True when `stripped` (the line without comments) is a directive or lies
  // in a suppressed region.
  bool (*skipsLine)(Engine&, std::string_view stripped) = nullptr;
  void (*endFile)(Engine&) = nullptr;
};

// The state of a scan while it reads one file: what the scanners share.
struct ScanState {
  ScanMode mode = ScanMode::NamesOnly;
  // Functions recorded with collected lines; runs on across the files of a
  // call-list scan.
  std::size_t recordedCount = 0;
  LineCounters fileCounters;
  LineCounters functionCounters;
  bool inBlockComment = false;
  bool lineHadComment = false;
  const SourceLineReader* lineReader = nullptr;  // the file being scanned
  std::int32_t startLine = 0;                    // first line of the candidate
  BodySlot candidate;                            // the candidate's collected lines
  CScanState c;
  RoutineScanState routine;
};

// The file name as entries show it (only the last component with fullpath off).
std::string displayFileName(const EngineSettings& settings, std::string_view fileName);
std::string displayFileName(const Engine& e, std::string_view fileName);

// The first pattern that selects `name`, or nullptr.
const FunctionPattern* findPattern(const FunctionPatternList& patterns, std::string_view name);

// The scan mode that `import` and `type` use for a library mode.
ScanMode textScanMode(LibraryMode mode);

}  // namespace mora
