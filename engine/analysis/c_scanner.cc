#include "analysis/c_scanner.h"

#include "analysis/routine_scanner.h"
#include "analysis/source_line_reader.h"
#include "core/engine.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool startsWith(std::string_view s, char c) { return !s.empty() && s.front() == c; }
bool endsWith(std::string_view s, char c) { return !s.empty() && s.back() == c; }

bool isTextMode(ScanMode m) { return m == ScanMode::FunctionText || m == ScanMode::PrototypeText; }

// The first `ch` at or after `from` that lies outside double-quoted strings;
// npos when there is none or a string is left open.
std::size_t findOutsideStrings(std::string_view s, char ch, std::size_t from) {
  bool inString = false;
  for (std::size_t i = from; i < s.size(); ++i) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
      continue;
    }
    if (s[i] == '"')
      inString = !inString;
    else if (!inString && s[i] == ch)
      return i;
  }
  return npos;
}

// Position just past the blanks that end s[0..pos).
std::size_t backOverBlanks(std::string_view s, std::size_t pos, std::size_t floor) {
  while (pos > floor && isBlank(s[pos - 1])) --pos;
  return pos;
}

// Clears the candidate without touching its slot.
void resetCandidate(FunctionDatabase& db) {
  CScanState& c = db.c;
  c.inBody = c.awaitingBody = c.headerSeen = false;
  c.collectedLines = 0;
  c.currentName.clear();
  if (!c.callees.empty()) c.callees.clear();  // clear() sweeps every bucket
  db.functionCounters = {};
}

void abandonCandidate(FunctionDatabase& db, BodyTable& body) {
  if (db.c.collectedLines > 0) body.clear(db.recordedCount);
  resetCandidate(db);
}

// Appends `raw` to the candidate's slot; false (error 5 set) on failure.
bool collect(FunctionDatabase& db, BodyTable& body, const std::string& raw) {
  BodySlot* slot = body.slot(db.recordedCount);
  if (!slot) {
    db.lastError = kScanOutOfMemory;
    return false;
  }
  slot->push_back(raw);
  ++db.c.collectedLines;
  return true;
}

// A joined line counts as every line of the file it spans, so the lines
// after it keep their physical numbers.
void countLine(FunctionDatabase& db, std::string_view stripped) {
  std::int32_t lines = db.lineReader ? db.lineReader->physicalLines() : 1;
  LineCounters* sets[] = {&db.fileCounters, &db.functionCounters};
  for (LineCounters* c : sets) {
    c->total += lines;
    if (!stripped.empty())
      c->code += lines;
    else if (db.lineHadComment || db.inBlockComment)
      c->comment += lines;
    else
      c->blank += lines;
  }
}

// Takes the trailing run of name characters of `text` as the candidate's
// name; false when there is no acceptable name.
bool acceptName(FunctionDatabase& db, std::string_view text) {
  text = trim(text);
  std::size_t i = text.size();
  while (i > 0 && isCNameChar(text[i - 1])) --i;
  std::string_view name = text.substr(i);
  if (name.empty() || !isValidCName(name) || isCReservedWord(name)) return false;
  db.c.headerSeen = true;
  db.c.currentName = name;
  db.startLine = db.fileCounters.total;
  return true;
}

void startBody(CScanState& c) {
  c.inBody = true;
  c.braceDepth = 1;
  c.awaitingBody = false;
  c.headerSeen = false;
}

// Turns the header line `raw` into the last line of a prototype, cut after
// `cut` characters.
void endPrototype(std::string& raw, std::size_t cut) {
  raw.resize(cut);
  raw += ";\n";
}

// Decides whether the header closes on this line, and how.
void headerEndCheck(FunctionDatabase& db, std::string& raw, std::string_view stripped) {
  CScanState& c = db.c;
  if (!c.headerSeen) return;
  bool prototype = db.mode == ScanMode::PrototypeText;
  if (endsWith(stripped, ')')) {
    c.awaitingBody = true;
    c.headerSeen = false;
    if (prototype) endPrototype(raw, endsWith(raw, '\n') ? raw.size() - 1 : raw.size());
    return;
  }
  if (endsWith(stripped, '{')) {
    std::size_t i = backOverBlanks(stripped, stripped.size() - 1, 0);
    if (i > 0 && stripped[i - 1] == ')') {
      startBody(c);
      std::size_t close = raw.rfind(')');
      if (prototype && close != npos) endPrototype(raw, close + 1);
    }
    return;
  }
  // A body opened in the middle of the line, as in "int f() { return 0; }".
  for (std::size_t pos = findOutsideStrings(stripped, '{', 0); pos != npos;
       pos = findOutsideStrings(stripped, '{', pos + 1)) {
    if (pos == 0) return;
    std::size_t i = backOverBlanks(stripped, pos, 0);
    if (i > 0 && stripped[i - 1] == ')') {
      startBody(c);
      return;
    }
  }
}

