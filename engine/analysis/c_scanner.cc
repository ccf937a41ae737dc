#include "analysis/c_scanner.h"

#include <cstring>

#include "analysis/routine_scanner.h"
#include "analysis/source_line_reader.h"
#include "core/byte_scan.h"
#include "core/fixed_word_set.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/word_shape_filter.h"

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
  for (std::size_t i = findMarkOrHigh(s, from, ch, '"'); i < s.size();
       i = findMarkOrHigh(s, i + 1, ch, '"')) {
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
void resetCandidate(ScanState& db) {
  CScanState& c = db.c;
  c.inBody = c.awaitingBody = c.headerSeen = false;
  c.collectedLines = 0;
  c.currentName.clear();
  c.callees.clear();
  db.functionCounters = {};
}

void abandonCandidate(ScanState& db) {
  if (db.c.collectedLines > 0) db.candidate.clear();
  resetCandidate(db);
}

// Appends `raw` to the candidate's lines.
void collect(ScanState& db, std::string_view raw) {
  db.candidate.emplace_back(raw);
  ++db.c.collectedLines;
}

// A joined line counts as every line of the file it spans, so the lines
// after it keep their physical numbers.
void countLine(ScanState& db, std::string_view stripped) {
  std::int32_t lines = db.lineReader ? db.lineReader->physicalLines() : 1;
  std::int32_t LineCounters::*kind = !stripped.empty() ? &LineCounters::code
                                     : db.lineHadComment || db.inBlockComment
                                         ? &LineCounters::comment
                                         : &LineCounters::blank;
  db.fileCounters.total += lines;
  db.fileCounters.*kind += lines;
  db.functionCounters.total += lines;
  db.functionCounters.*kind += lines;
}

// Takes the trailing run of name characters of `text` as the candidate's
// name; false when there is no acceptable name.
bool acceptName(ScanState& db, std::string_view text) {
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
// `cut` characters. The line read stays as it is: `raw` is pointed at the
// rewritten copy.
void endPrototype(CScanState& c, std::string_view& raw, std::size_t cut) {
  c.prototypeLine.assign(raw.substr(0, cut));
  c.prototypeLine += ";\n";
  raw = c.prototypeLine;
}

// Decides whether the header closes on this line, and how.
void headerEndCheck(ScanState& db, std::string_view& raw, std::string_view stripped) {
  CScanState& c = db.c;
  if (!c.headerSeen) return;
  bool prototype = db.mode == ScanMode::PrototypeText;
  if (endsWith(stripped, ')')) {
    c.awaitingBody = true;
    c.headerSeen = false;
    if (prototype) endPrototype(c, raw, endsWith(raw, '\n') ? raw.size() - 1 : raw.size());
    return;
  }
  if (endsWith(stripped, '{')) {
    std::size_t i = backOverBlanks(stripped, stripped.size() - 1, 0);
    if (i > 0 && stripped[i - 1] == ')') {
      startBody(c);
      std::size_t close = raw.rfind(')');
      if (prototype && close != npos) endPrototype(c, raw, close + 1);
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

LineOutcome finishFunction(FunctionScan& s) {
  ScanState& db = s.state();
  RecordResult r = s.record(db.c.currentName);
  if (r == RecordResult::Recorded) {
    resetCandidate(db);
    return LineOutcome::Continue;
  }
  abandonCandidate(db);
  return r == RecordResult::Failed ? LineOutcome::StopFile : LineOutcome::Continue;
}

// A line inside a body.
LineOutcome bodyLine(FunctionScan& s, std::string_view raw, std::string_view stripped) {
  ScanState& db = s.state();
  CScanState& c = db.c;
  if (db.mode == ScanMode::FunctionText) {
    collect(db, raw);
  } else if (db.mode == ScanMode::CallLists) {
    c.collectedLines += addCalleeNames(stripped, db.candidate, c.callees);
  }
  bool ends;
  if (!s.settings().braces) {
    ends = startsWith(raw, '}') && startsWith(stripped, '}');
  } else {
    c.braceDepth += braceBalance(stripped);
    ends = c.braceDepth < 1;
    if (ends) c.braceDepth = 0;
  }
  return ends ? finishFunction(s) : LineOutcome::Continue;
}

// The header closed with ")"; the body's "{" is expected.
LineOutcome awaitingLine(ScanState& db, std::string_view raw, std::string_view stripped) {
  if (db.mode == ScanMode::FunctionText) collect(db, raw);
  if (startsWith(raw, '{') && startsWith(stripped, '{')) {
    startBody(db.c);
  } else if (stripped.find(';') == npos && (!stripped.empty() || raw.empty())) {
    // Old-style parameter declarations (with ";") and blank lines may wait.
    abandonCandidate(db);
  }
  return LineOutcome::Continue;
}

// Keeps the line and close a body that ends on it.
LineOutcome finishLine(FunctionScan& s, std::string_view raw, std::string_view stripped) {
  ScanState& db = s.state();
  if (isTextMode(db.mode)) collect(db, raw);
  if (s.settings().braces && db.c.inBody && endsWith(stripped, '}') && braceBalance(stripped) == 0)
    return finishFunction(s);
  return LineOutcome::Continue;
}

bool nextLineOpensParen(const ScanState& db) {
  const std::string_view* next = db.lineReader ? db.lineReader->peek() : nullptr;
  return next && startsWith(skipBlanks(*next), '(');
}

// Idle, or a header in progress.
LineOutcome headerLine(FunctionScan& s, std::string_view raw, std::string_view stripped) {
  ScanState& db = s.state();
  CScanState& c = db.c;
  if (stripped.empty()) {
    if (!db.lineHadComment) {
      abandonCandidate(db);
    } else if (db.mode == ScanMode::FunctionText && !raw.empty()) {
      // Comments directly above a function become part of its text.
      collect(db, raw);
    }
    return LineOutcome::Continue;
  }
  if (stripped.front() == '#') {
    abandonCandidate(db);
    return LineOutcome::Continue;
  }
  if (stripped.back() == '\\') {
    c.skipNextLine = true;
    abandonCandidate(db);
    return LineOutcome::Continue;
  }
  static constexpr ByteSet kDeclarationMarks(";\\+-/<>");
  bool declaration = kDeclarationMarks.findIn(stripped) != npos;
  if (!c.headerSeen) {
    std::size_t paren = stripped.find('(');
    if (paren == npos) {
      if (declaration) {
        abandonCandidate(db);
        return LineOutcome::Continue;
      }
      // A name alone on its line, its "(" on the next.
      if (nextLineOpensParen(db)) {
        if (!acceptName(db, stripped)) {
          abandonCandidate(db);
          return LineOutcome::Continue;
        }
        headerEndCheck(db, raw, stripped);
      }
      return finishLine(s, raw, stripped);
    }
    if (!acceptName(db, stripped.substr(0, paren))) {
      abandonCandidate(db);
      return LineOutcome::Continue;
    }
  }
  headerEndCheck(db, raw, stripped);
  // A prototype, or a call statement outside any body.
  if (declaration && !c.inBody) {
    abandonCandidate(db);
    return LineOutcome::Continue;
  }
  return finishLine(s, raw, stripped);
}

}  // namespace

bool isCReservedWord(std::string_view word) {
  static constexpr WordShapeFilter kShapes(C_RESERVED_WORDS);
  static constexpr FixedWordSet<128> kWords(C_RESERVED_WORDS);
  return kShapes.mayContain(word) && kWords.contains(word);
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

int addCalleeNames(std::string_view s, BodySlot& names, CalleeSet& seen) {
  static const CallNameRules kRules(isCNameChar, isCReservedWord, isValidCName);
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

// The first `mark` in line[i..), or its end. In a line known to be ASCII
// only the mark is looked for, with the library's search; in any other line
// a byte above 0x7F stops the search too.
std::size_t findMark(std::string_view line, std::size_t i, char mark, bool ascii) {
  if (!ascii) return findMarkOrHigh(line, i, mark, mark);
  const void* p = i < line.size() ? std::memchr(line.data() + i, mark, line.size() - i) : nullptr;
  return p ? static_cast<std::size_t>(static_cast<const char*>(p) - line.data()) : line.size();
}

// Passes over the text of a block comment from `i`; the position after it,
// with the comment closed when its end was on the line.
std::size_t skipCommentText(ScanState& db, std::string_view line, std::size_t i) {
  std::size_t n = line.size();
  while (i < n) {
    // Only a "*" or a multi-byte character can matter inside a comment.
    i = findMarkOrHigh(line, i, '*', '*');
    if (i >= n) break;
    if (std::size_t width = charLength(line, i); width > 1) {
      i += width;
    } else if (line[i] == '*' && i + 1 < n && line[i + 1] == '/') {
      db.inBlockComment = false;
      return i + 2;
    } else {
      ++i;
    }
  }
  return i;
}

// The same for a line known to be ASCII. Comment text is full of "*" and
// has few "/", so the end is looked for by its "/".
std::size_t skipAsciiCommentText(ScanState& db, std::string_view line, std::size_t i) {
  std::size_t n = line.size();
  for (std::size_t p = findMark(line, i + 1, '/', true); p < n;
       p = findMark(line, p + 1, '/', true)) {
    if (line[p - 1] == '*') {
      db.inBlockComment = false;
      return p + 1;
    }
  }
  return n;
}

// The end of the run of plain text from `i`: the next comment mark or
// Shift-JIS lead byte, or `n`.
std::size_t plainRunEnd(std::string_view line, std::size_t i, bool ascii) {
  while (true) {
    i = findMark(line, i, '/', ascii);
    if (i >= line.size() || kStripMarks.contains(line[i])) return i;
    ++i;  // a byte above 0x7F that leads no Shift-JIS character
  }
}

// `text` without the blanks that end it.
std::string_view withoutEndBlanks(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && isBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

// The text kept from one line. As long as everything kept lies in one
// stretch of the line (most lines: no comment, or one at the end) it is a
// view into the line itself; only a line whose kept text a comment breaks
// into pieces is put together in the scratch buffer.
class StrippedText {
 public:
  StrippedText(std::string_view line, std::string& scratch) : line_(line), scratch_(scratch) {}

  bool empty() const { return copied_ ? scratch_.empty() : begin_ == end_; }

  // Keeps line[from..to).
  void keep(std::size_t from, std::size_t to) {
    if (from == to) return;
    if (!copied_) {
      if (begin_ == end_ || from == end_) {
        if (begin_ == end_) begin_ = from;
        end_ = to;
        return;
      }
      scratch_.assign(line_.substr(begin_, end_ - begin_));
      copied_ = true;
    }
    scratch_.append(line_.data() + from, to - from);
  }

  // The text kept, without the blanks that end it. The strip never keeps a
  // line feed, nor blanks before the first byte it keeps, so only this end
  // needs trimming.
  std::string_view trimmed() {
    return withoutEndBlanks(copied_ ? std::string_view(scratch_)
                                    : line_.substr(begin_, end_ - begin_));
  }

 private:
  std::string_view line_;
  std::string& scratch_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool copied_ = false;
};

// One pass over the line: plain text is kept in runs up to the next mark,
// comments are dropped, and the result is trimmed where it lies. Kept out
// of line, so that the common way through cStripLine stays short.
[[gnu::noinline]] std::string_view stripComments(ScanState& db, std::string_view line, bool ascii,
                                                 std::string& scratch) {
  std::size_t n = line.size();
  StrippedText out(line, scratch);
  std::size_t i = 0;
  while (i < n) {
    if (db.inBlockComment) {
      i = ascii ? skipAsciiCommentText(db, line, i) : skipCommentText(db, line, i);
      continue;
    }
    // Blanks before the first kept byte are trimmed anyway: never kept,
    // they need not be moved out again.
    if (out.empty()) i = skipBlankRun(line, i);
    std::size_t run = plainRunEnd(line, i, ascii);
    out.keep(i, run);
    if (run >= n) break;
    i = run;
    char ch = line[i];
    char next = i + 1 < n ? line[i + 1] : '\0';
    if (std::size_t width = charLength(line, i); width > 1) {
      out.keep(i, i + width);
      i += width;
    } else if (ch == '/' && next == '*') {
      db.inBlockComment = db.lineHadComment = true;
      i += 2;
    } else if (ch == '/' && next == '/') {
      db.lineHadComment = true;
      break;
    } else {
      out.keep(i, i + 1);
      ++i;
    }
  }
  return out.trimmed();
}

}  // namespace

std::string_view cStripLine(FunctionScan& s, std::string_view raw, std::string& scratch) {
  ScanState& db = s.state();
  if (db.inBlockComment) db.lineHadComment = true;
  // A line feed only ever ends a line.
  std::string_view line = raw.substr(0, raw.size() - (endsWith(raw, '\n') ? 1 : 0));
  bool ascii = db.lineReader && db.lineReader->lineIsAscii();
  // Most lines are ASCII, outside a comment and without "/": what is kept
  // is the line itself, trimmed.
  if (ascii && !db.inBlockComment) {
    std::size_t start = skipBlankRun(line, 0);
    if (findMark(line, start, '/', true) == line.size())
      return withoutEndBlanks(line.substr(start));
  }
  return stripComments(db, line, ascii, scratch);
}

void cBeginFile(FunctionScan& s) {
  ScanState& db = s.state();
  resetCandidate(db);
  // A backslash or an open body at the end of one file must not reach into
  // the next.
  db.c.skipNextLine = false;
  db.c.braceDepth = 0;
  s.beginPreprocessing();
}

LineOutcome cScanLine(FunctionScan& s, std::string_view raw, std::string_view stripped) {
  ScanState& db = s.state();
  countLine(db, stripped);
  if (db.c.inBody) return bodyLine(s, raw, stripped);
  if (db.c.awaitingBody) return awaitingLine(db, raw, stripped);
  if (db.c.skipNextLine) {
    db.c.skipNextLine = false;
    abandonCandidate(db);
    return LineOutcome::Continue;
  }
  return headerLine(s, raw, stripped);
}

void cEndFile(FunctionScan& s) {
  resetCandidate(s.state());
  s.endPreprocessing();
}

}  // namespace mora
