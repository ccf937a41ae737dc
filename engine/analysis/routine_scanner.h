// What the line-oriented procedure scanners of Basic and Pascal share: the
// candidate state, line counting, collecting lines into the candidate's slot,
// recording or dropping the candidate, and callee lists without duplicates.
// Each language keeps its own rules for headers, ends, comments and calls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "analysis/function_database.h"
#include "analysis/function_scan.h"
#include "core/text.h"

namespace mora {

// How one language spells names, for the search of names before "(".
struct CallNameRules {
  CallNameRules(bool (*nameChar)(char), bool (*reserved)(std::string_view),
                bool (*valid)(std::string_view));
  bool (*isNameChar)(char);
  bool (*isReserved)(std::string_view);
  bool (*isValid)(std::string_view);
  // The ASCII bytes isNameChar accepts, asked once: the search back over a
  // name looks them up, and asks isNameChar only about the bytes above 0x7F,
  // whose meaning follows the encoding.
  ByteSet asciiNameBytes{""};
  bool isNameByte(char c) const {
    return static_cast<unsigned char>(c) < 0x80 ? asciiNameBytes.contains(c) : isNameChar(c);
  }
};

// Adds every name written directly before a "(" outside double-quoted text
// (blanks between them allowed) that the rules accept and `seen` does not hold
// yet; returns how many were added. A "(" at the search start names nothing.
int addParenthesisCallees(std::string_view stripped, const CallNameRules& rules, BodySlot& names,
                          CalleeSet& seen);

// Adds `name` to the candidate's callee list unless it is there already.
bool addCallee(RoutineScanState& state, BodySlot& names, std::string_view name);

// Counts one line into the file and function counters: code when `stripped`
// holds text, else comment when `comment` is set, else blank.
void countRoutineLine(ScanState& db, std::string_view stripped, bool comment);

// Appends `raw` to the candidate's lines.
void collectRoutineLine(ScanState& db, std::string_view raw);

// Clears the candidate; its collected lines are emptied only by abandon.
void resetRoutine(ScanState& db);
void abandonRoutine(ScanState& db);

// Starts a routine named `name` at the file's current line.
void startRoutine(ScanState& db, std::string_view name);

// Records the finished routine; the file stops when recording fails.
LineOutcome finishRoutine(FunctionScan& s);

// A line inside a routine: collected in text mode, its callees (found by
// `addCallees`) listed in call-list mode; the routine is recorded when `ends`.
LineOutcome routineBodyLine(FunctionScan& s, std::string_view raw, std::string_view stripped,
                            bool ends,
                            int (*addCallees)(std::string_view, RoutineScanState&, BodySlot&));

// A fixed set of words compared without regard to (ASCII) case.
class NoCaseWordSet {
 public:
  template <std::size_t N>
  explicit NoCaseWordSet(const std::array<std::string_view, N>& words)
      : words_(words.begin(), words.end()) {
    sortWords();
  }
  bool contains(std::string_view word) const;

 private:
  void sortWords();
  std::vector<std::string_view> words_;
};

// The length of the run of characters at the start of `s` that `isWordChar` accepts.
std::size_t wordLength(std::string_view s, bool (*isWordChar)(char));

}  // namespace mora
