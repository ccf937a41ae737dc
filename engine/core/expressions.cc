#include "core/expressions.h"

#include <limits>
#include <string>

#include "core/control_commands.h"
#include "core/dispatch.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/nesting_budget.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

constexpr std::string_view kOperatorChars = "=<>+&|!-/%*";
// Where the operands of a comparison end.
constexpr std::string_view kComparisonEnd = "=<>!|&()";
constexpr std::string_view kComparisonOperatorChars = "=<>!|&";
constexpr std::string_view kLogicalOperatorChars = "&|";

enum class Compare { Equal, NotEqual, Greater, GreaterEqual, Less, LessEqual };
struct ComparisonOperator {
  std::string_view text;
  Compare compare;
};
constexpr ComparisonOperator kComparisonOperators[] = {
    {"==", Compare::Equal},        {"!=", Compare::NotEqual},  {"<>", Compare::NotEqual},
    {">=", Compare::GreaterEqual}, {"<=", Compare::LessEqual}, {">", Compare::Greater},
    {"<", Compare::Less},
};

bool contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

std::string_view runOf(std::string_view text, std::string_view set) {
  std::size_t n = 0;
  while (n < text.size() && contains(set, text[n])) ++n;
  return text.substr(0, n);
}

template <typename T>
bool holds(T order, Compare compare) {
  switch (compare) {
    case Compare::Equal:
      return order == 0;
    case Compare::NotEqual:
      return order != 0;
    case Compare::Greater:
      return order > 0;
    case Compare::GreaterEqual:
      return order >= 0;
    case Compare::Less:
      return order < 0;
    case Compare::LessEqual:
      return order <= 0;
  }
  return false;
}

// Integers are 32 bits and wrap: scripts see the same numbers on every
// platform, whatever the width of the host's long.
std::int32_t toInt32(std::uint32_t v) { return static_cast<std::int32_t>(v); }
std::int32_t readInt(std::string_view text) {
  return static_cast<std::int32_t>(parseLeadingInt(text));
}

// Turns command output on for one command substitution and restores what
// was there before, so substitutions nest.
class CaptureScope {
 public:
  explicit CaptureScope(Engine& e)
      : e_(e), wasCapturing_(e.out.capturing), saved_(std::move(e.out.capture)) {
    e_.out.capturing = true;
    e_.out.capture.clear();
  }
  ~CaptureScope() {
    e_.out.capturing = wasCapturing_;
    e_.out.capture = std::move(saved_);
  }
  std::string take() { return std::move(e_.out.capture); }

 private:
  Engine& e_;
  bool wasCapturing_;
  std::string saved_;
};

// One evaluation over one text; `pos_` moves forward as the text is read.
// Every method returns false after raising exactly one message.
class Evaluator {
 public:
  Evaluator(Engine& e, std::string_view text) : e_(e), text_(text) {}

  std::size_t position() const { return pos_; }

  // value: call | integer | string | substitution
  bool value(std::string& out, std::string_view terms) {
    skip();
    char c = peek();
    if (c == '$') {
      std::size_t length = variableNameLength(rest());
      if (length == 1) return fail("FIEU012", rest());
      if (!callFollows(length) && isNumericName(rest().substr(0, length)))
        return integerValue(out, terms);
      return stringValue(out, terms);
    }
    if (c == '"' || wordAt("true") || wordAt("false")) return stringValue(out, terms);
    if (isAsciiDigit(c)) return integerValue(out, terms);
    if (c == '`') {
      // A command's output is text.
      if (!substitution(out, terms)) return false;
      lastWasInteger_ = false;
      return true;
    }
    return fail("FIEU012", rest());
  }

  // string: term { "+" term }
  bool string(std::string& out, std::string_view terms) {
    out.clear();
    for (;;) {
      skip();
      std::string piece;
      bool ended = false;
      if (!stringTerm(piece, terms, ended)) return false;
      if (ended) return true;
      out += piece;
      skip();
      if (atEnd() || contains(terms, peek())) return true;
      std::string_view op = operatorRun(rest());
      if (op.empty()) return fail("FIEU005", rest());
      if (op != "+") return fail("FIEU005", op);
      ++pos_;
    }
  }

