#include "reports/line_action_classifier.h"

#include <array>

#include "core/text.h"
#include "reports/action_record.h"

namespace mora {

namespace {

// Whether a rule asks for the line to end with "then".
enum class Then { Any, Ends, DoesNotEnd };

// One row: the first word, the second word ("" for any or none), the test
// on "then" and the action. The first matching row wins, so rows with a
// second word stand before the row of the same first word without one.
struct LineRule {
  std::string_view first;
  std::string_view second;
  Then then;
  LineAction action;
};

constexpr LineAction kStatement{kActionNormal, NestMove::Statement};
constexpr LineAction kHeader{kActionBeginBlock, NestMove::Open};

constexpr std::array<LineRule, 21> kLineRules = {{
    {"if", "", Then::Ends, {kActionBeginBlock, NestMove::Open}},
    {"if", "", Then::DoesNotEnd, {kActionBeginBlock, NestMove::OneLine}},
    {"elseif", "", Then::Ends, {kActionMiddleBlock, NestMove::Branch}},
    {"elseif", "", Then::DoesNotEnd, {kActionEndBlock, NestMove::Close}},
    {"else", "", Then::Any, {kActionMiddleBlock, NestMove::Branch}},
    {"end", "if", Then::Any, {kActionEndBlock, NestMove::Close}},
    {"end", "sub", Then::Any, {kActionEndBlock, NestMove::Close}},
    {"end", "function", Then::Any, {kActionEndBlock, NestMove::Close}},
    {"end", "select", Then::Any, {kActionEndBlock, NestMove::Close}},
    {"while", "", Then::Any, {kActionBeginLoop, NestMove::Open}},
    {"wend", "", Then::Any, {kActionEndBlock, NestMove::Close}},
    {"do", "while", Then::Any, {kActionBeginLoop, NestMove::Open}},
    {"do", "until", Then::Any, {kActionBeginLoop, NestMove::Open}},
    {"do", "", Then::Any, {kActionBeginBlock, NestMove::Open}},
    {"loop", "while", Then::Any, {kActionEndLoop, NestMove::Close}},
    {"loop", "until", Then::Any, {kActionEndLoop, NestMove::Close}},
    {"loop", "", Then::Any, {kActionEndBlock, NestMove::Close}},
    {"select", "", Then::Any, {kActionBeginBlock, NestMove::Open}},
    {"case", "", Then::Any, {kActionMiddleBlock, NestMove::Branch}},
    {"for", "", Then::Any, {kActionBeginLoop, NestMove::Open}},
    {"next", "", Then::Any, {kActionEndBlock, NestMove::Close}},
}};

// Words that may stand before a procedure header's keyword, any number of times.
constexpr std::array<std::string_view, 3> kHeaderModifiers = {"public", "static", "private"};

// The words that begin a procedure header, by language.
constexpr std::array<std::string_view, 2> kBasicHeaderWords = {"sub", "function"};
constexpr std::array<std::string_view, 2> kPascalHeaderWords = {"procedure", "function"};

// The word of the rules ends at anything but letters, digits, "_", "." and "!".
bool isLineWordChar(char c) { return isAsciiAlnum(c) || c == '_' || c == '.' || c == '!'; }

std::string_view wordAt(std::string_view s, std::size_t& pos) {
  while (pos < s.size() && isBlank(s[pos])) ++pos;
  std::size_t start = pos;
  while (pos < s.size() && isLineWordChar(s[pos])) ++pos;
  return s.substr(start, pos - start);
}

template <std::size_t N>
bool isOneOf(std::string_view word, const std::array<std::string_view, N>& words) {
  for (std::string_view w : words)
    if (equalsNoCase(word, w)) return true;
  return false;
}

bool endsWithThen(std::string_view s) {
  constexpr std::string_view kThen = "then";
  return s.size() > kThen.size() && equalsNoCase(s.substr(s.size() - kThen.size()), kThen);
}

bool thenMatches(Then then, std::string_view stripped) {
  if (then == Then::Any) return true;
  return endsWithThen(stripped) == (then == Then::Ends);
}

bool isHeaderWord(std::string_view word, LineLanguage language) {
  return language == LineLanguage::Basic ? isOneOf(word, kBasicHeaderWords)
                                         : isOneOf(word, kPascalHeaderWords);
}

}  // namespace

LineAction classifyActionLine(std::string_view stripped, LineLanguage language) {
  if (stripped.empty() || !isLineWordChar(stripped.front())) return kStatement;
  std::size_t pos = 0;
  std::string_view first = wordAt(stripped, pos);
  std::string_view word = first;
  while (isOneOf(word, kHeaderModifiers)) word = wordAt(stripped, pos);
  if (isHeaderWord(word, language)) return kHeader;
  if (word.data() != first.data()) return kStatement;  // modifiers before anything else

  std::string_view second = wordAt(stripped, pos);
  for (const LineRule& rule : kLineRules) {
    if (!equalsNoCase(first, rule.first)) continue;
    if (!rule.second.empty() && !equalsNoCase(second, rule.second)) continue;
    if (thenMatches(rule.then, stripped)) return rule.action;
  }
  return kStatement;
}

}  // namespace mora
