#include "reports/c_action_tokenizer.h"

#include <algorithm>

#include "analysis/c_scanner.h"
#include "core/text.h"

namespace mora {

bool ActionByteSource::refill() {
  // Keeps a carriage return that ended the last block, to see what follows it.
  std::size_t kept = 0;
  if (pos_ < end_) {
    buffer_[0] = buffer_[pos_];
    kept = 1;
  }
  pos_ = 0;
  // The stream's own read marks a read error as a bad stream for the caller
  // to see, where the buffer underneath would throw.
  in_.read(buffer_.data() + kept, static_cast<std::streamsize>(kBlock - kept));
  end_ = kept + static_cast<std::size_t>(in_.gcount());
  encoding_.observe(std::string_view(buffer_.data() + kept, end_ - kept));
  return end_ > 0;
}

int ActionByteSource::peek() {
  if (pos_ == end_ && !refill()) return -1;
  if (buffer_[pos_] == '\r') {
    if (pos_ + 1 == end_) refill();
    if (pos_ + 1 < end_ && buffer_[pos_ + 1] == '\n') ++pos_;
  }
  return static_cast<unsigned char>(buffer_[pos_]);
}

int ActionByteSource::get() {
  int c = peek();
  if (c >= 0) ++pos_;
  return c;
}

namespace {

constexpr std::size_t kRing = kActionTokenRing;

bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isRunChar(int c) { return isLetter(c) || isDigit(c) || c == '.'; }
bool isLead(int c) { return c >= 0 && takesNextByte(static_cast<unsigned char>(c)); }

}  // namespace

int CActionTokenizer::take(CToken& t) {
  int c = src_.get();
  if (c < 0) return c;
  if (c == '\n') ++line_;
  if (t.text.size() < kActionTokenMax) t.text += static_cast<char>(c);
  return c;
}

void CActionTokenizer::skipWhiteSpace() {
  for (int c = src_.peek(); isWhiteSpace(c); c = src_.peek()) {
    src_.get();
    if (c == '\n') ++line_;
  }
}

// A comment whose "/" is taken already: "//" to the end of the line, or
// "/*" to "*/" (or the end of the input).
void CActionTokenizer::lexComment(CToken& t, bool block) {
  t.kind = CTokenKind::Comment;
  take(t);
  for (int c = src_.peek(); c >= 0; c = src_.peek()) {
    if (!block && c == '\n') break;
    take(t);
    if (isLead(c) && src_.peek() >= 0 && src_.peek() != '\n') {
      take(t);
    } else if (block && c == '*' && src_.peek() == '/') {
      take(t);
      break;
    }
  }
}

// A quoted literal, appended to `t`: a backslash takes the byte after it; a
// line feed ends an unterminated literal and stays in the input.
void CActionTokenizer::lexLiteral(CToken& t, int quote) {
  take(t);
  for (int c = src_.peek(); c >= 0 && c != '\n'; c = src_.peek()) {
    take(t);
    if (c == quote) return;
    if ((c == '\\' || isLead(c)) && src_.peek() >= 0 && (c == '\\' || src_.peek() != '\n')) take(t);
  }
}

// From `open` to its matching `close`, nested groups counted and literals
// read whole; an unbalanced group ends at the end of the input.
void CActionTokenizer::lexGroup(CToken& t, int open, int close) {
  take(t);
  long depth = 1;
  for (int c = src_.peek(); c >= 0; c = src_.peek()) {
    if (c == '"' || c == '\'') {
      lexLiteral(t, c);
      continue;
    }
    take(t);
    if (c == open) {
      ++depth;
    } else if (c == close) {
      if (--depth == 0) return;
    } else if (isLead(c) && src_.peek() >= 0) {
      take(t);
    }
  }
}

// A preprocessor line: "#" to the end of the line; a backslash before the
// line feed continues it on the next line.
void CActionTokenizer::lexLine(CToken& t) {
  t.kind = CTokenKind::Preprocessor;
  for (int c = src_.peek(); c >= 0 && c != '\n'; c = src_.peek()) {
    take(t);
    if ((c == '\\' || isLead(c)) && src_.peek() >= 0 && (c == '\\' || src_.peek() != '\n')) take(t);
  }
}

// A word (letters, digits, "_", ".") or a number (the same run from a digit,
// so that 0x1F and 10UL stay whole).
void CActionTokenizer::lexRun(CToken& t, bool word) {
  while (isRunChar(src_.peek())) take(t);
  if (!word) {
    t.kind = CTokenKind::Number;
  } else {
    t.kind = isCReservedWord(t.text) ? CTokenKind::Keyword : CTokenKind::Word;
  }
}

void CActionTokenizer::lexToken(CToken& t, int c) {
  switch (c) {
    case '/':
      take(t);
      if (src_.peek() == '/' || src_.peek() == '*') {
        lexComment(t, src_.peek() == '*');
      } else {
        t.kind = CTokenKind::Punctuation;
      }
      return;
    case '"':
    case '\'':
      t.kind = c == '"' ? CTokenKind::String : CTokenKind::Character;
      lexLiteral(t, c);
      return;
    case '(':
      t.kind = CTokenKind::Parenthesis;
      lexGroup(t, '(', ')');
      return;
    case '[':
      t.kind = CTokenKind::Bracket;
      lexGroup(t, '[', ']');
      return;
    case '#':
      lexLine(t);
      return;
    case ';':
      t.kind = CTokenKind::Semicolon;
      take(t);
      return;
    case '{':
      t.kind = CTokenKind::OpenBrace;
      take(t);
      ++braceDepth_;
      return;
    case '}':
      t.kind = CTokenKind::CloseBrace;
      take(t);
      --braceDepth_;
      return;
    default:
      break;
  }
  if (isLetter(c) || isDigit(c)) {
    lexRun(t, isLetter(c));
    return;
  }
  t.kind = CTokenKind::Punctuation;
  take(t);
  if (isLead(c) && src_.peek() >= 0 && src_.peek() != '\n') take(t);
}

void CActionTokenizer::lex(CToken& t) {
  t.resolved = false;
  for (;;) {
    t.text.clear();
    skipWhiteSpace();
    int c = src_.peek();
    if (c < 0) {
      t.kind = CTokenKind::End;
      t.endLine = line_;
      return;
    }
    bool blockComment = c == '/';  // confirmed below
    lexToken(t, c);
    t.endLine = line_;
    blockComment =
        blockComment && t.kind == CTokenKind::Comment && t.text.size() > 1 && t.text[1] == '*';
    if (blockComment && t.endLine == lastEndLine_) {
      // A block comment trailing code continues that code's line.
      out_.write(kActionContinue, kActionStatementLevel, 0, t.text, "");
      continue;
    }
    lastEndLine_ = t.endLine;
    return;
  }
}

CToken& CActionTokenizer::advance() {
  current_ = (current_ + 1) % kRing;
  if (ahead_ > 0) {
    --ahead_;
  } else {
    lex(ring_[current_]);
  }
  return ring_[current_];
}

// A word followed directly by a parenthesis group is a call: the two
// become one token. The look-ahead stays in the ring when it is not one.
void CActionTokenizer::resolveWord(CToken& word) {
  word.resolved = true;
  CToken& look = ring_[(current_ + 1) % kRing];
  if (ahead_ == 0) {
    lex(look);
    ahead_ = 1;
  }
  if (look.kind != CTokenKind::Parenthesis) return;
  word.kind = CTokenKind::Call;
  word.text.append(look.text, 0, kActionTokenMax - std::min(kActionTokenMax, word.text.size()));
  word.endLine = look.endLine;
  --ahead_;
}

const CToken& CActionTokenizer::next() {
  CToken& t = advance();
  if (t.kind == CTokenKind::Word && !t.resolved) resolveWord(t);
  return t;
}

void CActionTokenizer::pushBack() {
  current_ = (current_ + kRing - 1) % kRing;
  ++ahead_;
}

}  // namespace mora