int finishFunction(Engine& e, const FunctionPatternList& patterns, BodyTable& body,
                   EntryList& entries) {
  FunctionDatabase& db = e.functions;
  int r = recordFunction(e, patterns, body, entries, db.c.currentName);
  if (r == 0) {
    resetCandidate(db);
    return 0;
  }
  abandonCandidate(db, body);
  return r < 0 ? -1 : 0;
}

// Rule A: a line inside a body.
int bodyLine(Engine& e, std::string& raw, std::string_view stripped,
             const FunctionPatternList& patterns, BodyTable& body, EntryList& entries) {
  FunctionDatabase& db = e.functions;
  CScanState& c = db.c;
  if (db.mode == ScanMode::FunctionText) {
    if (!collect(db, body, raw)) return -1;
  } else if (db.mode == ScanMode::CallLists) {
    BodySlot* slot = body.slot(db.recordedCount);
    if (!slot) {
      db.lastError = kScanOutOfMemory;
      return -1;
    }
    c.collectedLines += addCalleeNames(stripped, *slot, c.callees);
  }
  bool ends;
  if (!e.settings.braces) {
    ends = startsWith(raw, '}') && startsWith(stripped, '}');
  } else {
    c.braceDepth += braceBalance(stripped);
    ends = c.braceDepth < 1;
    if (ends) c.braceDepth = 0;
  }
  return ends ? finishFunction(e, patterns, body, entries) : 0;
}

// Rule B: the header closed with ")"; the body's "{" is expected.
int awaitingLine(FunctionDatabase& db, std::string& raw, std::string_view stripped,
                 BodyTable& body) {
  if (db.mode == ScanMode::FunctionText && !collect(db, body, raw)) return -1;
  if (startsWith(raw, '{') && startsWith(stripped, '{')) {
    startBody(db.c);
  } else if (stripped.find(';') == npos && (!stripped.empty() || raw.empty())) {
    // Old-style parameter declarations (with ";") and blank lines may wait.
    abandonCandidate(db, body);
  }
  return 0;
}

// Rule D6: keep the line and close a body that ends on it.
int finishLine(Engine& e, std::string& raw, std::string_view stripped,
               const FunctionPatternList& patterns, BodyTable& body, EntryList& entries) {
  FunctionDatabase& db = e.functions;
  if (isTextMode(db.mode) && !collect(db, body, raw)) return -1;
  if (e.settings.braces && db.c.inBody && endsWith(stripped, '}') && braceBalance(stripped) == 0)
    return finishFunction(e, patterns, body, entries);
  return 0;
}

bool nextLineOpensParen(const FunctionDatabase& db) {
  const std::string_view* next = db.lineReader ? db.lineReader->peek() : nullptr;
  return next && startsWith(skipBlanks(*next), '(');
}

// Rule D: idle, or a header in progress.
int headerLine(Engine& e, std::string& raw, std::string_view stripped,
               const FunctionPatternList& patterns, BodyTable& body, EntryList& entries) {
  FunctionDatabase& db = e.functions;
  CScanState& c = db.c;
  if (stripped.empty()) {
    if (!db.lineHadComment) {
      abandonCandidate(db, body);
    } else if (db.mode == ScanMode::FunctionText && !raw.empty()) {
      // Comments directly above a function become part of its text.
      if (!collect(db, body, raw)) return -1;
    }
    return 0;
  }
  if (stripped.front() == '#') {
    abandonCandidate(db, body);
    return 0;
  }
  if (stripped.back() == '\\') {
    c.skipNextLine = true;
    abandonCandidate(db, body);
    return 0;
  }
  static constexpr ByteSet kDeclarationMarks(";\\+-/<>");
  bool declaration = kDeclarationMarks.findIn(stripped) != npos;
  if (!c.headerSeen) {
    std::size_t paren = stripped.find('(');
    if (paren == npos) {
      if (declaration) {
        abandonCandidate(db, body);
        return 0;
      }
      // A name alone on its line, its "(" on the next.
      if (nextLineOpensParen(db)) {
        if (!acceptName(db, stripped)) {
          abandonCandidate(db, body);
          return 0;
        }
        headerEndCheck(db, raw, stripped);
      }
      return finishLine(e, raw, stripped, patterns, body, entries);
    }
    if (!acceptName(db, stripped.substr(0, paren))) {
      abandonCandidate(db, body);
      return 0;
    }
  }
  headerEndCheck(db, raw, stripped);
  // A prototype, or a call statement outside any body.
  if (declaration && !c.inBody) {
    abandonCandidate(db, body);
    return 0;
  }
  return finishLine(e, raw, stripped, patterns, body, entries);
}

}  // namespace

bool isCReservedWord(std::string_view word) {
  return std::binary_search(C_RESERVED_WORDS.begin(), C_RESERVED_WORDS.end(), word);
}

bool isCNameChar(char c) {
  return isAsciiAlnum(c) || c == '_' || c == ':' || c == '~' || isUtf8NameByte(c);
}

bool isValidCName(std::string_view name) {
  std::size_t i = 0;
  while (i < name.size() && name[i] == ':') ++i;
  if (i < name.size() && name[i] == '~') ++i;
  return i < name.size() && isCNameChar(name[i]);
}

