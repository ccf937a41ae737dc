#include "reports/c_action_walker.h"

#include <string>
#include <vector>

#include "core/text.h"
#include "reports/c_action_tokenizer.h"

namespace mora {

namespace {

using K = CTokenKind;

// What is left to do when a nested walk has finished.
enum class Step {
  Statement,    // walk one statement
  Block,        // walk the next statement of a block, or end it
  AfterBranch,  // an if branch is done: else, else if, or the end
  CloseBlock,   // write the closing line
  CloseSwitch,  // leave a switch body and write its closing line
  CloseDo,      // "while (condition);" after a do block
};

struct Frame {
  Step step;
  long nest;
  long depth = 0;  // Block: the brace depth after its "{"
};

bool isWordLike(K kind) { return kind == K::Word || kind == K::Keyword || kind == K::Number; }

// The kinds that run on in a plain statement line.
bool continuesStatement(K kind) {
  switch (kind) {
    case K::Word:
    case K::Number:
    case K::Parenthesis:
    case K::Bracket:
    case K::String:
    case K::Character:
    case K::Keyword:
    case K::Punctuation:
      return true;
    default:
      return false;
  }
}

class Walker {
 public:
  Walker(std::istream& in, ActionRecordWriter& out) : tokens_(in, out), out_(out) {}
  void topLevel();

  // The constructs, each beginning after its keyword.
  void beginIf(const std::string& word, long nest);
  void beginLoop(const std::string& word, long nest);
  void beginSwitch(const std::string& word, long nest);
  void beginDo(const std::string& word, long nest);

 private:
  void run(Frame first);
  void statement(long nest);
  void block(const Frame& f);
  void afterBranch(long nest);
  void closeDo(long nest);
  void caseLabel(const std::string& word, long nest);
  std::string condition();
  std::string comments();

  void append(const CToken& t);
  void flush(long nest);
  void record(std::string_view kind, long nest, std::string_view first = {},
              std::string_view second = {}) {
    out_.write(kind, kActionStructureLevel, nest, first, second);
  }
  void push(Step step, long nest, long depth = 0) { stack_.push_back({step, nest, depth}); }

