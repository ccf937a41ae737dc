#include "core/word_argument.h"

#include "core/engine.h"
#include "core/expressions.h"
#include "core/file_list.h"
#include "core/limits.h"
#include "core/messages.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

std::size_t blanksAt(std::string_view text) { return text.size() - skipBlanks(text).size(); }

// A word takes the name characters of a file list except the wildcards "?"
// and "*"; a text holding them (a directory mask) is written in quotes.
bool isNameWordChar(char c) { return c != '?' && c != '*' && isFileNameChar(c); }

}  // namespace

WordArgument readFileNameWord(std::string_view text) {
  std::size_t start = blanksAt(text);
  std::size_t i = start;
  while (i < text.size()) {
    // A multi-byte character is a name character, whatever its bytes are.
    if (std::size_t n = charLength(text, i); n > 1) {
      i += n;
    } else if (isNameWordChar(text[i])) {
      ++i;
    } else {
      break;
    }
  }
  return {std::string(text.substr(start, i - start)), i};
}

WordArgument readKeywordWord(std::string_view text) {
  std::size_t start = blanksAt(text);
  std::size_t i = start;
  while (i < text.size() && (isAsciiAlnum(text[i]) || text[i] == '_')) ++i;
  return {std::string(text.substr(start, i - start)), i};
}

std::optional<WordArgument> readWordArgument(Engine& e, std::string_view text) {
  std::size_t start = blanksAt(text);
  std::string_view s = text.substr(start);
  if (s.empty()) return WordArgument{{}, start};
  if (s[0] == kQuote) {
    std::size_t end = s.find(kQuote, 1);
    if (end == std::string_view::npos) {
      raiseMessage(e, "FIEU003", "\"");
      return std::nullopt;
    }
    return WordArgument{std::string(s.substr(1, end - 1)), start + end + 1};
  }
  if (s[0] == kVariableMark) {
    std::size_t end = variableNameLength(s);
    if (end <= 1) {
      raiseMessage(e, "FIEU015");
      return std::nullopt;
    }
    WordArgument arg{{}, start + end};
    if (!getVariable(e, s.substr(0, end), kScalarIndex, arg.value)) return std::nullopt;
    return arg;
  }
  if (s[0] == '<') {
    std::size_t end = s.find('>');
    if (end == std::string_view::npos) {
      raiseMessage(e, "FIEU003", ">");
      return std::nullopt;
    }
    return WordArgument{std::string(s.substr(0, end + 1)), start + end + 1};
  }
  return readFileNameWord(text);
}

std::optional<WordArgument> readNameOrValue(Engine& e, std::string_view text,
                                            std::string_view terminators) {
  std::size_t start = blanksAt(text);
  std::string_view s = text.substr(start);
  if (s.empty() || (s[0] != kVariableMark && s[0] != kQuote)) return readFileNameWord(text);
  WordArgument arg;
  Consumed used = evaluateValue(e, s, arg.value, terminators);
  if (!used) return std::nullopt;
  arg.consumed = start + *used;
  return arg;
}

bool nothingFollows(Engine& e, std::string_view rest) {
  if (trim(rest).empty()) return true;
  raiseMessage(e, "FIEU005", trim(rest));
  return false;
}

}  // namespace mora
