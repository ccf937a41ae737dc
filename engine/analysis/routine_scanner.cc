#include "analysis/routine_scanner.h"

#include <algorithm>

#include "core/byte_scan.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The first "(" at or after `from` outside double-quoted text; npos when there
// is none or a string is left open.
std::size_t findOpenParenthesis(std::string_view s, std::size_t from) {
  bool inString = false;
  for (std::size_t i = findMarkOrHigh(s, from, '(', '"'); i < s.size();
       i = findMarkOrHigh(s, i + 1, '(', '"')) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
    } else if (s[i] == '"') {
      inString = !inString;
    } else if (!inString && s[i] == '(') {
      return i;
    }
  }
  return npos;
}

}  // namespace

int addParenthesisCallees(std::string_view s, const CallNameRules& rules, BodySlot& names,
                          NameSet& seen) {
  if (s.find('(') == npos) return 0;  // most lines call nothing
  int added = 0;
  std::size_t start = 0;
  for (std::size_t pos = findOpenParenthesis(s, start); pos != npos;
       start = pos + 1, pos = findOpenParenthesis(s, start)) {
    if (pos == start) continue;
    std::size_t end = pos;
    while (end > start && isBlank(s[end - 1])) --end;
    std::size_t first = end;
    while (first > start && rules.isNameChar(s[first - 1])) --first;
    if (first == end) continue;
    std::string_view name = s.substr(first, end - first);
    if (rules.isReserved(name) || !rules.isValid(name)) continue;
    if (seen.find(name) != seen.end()) continue;  // no node built for a name seen before
    seen.emplace(name);
    names.emplace_back(name);
    ++added;
  }
  return added;
}

bool addCallee(RoutineScanState& state, BodySlot& names, std::string_view name) {
  if (state.callees.find(name) != state.callees.end()) return false;
  state.callees.emplace(name);
  names.emplace_back(name);
  return true;
}

void countRoutineLine(ScanState& db, std::string_view stripped, bool comment) {
  for (LineCounters* c : {&db.fileCounters, &db.functionCounters}) {
    ++c->total;
    if (!stripped.empty())
      ++c->code;
    else if (comment)
      ++c->comment;
    else
      ++c->blank;
  }
}

void collectRoutineLine(ScanState& db, std::string_view raw) {
  db.candidate.emplace_back(raw);
  ++db.routine.collectedLines;
}

void resetRoutine(ScanState& db) {
  RoutineScanState& r = db.routine;
  r.inRoutine = false;
  r.collectedLines = 0;
  r.currentName.clear();
  if (!r.callees.empty()) r.callees.clear();  // clear() sweeps every bucket
  db.functionCounters = {};
}

void abandonRoutine(ScanState& db) {
  if (db.routine.collectedLines > 0) db.candidate.clear();
  resetRoutine(db);
}

void startRoutine(ScanState& db, std::string_view name) {
  db.routine.inRoutine = true;
  db.routine.currentName = name;
  db.startLine = db.fileCounters.total;
}

LineOutcome finishRoutine(FunctionScan& s) {
  ScanState& db = s.state();
  RecordResult r = s.record(db.routine.currentName);
  if (r == RecordResult::Recorded) {
    resetRoutine(db);
    return LineOutcome::Continue;
  }
  abandonRoutine(db);
  return r == RecordResult::Failed ? LineOutcome::StopFile : LineOutcome::Continue;
}

namespace {

bool lessNoCase(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    char x = asciiLower(a[i]), y = asciiLower(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  return a.size() < b.size();
}

}  // namespace

void NoCaseWordSet::sortWords() { std::sort(words_.begin(), words_.end(), lessNoCase); }

bool NoCaseWordSet::contains(std::string_view word) const {
  return std::binary_search(words_.begin(), words_.end(), word, lessNoCase);
}

LineOutcome routineBodyLine(FunctionScan& s, std::string_view raw, std::string_view stripped,
                            bool ends,
                            int (*addCallees)(std::string_view, RoutineScanState&, BodySlot&)) {
  ScanState& db = s.state();
  if (db.mode == ScanMode::FunctionText) {
    collectRoutineLine(db, raw);
  } else if (db.mode == ScanMode::CallLists) {
    db.routine.collectedLines += addCallees(stripped, db.routine, db.candidate);
  }
  return ends ? finishRoutine(s) : LineOutcome::Continue;
}

std::size_t wordLength(std::string_view s, bool (*isWordChar)(char)) {
  std::size_t n = 0;
  while (n < s.size() && isWordChar(s[n])) ++n;
  return n;
}

}  // namespace mora
