#include "core/dispatch.h"

#include <array>

#include "core/command_tables.h"
#include "core/engine.h"
#include "core/exit.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/reader.h"
#include "core/text.h"

namespace mora {

namespace {

constexpr CommandEntry kReaderCommands[] = {
    {Token::Exit, cmdExit},       {Token::Bye, cmdExit},  {Token::Alias, cmdAlias},
    {Token::History, cmdHistory}, {Token::H, cmdHistory}, {Token::Create, cmdCreate},
};

// Each module registers its own commands; words without one (option and
// reserved words) answer FIEU002.
using CommandTable = std::span<const CommandEntry> (*)();
constexpr CommandTable kCommandTables[] = {
    [] { return std::span<const CommandEntry>(kReaderCommands); },
    variableCommands,
    controlCommands,
    outputCommands,
    stagingCommands,
    libraryCommands,
    treeCommands,
    lineReportCommands,
    reportCommands,
    preprocessorCommands,
};

using DispatchTable = std::array<CommandHandler, kKeywordCount>;

DispatchTable makeDispatchTable() {
  DispatchTable table{};
  for (CommandTable module : kCommandTables)
    for (const auto& entry : module()) table[static_cast<std::size_t>(entry.token)] = entry.handler;
  return table;
}

bool isWordChar(char c) { return isAsciiAlnum(c) || c == '$' || c == '_' || c == ':'; }

struct TruthWord {
  std::string_view word;
  std::string_view replacement;
};
constexpr TruthWord kTruthWords[] = {
    {"true", "$_t "}, {"false", "$_f  "}, {"eof", "$_e"}, {"null", "$_n "}};

}  // namespace

CommandHandler commandFor(Token token) {
  static const DispatchTable table = makeDispatchTable();
  return table[static_cast<std::size_t>(token)];
}

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
    if (CommandHandler handler = commandFor(*token)) {
      return handler(e, rest) ? static_cast<int>(*token) : -1;
    }
  }
  raiseMessage(e, "FIEU002", word.empty() ? s : word);
  return 0;
}

}  // namespace mora
