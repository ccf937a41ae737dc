#include "core/reader.h"

#include <istream>
#include <new>
#include <ostream>

#include "core/engine.h"
#include "core/executor.h"
#include "core/exit.h"
#include "core/keywords.h"
#include "core/limits.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/nesting_budget.h"
#include "core/output.h"
#include "core/text.h"

namespace mora {

namespace {

// The logical-line assembly shared by the stream and the string-list loops.
class LogicalLine {
 public:
  // Feeds one prepared, non-empty line. Returns true when the logical line
  // is complete and should be executed. `extra` is added to the length test.
  // Only lines of a stream get ";" before a last "{": the strings of a list
  // (command strings, recorded bodies) are statements already.
  bool feed(Engine& e, std::string line, std::size_t extra, bool splitBrace) {
    if (line.size() + text_.size() + extra >= kStatementMax) {
      raiseMessage(e, "FIEB001");
      reset();
      return false;
    }
    std::size_t last = line.size() - 1;
    if (line[last] == kContinuation && !isSecondByte(line, last)) {
      line[last] = ' ';
      text_ += line;
      continued_ = true;
      return false;
    }
    if (splitBrace && line[last] == kBlockOpen && !isSecondByte(line, last))
      line.insert(last, 1, kStatementSeparator);
    text_ += line;
    continued_ = false;
    return true;
  }
  void reset() {
    continued_ = false;
    text_.clear();
  }
  bool continued() const { return continued_; }
  std::string take() {
    std::string t = std::move(text_);
    text_.clear();
    return t;
  }

 private:
  std::string text_;
  bool continued_ = false;
};

// Once the handler line of `whenever exit` has run, the exit it delayed
// takes place.
void finishPendingExit(Engine& e) {
  if (e.reader.pendingLine || !e.reader.pendingExit) return;
  int code = *e.reader.pendingExit;
  e.reader.pendingExit.reset();
  exitOperation(e, code);
}

bool readLine(Engine& e, LineReader& reader, std::string& line) {
  if (e.reader.pendingLine) {
    line = std::move(*e.reader.pendingLine);
    e.reader.pendingLine.reset();
    return true;
  }
  if (e.reader.inputIsStdin) reader.forgetEncoding();
  return reader.readPiece(line, kInputPieceMax);
}

struct SavedSource {
  explicit SavedSource(Engine& e)
      : engine(e),
        input(e.reader.input),
        isStdin(e.reader.inputIsStdin),
        lineNumber(e.reader.lineNumber),
        lineRead(e.reader.lineRead),
        name(e.settings.scriptFile) {}
  ~SavedSource() {
    engine.reader.input = input;
    engine.reader.inputIsStdin = isStdin;
    engine.reader.lineNumber = lineNumber;
    engine.reader.lineRead = lineRead;
    engine.settings.scriptFile = name;
  }
  Engine& engine;
  std::istream* input;
  bool isStdin;
  int lineNumber;
  bool lineRead;
  std::string name;
};

}  // namespace

std::string prepareLine(std::string_view raw) {
  std::string_view s = trim(raw);
  // A "#" inside a quoted text, also one left open, starts no comment.
  bool inQuote = false;
  std::size_t cut = std::string_view::npos;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
      continue;
    }
    if (s[i] == kQuote) inQuote = !inQuote;
    if (!inQuote && s[i] == kCommentMark) {
      cut = i;
      break;
    }
  }
  if (cut != std::string_view::npos) s = s.substr(0, cut);
  return std::string(trim(s));
}