int braceBalance(std::string_view s) {
  // Most lines hold no brace at all: two memchr calls settle them.
  if (s.find('{') == npos && s.find('}') == npos) return 0;
  int balance = 0;
  std::size_t n = s.size();
  for (std::size_t i = 0; i < n; ++i) {
    char ch = s[i];
    if (std::size_t width = charLength(s, i); width > 1) {
      i += width - 1;
    } else if (ch == '"') {
      // A backslash does not escape the closing quote here.
      for (++i; i < n && s[i] != '"'; ++i) i += charLength(s, i) - 1;
    } else if (ch == '\'') {
      // One character, an escape pair or a double-byte character, then an
      // optional closing quote.
      std::size_t k = i + 1;
      if (k < n) k += s[k] == '\\' ? 2 : charLength(s, k);
      if (k < n && s[k] == '\'') ++k;
      i = k - 1;
    } else if (ch == '{') {
      ++balance;
    } else if (ch == '}') {
      --balance;
    }
  }
  return balance;
}

int addCalleeNames(std::string_view s, BodySlot& names, NameSet& seen) {
  static constexpr CallNameRules kRules{isCNameChar, isCReservedWord, isValidCName};
  return addParenthesisCallees(s, kRules, names, seen);
}

namespace {

// The bytes that can start something else than plain text outside a
// comment: "/" (a comment mark) and the Shift-JIS lead bytes (which include
// the UTF-8 lead bytes of three- and four-byte characters).
constexpr ByteSet kStripMarks = [] {
  ByteSet marks("/");
  for (int c = 0x81; c <= 0x9F; ++c) marks.add(static_cast<char>(c));
  for (int c = 0xE0; c <= 0xFC; ++c) marks.add(static_cast<char>(c));
  return marks;
}();

// Passes over the text of a block comment from `i`; the position after it,
// with the comment closed when its end was on the line.
std::size_t skipCommentText(FunctionDatabase& db, std::string_view raw, std::size_t n,
                            std::size_t i) {
  while (i < n) {
    char ch = raw[i];
    if (std::size_t width = charLength(raw.substr(0, n), i); width > 1) {
      i += width;
    } else if (ch == '*' && i + 1 < n && raw[i + 1] == '/') {
      db.inBlockComment = false;
      return i + 2;
    } else {
      ++i;
    }
  }
  return i;
}

}  // namespace

// One pass over the line: plain text is copied in runs up to the next mark,
// comments are dropped, and the result is trimmed where it lies.
void cStripLine(Engine& e, std::string_view raw, std::string& out) {
  FunctionDatabase& db = e.functions;
  out.clear();
  if (db.inBlockComment) db.lineHadComment = true;
  std::size_t n = std::min(raw.find('\n'), raw.size());
  std::size_t i = 0;
  while (i < n) {
    if (db.inBlockComment) {
      i = skipCommentText(db, raw, n, i);
      continue;
    }
    std::size_t run = i;
    while (run < n && !kStripMarks.contains(raw[run])) ++run;
    // Blanks before the first kept byte are trimmed anyway: never copied,
    // they need not be moved out again.
    if (out.empty())
      while (i < run && isBlank(raw[i])) ++i;
    out.append(raw.data() + i, run - i);
    if (run >= n) break;
    i = run;
    char ch = raw[i];
    char next = i + 1 < n ? raw[i + 1] : '\0';
    if (std::size_t width = charLength(raw.substr(0, n), i); width > 1) {
      out.append(raw.data() + i, width);
      i += width;
    } else if (ch == '/' && next == '*') {
      db.inBlockComment = db.lineHadComment = true;
      i += 2;
    } else if (ch == '/' && next == '/') {
      db.lineHadComment = true;
      break;
    } else {
      out += ch;
      ++i;
    }
  }
  trimInPlace(out);
}

void cBeginFile(Engine& e) {
  FunctionDatabase& db = e.functions;
  resetCandidate(db);
  // A backslash or an open body at the end of one file must not reach into
  // the next.
  db.c.skipNextLine = false;
  db.c.braceDepth = 0;
  if (e.settings.ifdef && db.preprocessor.beginFile) db.preprocessor.beginFile(e);
}

int cScanLine(Engine& e, std::string& raw, std::string_view stripped,
              const FunctionPatternList& patterns, BodyTable& body, EntryList& entries) {
  FunctionDatabase& db = e.functions;
  countLine(db, stripped);
  if (db.c.inBody) return bodyLine(e, raw, stripped, patterns, body, entries);
  if (db.c.awaitingBody) return awaitingLine(db, raw, stripped, body);
  if (db.c.skipNextLine) {
    db.c.skipNextLine = false;
    abandonCandidate(db, body);
    return 0;
  }
  return headerLine(e, raw, stripped, patterns, body, entries);
}

void cEndFile(Engine& e) {
  FunctionDatabase& db = e.functions;
  resetCandidate(db);
  if (e.settings.ifdef && db.preprocessor.endFile) db.preprocessor.endFile(e);
}

}  // namespace mora
