#include "core/dispatch.h"

#include "core/engine.h"
#include "core/exit.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/reader.h"
#include "core/text.h"

namespace mora {

namespace {

bool isWordChar(char c) { return isAsciiAlnum(c) || c == '$' || c == '_' || c == ':'; }

struct TruthWord {
  std::string_view word;
  std::string_view replacement;
};
constexpr TruthWord kTruthWords[] = {
    {"true", "$_t "}, {"false", "$_f  "}, {"eof", "$_e"}, {"null", "$_n "}};

}  // namespace

void replaceTruthWords(std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && isWordChar(text[i - 1])) continue;
    for (const auto& tw : kTruthWords) {
      if (text.compare(i, tw.word.size(), tw.word) != 0) continue;
      std::size_t end = i + tw.word.size();
      if (end < text.size() && isWordChar(text[end])) continue;
      text.replace(i, tw.word.size(), tw.replacement);
      i = end - 1;
      break;
    }
  }
}

int dispatchCommand(Engine& e, std::string_view statement) {
  std::string text(statement);
  replaceTruthWords(text);
  std::string_view s = skipBlanks(text);
  if (!s.empty() && s[0] == kShellEscape) {
    std::string_view command = trim(s.substr(1));
    if (!command.empty()) {
      flushOutput(e);  // the command writes to the same standard output
      e.platform.runShell(std::string(command));
    }
    return kShellEscapeResult;
  }
  std::size_t n = 0;
  while (n < s.size() && (isAsciiAlnum(s[n]) || s[n] == '_')) ++n;
  std::string_view word = s.substr(0, n);
  std::string_view rest = skipBlanks(s.substr(n));
  if (auto token = lookupKeyword(word)) {
    if (CommandHandler handler = e.layers.commandFor(*token)) {
      return handler(e, rest) ? static_cast<int>(*token) : -1;
    }
  }
  raiseMessage(e, "FIEU002", word.empty() ? s : word);
  return 0;
}

}  // namespace mora