  // The whole integer expression, which must end at a terminator.
  bool integer(std::int32_t& out, std::string_view terms) {
    std::uint32_t v = 0;
    if (!sum(v)) return false;
    skip();
    if (!atEnd() && !contains(terms, peek())) return fail("FIEU012", rest());
    out = toInt32(v);
    return true;
  }

  // condition: "(" comparison { ("&&" | "||") comparison } ")"
  bool condition(bool& truth) {
    skip();
    if (peek() != '(') return fail("FIEU003", "(");
    ++pos_;
    if (!comparison(truth)) return false;
    for (;;) {
      skip();
      if (atEnd()) return fail("FIEU003", ")");
      if (peek() == ')') {
        ++pos_;
        return true;
      }
      std::string_view op = runOf(rest(), kLogicalOperatorChars);
      if (op != "&&" && op != "||") return fail("FIEU028", op);
      pos_ += op.size();
      bool next = false;
      if (!comparison(next)) return false;
      truth = op == "&&" ? (truth && next) : (truth || next);
    }
  }

 private:
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  std::string_view rest() const { return text_.substr(std::min(pos_, text_.size())); }
  void skip() {
    while (!atEnd() && isBlank(text_[pos_])) ++pos_;
  }
  bool fail(std::string_view code, std::string_view argument = {}) {
    raiseMessage(e_, code, argument);
    return false;
  }

  bool wordAt(std::string_view word) const {
    std::string_view r = rest();
    if (r.substr(0, word.size()) != word) return false;
    return r.size() == word.size() || !(isAsciiAlnum(r[word.size()]) || r[word.size()] == '_');
  }

  // Whether "(" follows, after blanks, the name of `length` characters at pos_.
  bool callFollows(std::size_t length) const {
    std::size_t i = pos_ + length;
    while (i < text_.size() && isBlank(text_[i])) ++i;
    return length > 1 && i < text_.size() && text_[i] == '(';
  }

  bool integerValue(std::string& out, std::string_view terms) {
    std::int32_t n = 0;
    if (!integer(n, terms)) return false;
    out = std::to_string(n);
    lastWasInteger_ = true;
    return true;
  }

  bool stringValue(std::string& out, std::string_view terms) {
    if (!string(out, terms)) return false;
    lastWasInteger_ = false;
    return true;
  }

  // "`" command "`": the command's printed output.
  bool substitution(std::string& out, std::string_view terms) {
    std::size_t close = std::string_view::npos;
    bool inQuote = false;
    for (std::size_t i = pos_ + 1; i < text_.size(); ++i) {
      char c = text_[i];
      if (std::size_t n = charLength(text_, i); n > 1) {
        i += n - 1;
      } else if (c == '"') {
        inQuote = !inQuote;
      } else if (c == '`' && !inQuote) {
        close = i;
        break;
      }
    }
    if (close == std::string_view::npos) return fail("FIEU003", "`");
    std::string_view command = trim(text_.substr(pos_ + 1, close - pos_ - 1));
    {
      CaptureScope capture(e_);
      dispatchCommand(e_, command);
      out = capture.take();
    }
    pos_ = close + 1;
    skip();
    if (!atEnd() && !contains(terms, peek())) return fail("FIEU005", rest());
    return true;
  }

  // string term: quoted text | variable | call | true | false
  bool stringTerm(std::string& out, std::string_view terms, bool& ended) {
    char c = peek();
    if (c == '"') return quoted(out);
    if (c == '$') return readVariable(out, "FIEU015");
    if (wordAt("true")) {
      pos_ += 4;
      out = "1";
      return true;
    }
    if (wordAt("false")) {
      pos_ += 5;
      out.clear();
      return true;
    }
    if (!atEnd() && contains(terms, c)) {
      ended = true;
      return true;
    }
    return fail("FIEU012", rest());
  }

