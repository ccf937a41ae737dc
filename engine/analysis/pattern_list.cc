#include "analysis/pattern_list.h"
#include "core/file_list.h"

#include "core/engine.h"
#include "core/expressions.h"
#include "core/line_reader.h"
#include "core/messages.h"
#include "core/source_files.h"
#include "core/text.h"
#include "core/variables.h"

namespace mora {

namespace {

constexpr std::string_view kPatternPunctuation = ".\\/_-~%!}#@[]+$&{():?*";

bool isPatternChar(char c, bool inParens) {
  if (inParens && (c == '(' || c == ')')) return false;
  return isAsciiAlnum(c) || static_cast<unsigned char>(c) >= 0x80 ||
         kPatternPunctuation.find(c) != std::string_view::npos;
}

std::size_t blanksAt(std::string_view s) { return s.size() - skipBlanks(s).size(); }

// One item at the start of `s`: its names (several for a list file) and the
// characters it took; std::nullopt after a message.
std::optional<std::size_t> readItem(Engine& e, std::string_view s, bool inParens,
                                    std::vector<std::string>& names) {
  std::size_t start = blanksAt(s);
  std::string_view t = s.substr(start);
  if (!t.empty() && t[0] == '"') {
    std::size_t end = t.find('"', 1);
    if (end == std::string_view::npos) {
      raiseMessage(e, "FIEU003", "\"");
      return std::nullopt;
    }
    names.emplace_back(t.substr(1, end - 1));
    return start + end + 1;
  }
  if (!t.empty() && t[0] == '<') {
    std::size_t end = t.find('>');
    if (end == std::string_view::npos) {
      raiseMessage(e, "FIEU003", ">");
      return std::nullopt;
    }
    if (!readListFile(e, std::string(t.substr(1, end - 1)), names)) return std::nullopt;
    return start + end + 1;
  }
  if (!t.empty() && t[0] == '$') {
    std::size_t end = 1;
    while (end < t.size() && isNameChar(t[end])) ++end;
    std::string value;
    if (!getVariable(e, t.substr(0, end), kScalarIndex, value)) return std::nullopt;
    names.push_back(value);
    return start + end;
  }
  std::size_t end = 0;
  while (end < t.size() && isPatternChar(t[end], inParens)) end += charLength(t, end);
  if (end == 0) {
    raiseMessage(e, "FIEU007");
    return std::nullopt;
  }
  names.emplace_back(t.substr(0, end));
  return start + end;
}

}  // namespace

bool startsWithKeyword(std::string_view text, std::string_view word, std::size_t* consumed) {
  std::size_t start = blanksAt(text);
  std::string_view t = text.substr(start);
  if (t.size() < word.size() || !equalsNoCase(t.substr(0, word.size()), word)) return false;
  if (t.size() > word.size() && (isAsciiAlnum(t[word.size()]) || t[word.size()] == '_'))
    return false;
  if (consumed) *consumed = start + word.size();
  return true;
}

std::optional<ParsedPatterns> parsePatternList(Engine& e, std::string_view text) {
  ParsedPatterns result;
  std::size_t pos = blanksAt(text);
  bool inParens = pos < text.size() && text[pos] == '(';
  if (inParens) ++pos;
  for (;;) {
    std::vector<std::string> names;
    auto took = readItem(e, text.substr(pos), inParens, names);
    if (!took) return std::nullopt;
    pos += *took;
    std::size_t asLength = 0;
    std::string newName(kNoNewName);
    if (startsWithKeyword(text.substr(pos), "as", &asLength)) {
      std::vector<std::string> renamed;
      auto took2 = readItem(e, text.substr(pos + asLength), inParens, renamed);
      if (!took2) return std::nullopt;
      pos += asLength + *took2;
      if (!renamed.empty()) newName = renamed.front();
    }
    for (auto& name : names) result.patterns.push_back({std::move(name), newName});
    std::size_t blanks = blanksAt(text.substr(pos));
    if (pos + blanks < text.size() && text[pos + blanks] == ',') {
      pos += blanks + 1;
      continue;
    }
    break;
  }
  if (inParens) {
    pos += blanksAt(text.substr(pos));
    if (pos >= text.size() || text[pos] != ')') {
      raiseMessage(e, "FIEU003", ")");
      return std::nullopt;
    }
    ++pos;
  }
  result.consumed = pos;
  return result;
}

}  // namespace mora
