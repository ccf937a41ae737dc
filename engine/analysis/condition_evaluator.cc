#include "analysis/condition_evaluator.h"

#include <array>
#include <vector>

#include "analysis/define_table.h"
#include "core/text.h"

namespace mora {

namespace {

bool isOperatorChar(char c) {
  return c == '!' || c == '+' || c == '-' || c == '<' || c == '=' || c == '>';
}
bool isParenthesis(char c) { return c == '(' || c == ')'; }
bool isNameStart(char c) {
  return isAsciiAlpha(c) || c == '_' || isMultiByteStart(static_cast<unsigned char>(c));
}

using Binary = std::int32_t (*)(std::int32_t, std::int32_t);

// Sums wrap around in 32 bits instead of overflowing.
std::int32_t wrap(std::uint32_t v) { return static_cast<std::int32_t>(v); }

struct Operator {
  std::string_view text;
  Binary apply;
};

constexpr std::array<Operator, 8> kOperators = {{
    {"==", [](std::int32_t a, std::int32_t b) -> std::int32_t { return a == b; }},
    {"!=", [](std::int32_t a, std::int32_t b) -> std::int32_t { return a != b; }},
    {">", [](std::int32_t a, std::int32_t b) -> std::int32_t { return a > b; }},
    {">=", [](std::int32_t a, std::int32_t b) -> std::int32_t { return a >= b; }},
    {"<", [](std::int32_t a, std::int32_t b) -> std::int32_t { return a < b; }},
    {"<=", [](std::int32_t a, std::int32_t b) -> std::int32_t { return a <= b; }},
    {"+",
     [](std::int32_t a, std::int32_t b) {
       return wrap(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
     }},
    {"-",
     [](std::int32_t a, std::int32_t b) {
       return wrap(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
     }},
}};

const Operator* findOperator(std::string_view text) {
  for (const Operator& op : kOperators)
    if (op.text == text) return &op;
  return nullptr;
}

std::size_t runLength(std::string_view text, std::size_t pos, bool (*member)(char)) {
  std::size_t i = pos;
  while (i < text.size() && member(text[i])) ++i;
  return i - pos;
}

class ExpressionReader {
 public:
  explicit ExpressionReader(std::string_view text) : text_(text) {}

  ConditionResult run() {
    // One entry per open parenthesis: whether its operand is negated.
    std::vector<bool> open;
    std::int32_t value = 0;
    if (!leftOperand(open, value)) return fail(ConditionError::LValueExpected);
    bool firstOperator = true;
    for (;;) {
      skip();
      if (atEnd()) {
        if (!open.empty()) return fail(ConditionError::CloseExpected);
        return {value, ConditionError::None};
      }
      if (text_[pos_] == ')') {
        // A ")" with nothing open ends the expression; the rest is not read.
        if (open.empty()) return {value, ConditionError::None};
        ++pos_;
        if (open.back()) value = value == 0 ? 1 : 0;
        open.pop_back();
        firstOperator = true;
        continue;
      }
      std::size_t length = runLength(text_, pos_, isOperatorChar);
      if (length == 0)
        return fail(firstOperator ? ConditionError::OpeCodeExpected
                                  : ConditionError::EndCharInvalid);
      const Operator* op = findOperator(text_.substr(pos_, length));
      if (!op) return fail(ConditionError::InvalidOpeCode);
      pos_ += length;
      std::int32_t right = 0;
      if (!number(right)) return fail(ConditionError::RValueExpected);
      value = op->apply(value, right);
      firstOperator = false;
    }
  }

 private:
  static ConditionResult fail(ConditionError error) { return {0, error}; }

  void skip() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
  }
  bool atEnd() const { return pos_ >= text_.size() || text_[pos_] == '\n'; }

  // "!"s, then "(" (opening a level, whose own operand follows) or a number.
  bool leftOperand(std::vector<bool>& open, std::int32_t& value) {
    for (;;) {
      bool negate = false;
      for (skip(); pos_ < text_.size() && text_[pos_] == '!'; skip()) {
        negate = !negate;
        ++pos_;
      }
      if (pos_ < text_.size() && text_[pos_] == '(') {
        open.push_back(negate);
        ++pos_;
        continue;
      }
      if (!number(value)) return false;
      if (negate) value = value == 0 ? 1 : 0;
      return true;
    }
  }

  // Optional sign, then decimal digits; blanks may stand between them, as
  // the substitution puts a blank in front of every run.
  bool number(std::int32_t& value) {
    skip();
    std::size_t start = pos_;
    std::string sign;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      sign = text_[pos_++];
      skip();
    }
    std::size_t digits = runLength(text_, pos_, isAsciiDigit);
    if (digits == 0) {
      pos_ = start;
      return false;
    }
    value = leadingInt32(sign + std::string(text_.substr(pos_, digits)));
    pos_ += digits;
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

ConditionToken conditionTokenAt(std::string_view text, std::size_t pos) {
  using Class = ConditionToken::Class;
  struct Run {
    bool (*member)(char);
    Class cls;
  };
  static constexpr std::array<Run, 4> kRuns = {{
      {isOperatorChar, Class::Operator},
      {isAsciiDigit, Class::Digits},
      {isBlank, Class::Blanks},
      {isParenthesis, Class::Parentheses},
  }};
  char c = text[pos];
  for (const Run& run : kRuns)
    if (run.member(c)) return {run.cls, text.substr(pos, runLength(text, pos, run.member))};
  if (isNameStart(c)) {
    std::size_t length = macroNameLength(text, pos);
    if (length > 0) return {Class::Name, text.substr(pos, length)};
  }
  return {Class::Other, text.substr(pos, 1)};
}

std::string substituteMacros(std::string_view text, const DefineTable& defines) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t pos = 0; pos < text.size();) {
    ConditionToken token = conditionTokenAt(text, pos);
    pos += token.text.size();
    if (token.cls != ConditionToken::Class::Name) {
      out += ' ';
      out += token.text;
      continue;
    }
    const DefineRecord* record = defines.find(token.text);
    if (!record) {
      out += " 0 ";
    } else if (record->kind == DefineKind::None) {
      out += ' ';
    } else {
      out += ' ' + std::to_string(record->value) + ' ';
    }
  }
  return out;
}

ConditionResult evaluateExpression(std::string_view text) { return ExpressionReader(text).run(); }

std::int32_t evaluateCondition(std::string_view text, const DefineTable& defines) {
  return evaluateExpression(substituteMacros(text, defines)).value;
}

}  // namespace mora
