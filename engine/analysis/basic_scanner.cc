#include "analysis/basic_scanner.h"

#include <utility>

#include "analysis/routine_scanner.h"
#include "core/text.h"

namespace mora {

namespace {

bool isTextMode(ScanMode m) { return m == ScanMode::FunctionText || m == ScanMode::PrototypeText; }

// Words start with a letter, "$" or "_"; digits, "." and "!" only continue one.
bool startsBasicWord(char c) { return isAsciiAlpha(c) || c == '$' || c == '_'; }

std::string_view wordAt(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return {};
  return s.substr(pos, wordLength(s.substr(pos), isBasicWordChar));
}

std::size_t skipBlanksFrom(std::string_view s, std::size_t pos) {
  while (pos < s.size() && isBlank(s[pos])) ++pos;
  return pos;
}

bool isProcedureKeyword(std::string_view word) {
  return equalsNoCase(word, "sub") || equalsNoCase(word, "function");
}

// "End Sub" or "End Function", in any case, as the first two words.
bool isEndStatement(std::string_view statement) {
  std::string_view first = wordAt(statement, 0);
  if (!equalsNoCase(first, "end")) return false;
  return isProcedureKeyword(wordAt(statement, skipBlanksFrom(statement, first.size())));
}

// Where the statements after the first (separated by ":" outside double
// quotes) begin, and where the last one begins; npos when there is one only.
std::pair<std::size_t, std::size_t> statementBounds(std::string_view s) {
  std::size_t first = std::string_view::npos, last = std::string_view::npos;
  bool inString = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
    } else if (s[i] == '"') {
      inString = !inString;
    } else if (!inString && s[i] == ':') {
      if (first == std::string_view::npos) first = i + 1;
      last = i + 1;
    }
  }
  return {first, last};
}

// The line closes its procedure when it starts with the end statement, or when
// its last statement is one, as in a procedure written on one line
// ("Sub F(): x = 1: End Sub").
bool endsProcedure(std::string_view stripped, bool headerLine) {
  if (!headerLine && isEndStatement(stripped)) return true;
  std::size_t last = statementBounds(stripped).second;
  return last != std::string_view::npos && isEndStatement(skipBlanks(stripped.substr(last)));
}

// Whether a word followed by blanks and then the text at `pos` is a call
// with arguments.
bool argumentsFollow(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return false;
  char c = s[pos];
  if (c == '"' || isAsciiDigit(c) || c == '#' || c == '$') return true;
  std::string_view next = wordAt(s, pos);
  return !next.empty() && startsBasicWord(c) && !isBasicReservedWord(next);
}

// A procedure written on its header line ends there; its calls follow the header.
LineOutcome oneLineProcedure(FunctionScan& s, std::string_view stripped) {
  ScanState& db = s.state();
  if (db.mode == ScanMode::CallLists) {
    std::size_t rest = statementBounds(stripped).first;
    db.routine.collectedLines += addBasicCallees(stripped.substr(rest), db.routine, db.candidate);
  }
  return finishRoutine(s);
}

}  // namespace

bool isBasicReservedWord(std::string_view word) {
  static const NoCaseWordSet kWords(BASIC_RESERVED_WORDS);
  return kWords.contains(word);
}

bool isBasicWordChar(char c) {
  return isAsciiAlnum(c) || c == '$' || c == '_' || c == '.' || c == '!';
}

std::string_view basicHeaderName(std::string_view s) {
  bool keywordSeen = false;
  std::size_t pos = 0;
  for (;;) {
    pos = skipBlanksFrom(s, pos);
    std::string_view word = wordAt(s, pos);
    pos += word.size();
    if (keywordSeen) {
      std::size_t next = skipBlanksFrom(s, pos);
      return next < s.size() && s[next] == '(' ? word : std::string_view{};
    }
    if (pos >= s.size() || !isBasicReservedWord(word)) return {};
    keywordSeen = isProcedureKeyword(word);
  }
}

int addBasicCallees(std::string_view s, RoutineScanState& state, BodySlot& names) {
  int added = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (c == '"') {
      std::size_t close = s.find('"', i + 1);
      i = close == std::string_view::npos ? s.size() : close + 1;
      continue;
    }
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n;
      continue;
    }
    if (!startsBasicWord(c)) {
      ++i;
      continue;
    }
    std::string_view word = wordAt(s, i);
    i += word.size();
    if (equalsNoCase(word, "call")) {
      std::string_view callee = wordAt(s, skipBlanksFrom(s, i));
      i = skipBlanksFrom(s, i) + callee.size();
      std::size_t next = skipBlanksFrom(s, i);
      if (!callee.empty() && next < s.size() && s[next] == '(')
        added += addCallee(state, names, callee);
    } else if (isBasicReservedWord(word)) {
      continue;
    } else if (i < s.size() && isBlank(s[i])) {
      if (argumentsFollow(s, skipBlanksFrom(s, i))) added += addCallee(state, names, word);
    } else if (i < s.size()) {
      ++i;  // a name followed directly by "(", "=" and the like calls nothing
    }
  }
  return added;
}

bool stripBasicLine(std::string_view raw, std::string& out) {
  out.clear();
  std::string_view line = raw.substr(0, std::min(raw.find('\n'), raw.size()));
  std::string_view lead = skipBlanks(line);
  bool remark = !lead.empty() && (lead.front() == 'r' || lead.front() == 'R') &&
                equalsNoCase(wordAt(lead, 0), "rem");
  if ((!lead.empty() && lead.front() == '\'') || remark) return true;
  std::size_t cut = line.size();
  bool inString = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (std::size_t n = charLength(line, i); n > 1) {
      i += n - 1;
    } else if (line[i] == '"') {
      inString = !inString;
    } else if (!inString && line[i] == '\'') {
      cut = i;
      break;
    }
  }
  out.assign(trim(line.substr(0, cut)));
  return cut < line.size();
}

std::string_view basicStripLine(FunctionScan& s, std::string_view raw, std::string& out) {
  if (stripBasicLine(raw, out)) s.state().lineHadComment = true;
  return out;
}

void basicBeginFile(FunctionScan& s) { resetRoutine(s.state()); }

LineOutcome basicScanLine(FunctionScan& s, std::string_view raw, std::string_view stripped) {
  ScanState& db = s.state();
  countRoutineLine(db, stripped, db.lineHadComment);
  if (db.routine.inRoutine)
    return routineBodyLine(s, raw, stripped, endsProcedure(stripped, false), addBasicCallees);
  if (stripped.empty()) {
    if (!db.lineHadComment) {
      abandonRoutine(db);
    } else if (db.mode == ScanMode::FunctionText && !raw.empty()) {
      // Comments directly above a procedure become part of its text.
      collectRoutineLine(db, raw);
    }
    return LineOutcome::Continue;
  }
  std::string_view name = stripped.front() == '#' ? std::string_view{} : basicHeaderName(stripped);
  if (name.empty()) {
    abandonRoutine(db);
    return LineOutcome::Continue;
  }
  startRoutine(db, name);
  if (isTextMode(db.mode)) collectRoutineLine(db, raw);
  if (endsProcedure(stripped, true)) return oneLineProcedure(s, stripped);
  return LineOutcome::Continue;
}

void basicEndFile(FunctionScan&) {}

}  // namespace mora
