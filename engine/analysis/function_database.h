// The function database: what a scan of source files produces and every
// report consumes. An ordered list of entry texts, one per recorded function,
// and beside it a table of per-function string lists (source lines, prototype
// lines or callee names, depending on the scan mode). It lives for one
// command; its only file form is the library file (library_file.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/limits.h"
#include "core/settings.h"

namespace mora {

class Engine;
class SourceLineReader;
class WildcardPattern;

// What a scan collects per function.
enum class ScanMode {
  FunctionText = 0,   // every source line, with comments directly above
  NamesOnly = 1,      // nothing; entries only
  CallLists = 3,      // distinct callee names in order of first call
  PrototypeText = 4,  // the header lines turned into a prototype
  StepCount = 5,      // nothing; entries carry line counts
};

// Scan error codes, kept as the engine's last scan error.
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

// One recorded function: its name first, then what the entry form adds.
using FunctionEntry = std::string;
using EntryList = std::vector<FunctionEntry>;

using BodySlot = std::vector<std::string>;

// kBodySlots per-function lists. Slot k belongs to the k-th recorded
// function; the slot after the last one holds the candidate being collected.
// Slots are created on first use.
class BodyTable {
 public:
  BodyTable() : slots_(kBodySlots) {}
  // The slot's list, created when missing; nullptr past the table.
  BodySlot* slot(std::size_t k);
  // The slot's list or nullptr when it was never created.
  const BodySlot* find(std::size_t k) const;
  void clear(std::size_t k);    // empties the list, keeps the slot
  void destroy(std::size_t k);  // frees the slot
  std::size_t size() const { return slots_.size(); }

 private:
  std::vector<std::unique_ptr<BodySlot>> slots_;
};

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
  // The callee names already in the candidate's slot, so that a long body
  // checks each new name in constant time.
  NameSet callees;
};

// Per-candidate state of the Basic and Pascal recognisers (routine_scanner.h).
struct RoutineScanState {
  bool inRoutine = false;
  std::int32_t collectedLines = 0;
  std::string currentName;
  // The callee names already in the candidate's slot (exact comparison).
  NameSet callees;
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

struct FunctionDatabase {
  ScanMode mode = ScanMode::NamesOnly;
  bool positions = false;  // entries in position form (tags)
  std::size_t recordedCount = 0;
  int lastError = kScanOk;
  std::string currentFile;
  LineCounters fileCounters;
  LineCounters functionCounters;
  bool inBlockComment = false;
  bool lineHadComment = false;
  const SourceLineReader* lineReader = nullptr;  // the file being scanned
  std::int32_t startLine = 0;                    // first line of the candidate
  CScanState c;
  RoutineScanState routine;
  PreprocessorHooks preprocessor;
};

// One row of the scanner table, chosen by the language setting.
struct LanguageScanner {
  ScanLanguage kind;
  // 0 to go on, non-zero to stop the file. May rewrite `raw` (prototypes).
  int (*scanLine)(Engine&, std::string& raw, std::string_view stripped, const FunctionPatternList&,
                  BodyTable&, EntryList&);
  void (*stripLine)(Engine&, std::string_view raw, std::string& stripped);
  void (*beginFile)(Engine&);
  void (*endFile)(Engine&);
};

const LanguageScanner& currentScanner(const Engine& e);

// The scan mode that `import` and `type` use for a library mode.
ScanMode textScanMode(LibraryMode mode);

// Scans one file with the current scanner in the current mode. 0, or -1 with
// e.functions.lastError set.
int scanFile(Engine& e, const std::string& fileName, const FunctionPatternList& patterns,
             BodyTable& body, EntryList& entries);

// Records the candidate `name`: 0 recorded, 1 not selected, -1 failure.
int recordFunction(Engine& e, const FunctionPatternList& patterns, BodyTable& body,
                   EntryList& entries, std::string_view name);

// The first pattern that selects `name`, or nullptr.
const FunctionPattern* findPattern(const FunctionPatternList& patterns, std::string_view name);

// The file name as entries show it (only the last component with fullpath off).
std::string displayFileName(const Engine& e, std::string_view fileName);

// Runs scanFile in `mode` and restores the previous mode. CallLists scans
// number their slots across files: call startCommandScan before the first.
int scanFileInMode(Engine& e, ScanMode mode, const std::string& fileName,
                   const FunctionPatternList& patterns, BodyTable& body, EntryList& entries);
void startCommandScan(Engine& e);

}  // namespace mora