std::vector<std::string> splitStatements(std::string_view text) {
  std::vector<std::string> statements;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (std::size_t n = charLength(text, i); n > 1) {
      current.append(text.substr(i, n));
      i += n - 1;
    } else if (c == kQuote) {
      std::size_t end = text.find(kQuote, i + 1);
      if (end == std::string_view::npos) end = text.size() - 1;
      current.append(text.substr(i, end - i + 1));
      i = end;
    } else if (c == '(') {
      int depth = 0;
      std::size_t j = i;
      for (; j < text.size(); ++j) {
        if (text[j] == '(') ++depth;
        if (text[j] == ')' && --depth == 0) break;
      }
      if (j == text.size()) j = text.size() - 1;
      current.append(text.substr(i, j - i + 1));
      i = j;
    } else if (c == kStatementSeparator) {
      statements.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  statements.push_back(std::move(current));
  return statements;
}

namespace {

// Replaces [pos, pos+len) by blanks.
void blankOut(std::string& s, std::size_t pos, std::size_t len) { s.replace(pos, len, len, ' '); }

bool isArgumentEnd(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n'; }

}  // namespace

bool expandAlias(Engine& e, std::string& statement) {
  std::size_t n = 0;
  while (n < statement.size() && isAsciiAlnum(statement[n])) ++n;
  if (n == 0) return true;
  std::string_view word(statement.data(), n);
  const Alias* alias = nullptr;
  for (const auto& a : e.reader.aliases)
    if (a.name == word) alias = &a;
  if (!alias || alias->body.empty()) return true;

  std::string body = alias->body.substr(0, kAliasBufferMax - 1);
  std::size_t p = n;
  for (char k = '0'; k <= '9'; ++k) {
    // Only blanks and tabs are skipped: a comma ends an argument and the
    // next one then is empty, which ends the arguments.
    while (p < statement.size() && isBlank(statement[p])) ++p;
    std::size_t end = p;
    while (end < statement.size() && !isArgumentEnd(statement[end])) ++end;
    const char placeholder[] = {'%', k, '\0'};
    std::size_t at = body.find(placeholder);
    if (end == p || at == std::string::npos) break;
    std::size_t after = at + 2;
    while (after < body.size() && isBlank(body[after])) ++after;
    if (body.compare(after, 2, "=<") == 0) {
      std::size_t close = body.find('>', after);
      if (close != std::string::npos) blankOut(body, after, close - after + 1);
    }
    body.replace(at, 2, statement.substr(p, end - p));
    p = end;
  }
  for (char k = '0'; k <= '9'; ++k) {
    const char placeholder[] = {'%', k, '\0'};
    for (std::size_t at = body.find(placeholder); at != std::string::npos;
         at = body.find(placeholder, at)) {
      std::size_t close =
          body.compare(at + 2, 2, "=<") == 0 ? body.find('>', at + 4) : std::string::npos;
      if (close == std::string::npos) {
        raiseMessage(e, "FIEU033", placeholder);
        return false;
      }
      blankOut(body, at, 4);
      blankOut(body, close, 1);
    }
  }
  statement = std::move(body);
  return true;
}

namespace {

// Returns false (after FIEU034) when the statement is dropped.
bool applyHistory(Engine& e, std::string& statement) {
  auto& history = e.reader.history;
  if (isAsciiDigit(statement[0])) {
    long n = parseLeadingInt(statement);
    if (n < 1 || static_cast<std::size_t>(n) > history.size()) {
      raiseMessage(e, "FIEU034");
      return false;
    }
    statement = history[static_cast<std::size_t>(n - 1)];
  }
  auto token = lookupKeyword(trim(statement));
  if (token && (*token == Token::History || *token == Token::H)) return true;
  if (!e.reader.inputIsStdin) return true;
  for (const auto& h : history)
    if (h == statement) return true;
  if (history.size() >= kHistoryMax) history.erase(history.begin());
  history.push_back(statement);
  return true;
}

// Memory exhaustion fails the statement that ran into it, not the run: what
// the statement built is released by the unwinding, and the run goes on to
// its ordinary end (staged changes committed, work files deleted).
void executeGuarded(Engine& e, std::string_view statement) {
  try {
    executeStatement(e, statement);
  } catch (const std::bad_alloc&) {
    raiseMessage(e, "FIES004");
  }
}

}  // namespace

void executeLine(Engine& e, std::string_view text) {
  for (std::string& piece : splitStatements(text)) {
    std::string statement(trim(piece));
    if (statement.empty()) continue;
    if (e.out.trace) *e.out.trace << statement << " ;\n";
    if (!expandAlias(e, statement)) continue;
    if (!applyHistory(e, statement)) continue;
    {
      NestingLevel level(e, "FIEC018");
      if (!level.entered()) return;
      executeGuarded(e, statement);
    }
    e.checkInterrupt();
  }
}

bool runStream(Engine& e, std::istream& in, bool isStdin) {
  e.reader.input = &in;
  e.reader.inputIsStdin = isStdin;
  e.reader.lineNumber = 0;
  e.reader.lineRead = false;
  LineReader reader(in);
  LogicalLine logical;
  std::string line;
  for (;;) {
    // A script file inside a chain that ran out of nesting stops here.
    if (isUnwinding(e)) return true;
    finishPendingExit(e);
    if (isStdin && !logical.continued() && !isRecordingFunction(e)) {
      printOutput(e, *e.out.stdOut, e.settings.prompt);
    }
    if (!logical.continued()) logical.reset();
    // Whoever feeds standard input may wait for what was printed (the prompt).
    if (isStdin) flushOutput(e);
    if (!readLine(e, reader, line)) {
      e.checkInterrupt();
      endOfInput(e);
      return !reader.failed();
    }
    ++e.reader.lineNumber;
    e.reader.lineRead = true;
    spoolLine(e, line);
    std::string prepared = prepareLine(line);
    if (prepared.empty()) {
      logical.reset();
      continue;
    }
    if (logical.feed(e, std::move(prepared), 0, true)) executeLine(e, logical.take());
  }
}

void runStringList(Engine& e, const std::vector<std::string>& lines) {
  bool wasStdin = e.reader.inputIsStdin;
  e.reader.inputIsStdin = false;
  LogicalLine logical;
  InputEncoding encoding;
  for (const std::string& raw : lines) {
    if (e.exec.breakFlag || isUnwinding(e)) break;
    encoding.observe(raw);
    // A handler queued by `whenever` is the next line read, here as in a stream.
    while (e.reader.pendingLine && !logical.continued()) {
      std::string pending = prepareLine(*e.reader.pendingLine);
      e.reader.pendingLine.reset();
      if (!pending.empty() && logical.feed(e, std::move(pending), 1, true))
        executeLine(e, logical.take());
      finishPendingExit(e);
    }
    std::string prepared = prepareLine(raw);
    if (prepared.empty()) {
      logical.reset();
      continue;
    }
    if (logical.feed(e, std::move(prepared), 1, false)) executeLine(e, logical.take());
  }
  e.reader.inputIsStdin = wasStdin;
}

bool runScriptFile(Engine& e, const std::string& name) {
  auto in = e.platform.openStream(name, std::ios::in | std::ios::binary);
  if (!in || !*in) {
    raiseMessage(e, "FIES001", name);
    return false;
  }
  SavedSource saved(e);
  e.settings.scriptFile = name;
  if (!runStream(e, *in, false)) {
    raiseMessage(e, "FIES009", name);
    return false;
  }
  return true;
}

bool cmdAlias(Engine& e, std::string_view rest) {
  rest = trim(rest);
  if (rest.empty()) {
    int n = 0;
    for (const auto& a : e.reader.aliases)
      printIfEcho(e, format("%3d\t %s \t: %s\n", ++n, a.name.c_str(), a.body.c_str()));
    return true;
  }
  std::size_t sep = std::string_view::npos;
  for (std::string_view s : {"AS", "As", "as", "aS"}) {
    sep = rest.find(s);
    if (sep != std::string_view::npos) break;
  }
  if (sep == std::string_view::npos) {
    raiseMessage(e, "FIEU003", "AS");
    return false;
  }
  std::string_view before = trim(rest.substr(0, sep));
  std::size_t n = 0;
  while (n < before.size() && (isAsciiAlnum(before[n]) || before[n] == '_')) ++n;
  if (n == 0) {
    raiseMessage(e, "FIEU032", rest);
    return false;
  }
  if (n < before.size()) {
    raiseMessage(e, "FIEU012", before.substr(n));
    return false;
  }
  std::string name(before);
  std::string body(skipBlanks(rest.substr(sep + 2)));
  for (auto& a : e.reader.aliases) {
    if (a.name == name) {
      a.body = std::move(body);
      return true;
    }
  }
  e.reader.aliases.push_back({std::move(name), {}, std::move(body)});
  return true;
}

bool cmdHistory(Engine& e, std::string_view rest) {
  rest = trim(rest);
  if (!rest.empty()) {
    raiseMessage(e, "FIEU005", rest);
    return false;
  }
  int n = 0;
  for (const auto& h : e.reader.history) printIfEcho(e, format(" %2d: %s\n", ++n, h.c_str()));
  return true;
}

bool cmdCreate(Engine& e, std::string_view rest) {
  rest = trim(rest);
  auto token = lookupKeyword(rest);
  if (token && (*token == Token::Help || *token == Token::Message)) return true;
  raiseMessage(e, "FIEU009", rest);
  return false;
}

}  // namespace mora
