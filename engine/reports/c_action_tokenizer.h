// The tokenizer of the C action walker: comments, words, calls (a word and
// the parenthesis after it), keywords, numbers, whole parenthesis and
// bracket groups, literals, braces and single punctuation. It keeps the last
// tokens in a ring, so the walker can push back the token it has just read,
// and records the line each token ended on. A block comment that trails code
// on its line is not returned: it is written at once as a continuation
// record.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

#include "core/limits.h"
#include "core/text_encoding.h"
#include "reports/action_record.h"

namespace mora {

enum class CTokenKind {
  Comment,
  Word,
  Call,
  Keyword,
  Number,
  Parenthesis,
  Bracket,
  String,
  Character,
  Semicolon,
  OpenBrace,
  CloseBrace,
  Preprocessor,
  Punctuation,
  End,
};

struct CToken {
  CTokenKind kind = CTokenKind::End;
  std::string text;  // at most kActionTokenMax bytes
  long endLine = 0;
  bool resolved = false;  // a word whose look-ahead for a call was done
};

// Bytes of the source through a block buffer; a carriage return directly
// before a line feed is dropped.
class ActionByteSource {
 public:
  explicit ActionByteSource(std::istream& in) : in_(in), buffer_(kBlock) {}
  int peek();
  int get();

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  bool refill();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // The encoding of the source, decided block by block as it is read.
  InputEncoding encoding_;
};

class CActionTokenizer {
 public:
  CActionTokenizer(std::istream& in, ActionRecordWriter& out) : src_(in), out_(out) {}

  // The next token; the end token again and again at the end of the input.
  const CToken& next();
  // Makes the token just read the next one again (one step).
  void pushBack();
  long braceDepth() const { return braceDepth_; }

 private:
  CToken& advance();
  void resolveWord(CToken& word);
  void lex(CToken& t);
  void lexComment(CToken& t, bool block);
  void lexLiteral(CToken& t, int quote);
  void lexGroup(CToken& t, int open, int close);
  void lexLine(CToken& t);
  void lexRun(CToken& t, bool word);
  void lexToken(CToken& t, int c);
  int take(CToken& t);  // moves one byte into the token, counting lines
  void skipWhiteSpace();

  ActionByteSource src_;
  ActionRecordWriter& out_;
  std::array<CToken, kActionTokenRing> ring_;
  std::size_t current_ = 0;
  std::size_t ahead_ = 0;  // tokens lexed beyond the current one
  long line_ = 1;
  long lastEndLine_ = 0;  // where the last lexed token ended
  long braceDepth_ = 0;
};

}  // namespace mora