  bool quoted(std::string& out) {
    for (std::size_t i = pos_ + 1; i < text_.size(); ++i) {
      if (std::size_t n = charLength(text_, i); n > 1) {
        i += n - 1;
      } else if (text_[i] == '"') {
        out.assign(text_.substr(pos_ + 1, i - pos_ - 1));
        pos_ = i + 1;
        return true;
      }
    }
    return fail("FIEU003", "\"");
  }

  // A variable, with its optional index, or a function call; pos_ is at "$".
  bool readVariable(std::string& out, std::string_view bareCode) {
    std::size_t length = variableNameLength(rest());
    if (length == 1) return fail(bareCode);
    if (callFollows(length)) return call(out, length);
    std::string_view name = text_.substr(pos_, length);
    pos_ += length;
    long index = kScalarIndex;
    if (!readIndex(index)) return false;
    return getVariable(e_, name, index, out);
  }

  // Optional "[" integer "]". A negative index reads outside the array.
  bool readIndex(long& index) {
    std::size_t save = pos_;
    skip();
    if (peek() != '[') {
      pos_ = save;
      return true;
    }
    NestingLevel level(e_, "FIEC018");
    if (!level.entered()) return false;
    ++pos_;
    std::int32_t n = 0;
    auto consumed = evaluateInteger(e_, rest(), n, "]");
    if (!consumed) return false;
    pos_ += *consumed;
    if (peek() != ']') return fail("FIEU003", "]");
    ++pos_;
    index = n < 0 ? std::numeric_limits<long>::max() : n;
    return true;
  }

  // "$name(args)": runs the call and yields $_r.
  bool call(std::string& out, std::size_t length) {
    std::size_t open = text_.find('(', pos_ + length);
    auto found = mora::matchingParenthesis(text_, open);
    if (!found) return fail("FIEU003", ")");
    std::size_t close = *found;
    std::string callText(text_.substr(pos_ + 1, length - 1));
    callText.append(text_.substr(open, close - open + 1));
    pos_ = close + 1;
    if (!cmdCall(e_, callText)) return false;
    return getVariable(e_, "$_r", kScalarIndex, out);
  }

  // sum: ["+" | "-"] product { ("+" | "-") product }
  bool sum(std::uint32_t& out) {
    skip();
    bool negative = false;
    if (peek() == '+' || peek() == '-') negative = text_[pos_++] == '-';
    if (!product(out)) return false;
    if (negative) out = 0u - out;
    for (;;) {
      skip();
      char op = peek();
      if (op != '+' && op != '-') return true;
      ++pos_;
      std::uint32_t right = 0;
      if (!product(right)) return false;
      out = op == '+' ? out + right : out - right;
    }
  }

  // product: factor { ("*" | "/" | "%") factor }
  bool product(std::uint32_t& out) {
    if (!factor(out)) return false;
    for (;;) {
      skip();
      char op = peek();
      if (op != '*' && op != '/' && op != '%') return true;
      ++pos_;
      std::uint32_t right = 0;
      if (!factor(right)) return false;
      if (op == '*') {
        out *= right;
        continue;
      }
      std::int32_t a = toInt32(out), b = toInt32(right);
      if (b == 0) return fail("FIER001");
      if (a == std::numeric_limits<std::int32_t>::min() && b == -1) {
        out = op == '/' ? out : 0;  // the only quotient that does not fit wraps to itself
      } else {
        out = static_cast<std::uint32_t>(op == '/' ? a / b : a % b);
      }
    }
  }

