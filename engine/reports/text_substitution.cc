#include "reports/text_substitution.h"

#include <istream>
#include <optional>

#include "core/engine.h"
#include "core/expressions.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/staging.h"
#include "core/text.h"

namespace mora {

namespace {

std::size_t findText(const std::string& line, const std::string& text, std::size_t from) {
  for (std::size_t i = from; i + text.size() <= line.size();) {
    if (line.compare(i, text.size(), text) == 0) return i;
    i += charLength(line, i);
  }
  return std::string::npos;
}

bool isBoundary(std::string_view s, std::size_t i) {
  return i >= s.size() || isBlank(s[i]) || s[i] == kQuote;
}

// The position of the standalone word `word` (any case) at or after `from`,
// outside quoted and backquoted text; npos when there is none.
std::size_t findWord(std::string_view s, std::string_view word, std::size_t from) {
  char quote = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
    } else if (quote) {
      if (c == quote) quote = 0;
    } else if (c == kQuote || c == kBackquote) {
      quote = c;
    } else if (i >= from && (i == 0 || isBoundary(s, i - 1)) &&
               equalsNoCase(s.substr(i, word.size()), word) && isBoundary(s, i + word.size())) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Splits at the commas that are outside quoted and backquoted text.
std::vector<std::string_view> splitItems(std::string_view s) {
  std::vector<std::string_view> items;
  char quote = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (std::size_t n = charLength(s, i); n > 1)
      i += n - 1;
    else if (quote)
      quote = s[i] == quote ? 0 : quote;
    else if (s[i] == kQuote || s[i] == kBackquote)
      quote = s[i];
    else if (s[i] == ',') {
      items.push_back(trim(s.substr(start, i - start)));
      start = i + 1;
    }
  }
  items.push_back(trim(s.substr(start)));
  return items;
}

// One text of a `define` list: an expression when it starts with a quote, a
// variable or a command substitution, otherwise the word as written.
std::optional<std::string> evaluateText(Engine& e, std::string_view item) {
  if (item.empty()) {
    raiseMessage(e, "FIEU001");
    return std::nullopt;
  }
  if (item[0] != kQuote && item[0] != kVariableMark && item[0] != kBackquote)
    return std::string(item);
  std::string value;
  auto used = evaluateValue(e, item, value, "");
  if (!used) return std::nullopt;
  if (std::string_view rest = trim(item.substr(*used)); !rest.empty()) {
    raiseMessage(e, "FIEU005", rest);
    return std::nullopt;
  }
  return value;
}

std::optional<std::vector<std::string>> evaluateTexts(Engine& e, std::string_view list) {
  std::vector<std::string> texts;
  for (std::string_view item : splitItems(list)) {
    auto text = evaluateText(e, item);
    if (!text) return std::nullopt;
    texts.push_back(std::move(*text));
  }
  return texts;
}

struct DefineRequest {
  std::vector<Substitution> pairs;
  std::vector<std::string> files;
};

std::optional<std::vector<Substitution>> parsePairs(Engine& e, std::string_view oldList,
                                                    std::string_view newList) {
  auto olds = evaluateTexts(e, oldList);
  if (!olds) return std::nullopt;
  auto news = evaluateTexts(e, newList);
  if (!news) return std::nullopt;
  // Every old text needs its new text: a missing one must not silently
  // become a deletion.
  if (olds->size() != news->size()) {
    std::size_t n = std::min(olds->size(), news->size());
    raiseMessage(e, "FIEU012", olds->size() > n ? (*olds)[n] : (*news)[n]);
    return std::nullopt;
  }
  std::vector<Substitution> pairs;
  for (std::size_t i = 0; i < olds->size(); ++i) pairs.push_back({(*olds)[i], (*news)[i]});
  return pairs;
}

std::optional<DefineRequest> parseDefine(Engine& e, std::string_view rest) {
  std::size_t as = findWord(rest, "as", 0);
  if (as == std::string_view::npos) {
    raiseMessage(e, "FIEU003", "AS");
    return std::nullopt;
  }
  std::size_t on = findWord(rest, "on", as + 2);
  if (on == std::string_view::npos) {
    raiseMessage(e, "FIEU003", "ON");
    return std::nullopt;
  }
  DefineRequest request;
  auto pairs = parsePairs(e, rest.substr(0, as), rest.substr(as + 2, on - as - 2));
  if (!pairs) return std::nullopt;
  request.pairs = std::move(*pairs);
  std::string_view fileText = skipBlanks(rest.substr(on + 2));
  auto list = parseFileList(e, fileText);
  if (!list) return std::nullopt;
  if (std::string_view extra = trim(fileText.substr(list->consumed)); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return std::nullopt;
  }
  request.files = expandFileNames(e, list->names);
  return request;
}

// Rewrites the read copy of a registered file into its write copy, line by
// line, and copies the result back so that reads see it. Lines are held
// whole, whatever their length, and keep their own line ends.
bool substituteFile(Engine& e, const std::string& name, const std::vector<Substitution>& pairs) {
  auto file = e.platform.openStream(openPathForRead(e, name), std::ios::in | std::ios::binary);
  auto out = rewriteWriteCopy(e, name);
  if (!file || !*file || !out) return false;
  std::istream& in = *file;
  std::string line;
  InputEncoding encoding;  // the file's own, as every reader decides it
  while (std::getline(in, line)) {
    bool lineFeed = !in.eof();
    encoding.observe(line);
    substituteLine(line, pairs);
    *out << line;
    if (lineFeed) *out << '\n';
  }
  if (in.bad()) return false;
  out->flush();
  bool written = static_cast<bool>(*out);
  out.reset();
  return written && finishWrite(e, name);
}

}  // namespace

// Each pair rewrites the line in one pass into a second buffer, so a long
// line with many occurrences costs its length, not length times occurrences.
void substituteLine(std::string& line, const std::vector<Substitution>& pairs) {
  std::string rewritten;
  for (const auto& [oldText, newText] : pairs) {
    if (oldText.empty() || oldText == newText) continue;
    std::size_t at = findText(line, oldText, 0);
    if (at == std::string::npos) continue;
    rewritten.clear();
    std::size_t copied = 0;
    for (; at != std::string::npos; at = findText(line, oldText, copied)) {
      rewritten.append(line, copied, at - copied);
      rewritten += newText;
      copied = at + oldText.size();
    }
    rewritten.append(line, copied, std::string::npos);
    line.swap(rewritten);
  }
}

bool cmdDefine(Engine& e, std::string_view rest) {
  auto request = parseDefine(e, rest);
  if (!request) return false;
  // Nothing changes unless every file is there.
  if (!allFilesExist(e, request->files)) return false;
  for (const auto& file : request->files) {
    if (!registerStagedFile(e, file)) {
      raiseMessage(e, "FIEC015", file);
      return false;
    }
    if (!substituteFile(e, file, request->pairs)) {
      // A write copy that cannot get its old text back must never be
      // committed: the file's staged change goes, the real file stays.
      if (!revertWrite(e, file)) discardStagedFile(e, file);
      raiseMessage(e, "FIEC016", file);
      return false;
    }
  }
  return true;
}

}  // namespace mora
