#include "analysis/pascal_scanner.h"

#include "analysis/routine_scanner.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr std::string_view kProcedure = "procedure";
constexpr std::string_view kFunction = "function";
// The keyword of a header is a run of letters from column 1 that ends
// within this many characters.
constexpr std::size_t kHeaderKeywordMax = 10;

bool isTextMode(ScanMode m) { return m == ScanMode::FunctionText || m == ScanMode::PrototypeText; }

std::string_view wordAt(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return {};
  return s.substr(pos, wordLength(s.substr(pos), isPascalWordChar));
}

bool isRoutineKeyword(std::string_view word) {
  return equalsNoCase(word, kProcedure) || equalsNoCase(word, kFunction);
}

bool isValidPascalName(std::string_view name) { return !name.empty() && !isAsciiDigit(name[0]); }

// Remembers the routine that a "procedure" or "function" line declares, so
// that later calls to it without parentheses are found.
void noteDeclaration(RoutineScanState& state, std::string_view stripped) {
  std::string_view first = wordAt(stripped, 0);
  if (!isRoutineKeyword(first)) return;
  std::string_view name = wordAt(skipBlanks(stripped.substr(first.size())), 0);
  if (name.empty() || !state.declared.emplace(name).second) return;
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos)
    state.declaredPlain.emplace(name);
  else
    state.declaredSuffixes.emplace(name.substr(dot + 1));
}

bool callsDeclared(const RoutineScanState& state, std::string_view word) {
  if (state.declared.find(word) != state.declared.end()) return true;
  std::size_t dot = word.find('.');
  if (dot == std::string_view::npos) return false;
  std::string_view after = word.substr(dot + 1);
  return state.declaredPlain.find(after) != state.declaredPlain.end() ||
         state.declaredSuffixes.find(after) != state.declaredSuffixes.end();
}

// "end" in column 1, then only blanks before ";".
bool endsRoutine(std::string_view raw, std::string_view stripped) {
  if (raw.size() < 3 || !equalsNoCase(raw.substr(0, 3), "end") || stripped.size() < 3) return false;
  std::string_view rest = skipBlanks(stripped.substr(3));
  return !rest.empty() && rest.front() == ';';
}

}  // namespace

bool isPascalReservedWord(std::string_view word) {
  static const NoCaseWordSet kWords(PASCAL_RESERVED_WORDS);
  return kWords.contains(word);
}

bool isPascalWordChar(char c) { return isAsciiAlnum(c) || c == '$' || c == '_' || c == '.'; }

std::string_view pascalHeaderName(std::string_view raw, std::string_view stripped) {
  std::size_t letters = 0;
  while (letters < raw.size() && isAsciiAlpha(raw[letters])) ++letters;
  if (letters == 0 || letters > kHeaderKeywordMax) return {};
  std::string_view keyword = raw.substr(0, letters);
  if (!isRoutineKeyword(keyword)) return {};
  std::string_view rest = skipBlanks(stripped.substr(std::min(keyword.size(), stripped.size())));
  return wordAt(rest, 0);
}

int addPascalCallees(std::string_view s, RoutineScanState& state, BodySlot& names) {
  int added = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (c == '\'' || c == '"') {
      std::size_t close = s.find(c, i + 1);
      i = close == std::string_view::npos ? s.size() : close + 1;
    } else if (std::size_t n = charLength(s, i); n > 1) {
      i += n;
    } else if (!isPascalWordChar(c)) {
      ++i;
    } else {
      std::string_view word = wordAt(s, i);
      i += word.size();
      if (callsDeclared(state, word)) added += addCallee(state, names, word);
    }
  }
  static const CallNameRules kRules(isPascalWordChar, isPascalReservedWord, isValidPascalName);
  return added + addParenthesisCallees(s, kRules, names, state.callees);
}