  CActionTokenizer tokens_;
  ActionRecordWriter& out_;
  std::vector<Frame> stack_;
  std::string pending_;
  long switches_ = 0;  // switch bodies open: case labels count only inside one
  long nest_ = 0;      // the nest of the statement being walked
};

void Walker::append(const CToken& t) {
  if (pending_.size() > kActionPendingMax) {
    flush(nest_);
  }
  if (!pending_.empty() && isWordLike(t.kind) && isAsciiAlnum(pending_.back())) pending_ += ' ';
  pending_ += t.text;
}

void Walker::flush(long nest) {
  if (pending_.empty()) return;
  out_.write(kActionNormal, kActionStatementLevel, nest, pending_, {});
  pending_.clear();
}

// The parenthesis group expected next; empty when something else follows.
std::string Walker::condition() {
  const CToken& t = tokens_.next();
  if (t.kind == K::Parenthesis) return t.text;
  tokens_.pushBack();
  return {};
}

// The comments that follow, each after one blank.
std::string Walker::comments() {
  std::string text;
  for (const CToken* t = &tokens_.next(); t->kind == K::Comment; t = &tokens_.next()) {
    text += ' ';
    text += t->text;
  }
  tokens_.pushBack();
  return text;
}

// Runs the walk that `first` starts until it and everything it opened are done.
void Walker::run(Frame first) {
  stack_.push_back(first);
  while (!stack_.empty()) {
    Frame f = stack_.back();
    stack_.pop_back();
    switch (f.step) {
      case Step::Statement:
        statement(f.nest);
        break;
      case Step::Block:
        block(f);
        break;
      case Step::AfterBranch:
        afterBranch(f.nest);
        break;
      case Step::CloseBlock:
        record(kActionEndBlock, f.nest);
        break;
      case Step::CloseSwitch:
        --switches_;
        record(kActionEndBlock, f.nest);
        break;
      case Step::CloseDo:
        closeDo(f.nest);
        break;
    }
  }
}

// A block goes on until the end of the input or its closing brace.
void Walker::block(const Frame& f) {
  if (tokens_.braceDepth() < f.depth) return;
  if (tokens_.next().kind == K::End) return;
  tokens_.pushBack();
  stack_.push_back(f);
  push(Step::Statement, f.nest);
}

// if (c) S [else if (c) S]... [else S]
void Walker::beginIf(const std::string&, long nest) {
  record(kActionBeginBlock, nest, "if", condition());
  push(Step::AfterBranch, nest);
  push(Step::Statement, nest + 1);
}

void Walker::afterBranch(long nest) {
  const CToken& elseToken = tokens_.next();
  if (elseToken.kind != K::Keyword || elseToken.text != "else") {
    tokens_.pushBack();
    record(kActionEndBlock, nest);
    return;
  }
  long elseLine = elseToken.endLine;
  const CToken& t = tokens_.next();
  if (t.kind == K::Keyword && t.text == "if" && t.endLine == elseLine) {
    record(kActionMiddleBlock, nest, "else if", condition());
    push(Step::AfterBranch, nest);
    push(Step::Statement, nest + 1);
    return;
  }
  // An "if" on a later line is a nested if inside the else branch.
  tokens_.pushBack();
  record(kActionMiddleBlock, nest, "else");
  push(Step::CloseBlock, nest);
  push(Step::Statement, nest + 1);
}

// while (c) S | for (...) S: a loop line, the body, a block end.
void Walker::beginLoop(const std::string& word, long nest) {
  record(kActionBeginLoop, nest, word, condition());
  push(Step::CloseBlock, nest);
  push(Step::Statement, nest + 1);
}

// switch (c) { ... }: without the brace the statement ends here.
void Walker::beginSwitch(const std::string&, long nest) {
  std::string head = condition();
  head += comments();
  record(kActionBeginBlock, nest, "switch", head);
  if (tokens_.next().kind != K::OpenBrace) return;
  ++switches_;
  push(Step::CloseSwitch, nest);
  push(Step::Block, nest + 1, tokens_.braceDepth());
}

// do { ... } while (c);
void Walker::beginDo(const std::string&, long nest) {
  std::string notes = comments();
  if (tokens_.next().kind != K::OpenBrace) return;
  record(kActionBeginBlock, nest, "do", notes);
  push(Step::CloseDo, nest);
  push(Step::Block, nest + 1, tokens_.braceDepth());
}

void Walker::closeDo(long nest) {
  const CToken& t = tokens_.next();
  if (t.kind != K::Keyword || t.text != "while") {
    tokens_.pushBack();
    return;
  }
  const CToken& c = tokens_.next();
  if (c.kind != K::Parenthesis) {
    tokens_.pushBack();
    return;
  }
  record(kActionEndLoop, nest, "while", c.text);
  if (tokens_.next().kind != K::Semicolon) tokens_.pushBack();
}

// case X: | default: — drawn at the depth of the switch line.
void Walker::caseLabel(const std::string& word, long nest) {
  if (switches_ == 0) return;
  std::string label;
  for (;;) {
    const CToken& t = tokens_.next();
    if (t.kind == K::End || (t.kind == K::Punctuation && t.text == ":")) break;
    label += t.text;
    if (label.size() >= kActionPendingMax) break;
  }
  record(kActionMiddleBlock, nest - 1, word, label);
}

// The keywords that open a construct, and where its walk begins.
struct Construct {
  std::string_view word;
  void (Walker::*begin)(const std::string& word, long nest);
};

constexpr Construct kConstructs[] = {
    {"if", &Walker::beginIf},         {"while", &Walker::beginLoop}, {"for", &Walker::beginLoop},
    {"switch", &Walker::beginSwitch}, {"do", &Walker::beginDo},
};

const Construct* findConstruct(std::string_view word) {
  for (const Construct& c : kConstructs)
    if (c.word == word) return &c;
  return nullptr;
}

// One statement at `nest`: plain tokens run on in the pending line until a
// ";" ends the statement; calls, comments and preprocessor lines stand on
// lines of their own; a keyword that opens a construct makes it the statement.
void Walker::statement(long nest) {
  nest_ = nest;
  for (;;) {
    const CToken& t = tokens_.next();
    switch (t.kind) {
      case K::Keyword:
        if (t.text == "case" || t.text == "default") {
          flush(nest);
          caseLabel(std::string(t.text), nest);
          continue;
        }
        if (const Construct* c = findConstruct(t.text)) {
          std::string word = t.text;
          flush(nest);
          (this->*c->begin)(word, nest);
          return;
        }
        append(t);
        continue;
      case K::Comment:
      case K::Preprocessor:
      case K::Call:
        flush(nest);
        append(t);
        flush(nest);
        continue;
      case K::Semicolon:
        flush(nest);
        return;
      case K::OpenBrace:
        // A bare block adds no depth and no lines.
        flush(nest);
        push(Step::Block, nest, tokens_.braceDepth());
        return;
      case K::CloseBrace:
      case K::End:
        flush(nest);
        return;
      default:
        break;
    }
    // Plain tokens: on until a token of another kind, which is read again.
    const CToken* run = &t;
    while (continuesStatement(run->kind)) {
      append(*run);
      run = &tokens_.next();
    }
    flush(nest);
    tokens_.pushBack();
  }
}

// Outside functions only headers, preprocessor lines and comments count.
void Walker::topLevel() {
  for (;;) {
    pending_.clear();
    const CToken& t = tokens_.next();
    if (t.kind == K::End) return;
    if (t.kind == K::Preprocessor || t.kind == K::Comment) {
      out_.write(kActionNormal, kActionStructureLevel, 0, t.text, {});
    } else if (t.kind == K::Call) {
      std::string header = t.text;
      std::string notes = comments();
      if (tokens_.next().kind == K::OpenBrace) {
        record(kActionBeginBlock, 0, header, notes);
        run({Step::Block, 1, tokens_.braceDepth()});
        record(kActionEndBlock, 0);
      } else {
        tokens_.pushBack();
      }
      record(kActionSpace, 0);
    }
  }
}

}  // namespace

void walkCActions(std::istream& in, ActionRecordWriter& out) {
  Walker walker(in, out);
  walker.topLevel();
}

}  // namespace mora