  // factor: number | variable | call | "(" sum ")"
  bool factor(std::uint32_t& out) {
    skip();
    char c = peek();
    if (isAsciiDigit(c)) {
      out = 0;
      while (isAsciiDigit(peek()))
        out = out * 10u + static_cast<std::uint32_t>(text_[pos_++] - '0');
      return true;
    }
    if (c == '$') {
      std::string value;
      if (!readVariable(value, "FIEU015")) return false;
      out = static_cast<std::uint32_t>(readInt(value));
      return true;
    }
    if (c == '(') {
      NestingLevel level(e_, "FIEC018");
      if (!level.entered()) return false;
      ++pos_;
      if (!sum(out)) return false;
      skip();
      if (peek() != ')') return fail("FIEU003", ")");
      ++pos_;
      return true;
    }
    return fail("FIEU005", rest());
  }

  // comparison: {"!"} ( "(" comparison ")" | value [operator value] )
  bool comparison(bool& truth) {
    bool negate = false;
    skip();
    while (peek() == '!') {
      negate = !negate;
      ++pos_;
      skip();
    }
    if (peek() == '(') {
      NestingLevel level(e_, "FIEC018");
      if (!level.entered()) return false;
      ++pos_;
      bool inner = false;
      if (!comparison(inner)) return false;
      skip();
      if (peek() != ')') return fail("FIEU003", ")");
      ++pos_;
      truth = inner != negate;
      return true;
    }
    std::string left;
    if (!value(left, kComparisonEnd)) return false;
    bool leftIsInteger = lastWasInteger_;
    skip();
    std::string_view op = runOf(rest(), kComparisonOperatorChars);
    const ComparisonOperator* found = nullptr;
    for (const auto& candidate : kComparisonOperators)
      if (candidate.text == op) found = &candidate;
    if (!found) {
      char next = peek();
      if (next == ')' || next == '&' || next == '|') {
        truth = isTrue(left) != negate;
        return true;
      }
      // Also at the end of the text: the operator read there is empty.
      return fail("FIEU028", op);
    }
    pos_ += op.size();
    // A negated left operand becomes "1" when it is empty and "" otherwise
    // (so a negated "0" is "", not "1").
    if (negate) left = left.empty() ? "1" : "";
    std::string right;
    if (!value(right, kComparisonEnd)) return false;
    if (leftIsInteger) {
      std::int32_t a = readInt(left), b = readInt(right);
      truth = holds(a < b ? -1 : (a > b ? 1 : 0), found->compare);
    } else {
      truth = holds(left.compare(right), found->compare);
    }
    return true;
  }

  Engine& e_;
  std::string_view text_;
  std::size_t pos_ = 0;
  // The kind of the value read last: a comparison compares numbers when its
  // left operand is an integer.
  bool lastWasInteger_ = false;
};

}  // namespace

bool isNameChar(char c) { return isAsciiAlnum(c) || c == '.' || c == '_' || c == '$' || c == '%'; }

std::size_t variableNameLength(std::string_view text) {
  if (text.empty() || text[0] != '$') return 0;
  std::size_t n = 1;
  while (n < text.size() && isNameChar(text[n])) ++n;
  return n;
}

std::string_view operatorRun(std::string_view text) { return runOf(text, kOperatorChars); }

Consumed evaluateValue(Engine& e, std::string_view text, std::string& value,
                       std::string_view terminators) {
  Evaluator ev(e, text);
  if (!ev.value(value, terminators)) return std::nullopt;
  return ev.position();
}

Consumed evaluateString(Engine& e, std::string_view text, std::string& value,
                        std::string_view terminators) {
  Evaluator ev(e, text);
  if (!ev.string(value, terminators)) return std::nullopt;
  return ev.position();
}

Consumed evaluateInteger(Engine& e, std::string_view text, std::int32_t& number,
                         std::string_view terminators) {
  Evaluator ev(e, text);
  if (!ev.integer(number, terminators)) return std::nullopt;
  return ev.position();
}

Consumed evaluateCondition(Engine& e, std::string_view text, bool& truth) {
  Evaluator ev(e, text);
  if (!ev.condition(truth)) return std::nullopt;
  return ev.position();
}

}  // namespace mora
