#include "analysis/routine_scanner.h"

#include <algorithm>

#include "core/byte_scan.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The name written directly before the "(" at `open` (blanks between them
// allowed), looking no further back than `floor`; empty when there is none.
std::string_view nameBefore(std::string_view s, std::size_t floor, std::size_t open,
                            const CallNameRules& rules) {
  std::size_t end = open;
  while (end > floor && isBlank(s[end - 1])) --end;
  std::size_t first = end;
  while (first > floor && rules.isNameByte(s[first - 1])) --first;
  return s.substr(first, end - first);
}

}  // namespace

CallNameRules::CallNameRules(bool (*nameChar)(char), bool (*reserved)(std::string_view),
                             bool (*valid)(std::string_view))
    : isNameChar(nameChar), isReserved(reserved), isValid(valid) {
  for (int c = 0; c < 0x80; ++c)
    if (nameChar(static_cast<char>(c))) asciiNameBytes.add(static_cast<char>(c));
}

int addParenthesisCallees(std::string_view s, const CallNameRules& rules, BodySlot& names,
                          CalleeSet& seen) {
  if (s.find('(') == npos) return 0;  // most lines call nothing
  int added = 0;
  // One pass over the line: each "(" outside double-quoted text looks back
  // for its name as far as the "(" before it. A "(" is only ever found
  // outside a string, so every search after it starts outside one too.
  std::size_t floor = 0;
  bool inString = false;
  for (std::size_t i = findMarkOrHigh(s, 0, '(', '"'); i < s.size();
       i = findMarkOrHigh(s, i + 1, '(', '"')) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
      continue;
    }
    if (s[i] == '"') inString = !inString;
    if (inString || s[i] != '(') continue;
    std::size_t from = floor;
    floor = i + 1;
    // A "(" at the search start names nothing.
    if (i == from) continue;
    std::string_view name = nameBefore(s, from, i, rules);
    if (name.empty() || rules.isReserved(name) || !rules.isValid(name)) continue;
    added += seen.add(names, name);
  }
  return added;
}

bool addCallee(RoutineScanState& state, BodySlot& names, std::string_view name) {
  return state.callees.add(names, name);
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
  r.callees.clear();
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