// The bytes where the strip loop has something to decide: the comment marks
// of the current state, and every byte above 0x7F (the start of a multi-byte
// character, whose later bytes may look like a mark).
constexpr ByteSet withHighBytes(std::string_view marks) {
  ByteSet set(marks);
  for (int c = 0x80; c <= 0xFF; ++c) set.add(static_cast<char>(c));
  return set;
}
constexpr ByteSet kOpenMarks = withHighBytes("({/");
constexpr ByteSet kParenCloseMarks = withHighBytes("*");
constexpr ByteSet kBraceCloseMarks = withHighBytes("}");

bool stripPascalLine(std::string_view raw, bool& inComment, int& commentKind, std::string& out) {
  constexpr std::size_t none = std::string_view::npos;
  out.clear();
  bool hadComment = inComment;
  std::size_t n = std::min(raw.find('\n'), raw.size());
  // Text outside comments is copied in runs; `copyFrom` starts the open run.
  std::size_t copyFrom = inComment ? none : 0;
  for (std::size_t i = 0; i < n; ++i) {
    // Only comment marks and multi-byte characters matter: pass over the
    // bytes between them at once.
    const ByteSet& marks = !inComment         ? kOpenMarks
                           : commentKind == 1 ? kParenCloseMarks
                                              : kBraceCloseMarks;
    while (i < n && !marks.contains(raw[i])) ++i;
    if (i >= n) break;
    char ch = raw[i];
    char next = i + 1 < n ? raw[i + 1] : '\0';
    if (std::size_t width = charLength(raw.substr(0, n), i); width > 1) {
      i += width - 1;  // the bytes of the character stay together, in a comment or not
    } else if (inComment) {
      if (commentKind == 1 && ch == '*' && next == ')') {
        inComment = false;
        copyFrom = ++i + 1;
      } else if (commentKind == 2 && ch == '}') {
        inComment = false;
        copyFrom = i + 1;
      }
    } else if ((ch == '(' && next == '*') || ch == '{' || (ch == '/' && next == '/')) {
      out.append(raw.substr(copyFrom, i - copyFrom));
      hadComment = true;
      if (ch == '/') {
        copyFrom = none;
        break;
      }
      inComment = true;
      commentKind = ch == '{' ? 2 : 1;
      if (ch == '(') ++i;
    }
  }
  if (!inComment && copyFrom != none && copyFrom < n)
    out.append(raw.substr(copyFrom, n - copyFrom));
  trimInPlace(out);
  return hadComment;
}

std::string_view pascalStripLine(FunctionScan& s, std::string_view raw, std::string& out) {
  RoutineScanState& state = s.state().routine;
  if (stripPascalLine(raw, state.inComment, state.commentKind, out))
    s.state().lineHadComment = true;
  return out;
}

void pascalBeginFile(FunctionScan& s) {
  RoutineScanState& state = s.state().routine;
  resetRoutine(s.state());
  state.inComment = false;
  state.commentKind = 0;
  state.declared.clear();
  state.declaredPlain.clear();
  state.declaredSuffixes.clear();
}

LineOutcome pascalScanLine(FunctionScan& s, std::string_view raw, std::string_view stripped) {
  ScanState& db = s.state();
  countRoutineLine(db, stripped, db.lineHadComment);
  noteDeclaration(db.routine, stripped);
  if (db.routine.inRoutine)
    return routineBodyLine(s, raw, stripped, endsRoutine(raw, stripped), addPascalCallees);
  if (stripped.empty()) {
    if (!db.lineHadComment) {
      abandonRoutine(db);
    } else if (db.mode == ScanMode::FunctionText && !raw.empty()) {
      collectRoutineLine(db, raw);
    }
    return LineOutcome::Continue;
  }
  std::string_view name = pascalHeaderName(raw, stripped);
  if (name.empty()) {
    abandonRoutine(db);
    return LineOutcome::Continue;
  }
  startRoutine(db, name);
  if (isTextMode(db.mode)) collectRoutineLine(db, raw);
  return LineOutcome::Continue;
}

void pascalEndFile(FunctionScan& s) { pascalBeginFile(s); }

}  // namespace mora
