#include "core/output_commands.h"

#include <memory>
#include <ostream>

#include "core/directory_commands.h"
#include "core/engine.h"
#include "core/expressions.h"
#include "core/keywords.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/platform.h"
#include "core/set_command.h"
#include "core/staging.h"
#include "core/text.h"
#include "core/word_argument.h"

namespace mora {

namespace {

// Reads a file name (a word or a value expression) that must end the
// statement; std::nullopt after FIEU007, FIEU005 or the evaluator's message.
std::optional<std::string> readTargetName(Engine& e, std::string_view rest) {
  std::optional<WordArgument> name = readNameOrValue(e, rest);
  if (!name) return std::nullopt;
  if (name->value.empty()) {
    raiseMessage(e, "FIEU007");
    return std::nullopt;
  }
  if (!nothingFollows(e, rest.substr(name->consumed))) return std::nullopt;
  return std::move(name->value);
}

// Prints `text` into a file of its own: the output stream points at the file
// for this one print and is restored afterwards.
int echoToFile(Engine& e, const std::string& text, std::string_view rest) {
  bool append = rest.starts_with(">>");
  std::optional<std::string> name = readTargetName(e, rest.substr(append ? 2 : 1));
  if (!name) return 0;
  // Through the file opener, so a file that staged changes are rewriting
  // gets the text in its copy and can still be restored.
  auto file = e.platform.openStream(
      openPathForWrite(e, e.platform.userFilePath(*name)),
      std::ios::out | kTextWriteMode | (append ? std::ios::app : std::ios::trunc));
  if (!file) {
    raiseMessage(e, "FIES001", *name);
    return 0;
  }
  std::ostream* previous = e.out.output;
  e.out.output = file.get();
  printIfEcho(e, text + "\n");
  e.out.output = previous;
  file.reset();
  finishWrite(e, *name);
  return 1;
}

}  // namespace

// echo value [, value ...] [> file | >> file]
int cmdEcho(Engine& e, std::string_view rest) {
  outputStream(e).flush();
  std::string_view s = trim(rest);
  if (s.empty()) {
    printIfEcho(e, "\n");
    return 1;
  }
  std::string text;
  for (;;) {
    std::string value;
    Consumed used = evaluateValue(e, s, value, ",>");
    if (!used) return 0;
    text += value;
    s = skipBlanks(s.substr(*used));
    if (!s.starts_with(',')) break;
    s = s.substr(1);
  }
  if (s.empty()) {
    printIfEcho(e, text + "\n");
    return 1;
  }
  if (!s.starts_with('>')) {
    raiseMessage(e, "FIEU005", s);
    return 0;
  }
  return echoToFile(e, text, s);
}

// spool file | spool off
int cmdSpool(Engine& e, std::string_view rest) {
  WordArgument word = readFileNameWord(rest);
  if (word.value.empty()) {
    raiseMessage(e, "FIEU001");
    return 0;
  }
  std::string_view after = rest.substr(word.consumed);
  if (equalsNoCase(word.value, keywordWord(Token::Off))) {
    if (!nothingFollows(e, after)) return 0;
    if (!e.out.spool) {
      raiseMessage(e, "FIES007");
      return 0;
    }
    closeSpool(e);
    return 1;
  }
  if (e.out.spool) {
    raiseMessage(e, "FIES006", e.out.spoolName);
    return 0;
  }
  if (!nothingFollows(e, after)) return 0;
  auto file = e.platform.openStream(e.platform.userFilePath(word.value),
                                    std::ios::out | kTextWriteMode | std::ios::trunc);
  if (!file) {
    raiseMessage(e, "FIES008", word.value);
    return 0;
  }
  e.out.spool = std::move(file);
  e.out.spoolName = std::move(word.value);
  return 1;
}

// open add index = file | open write index = file
int cmdOpen(Engine& e, std::string_view rest) {
  if (!e.settings.html) {
    raiseMessage(e, "FIEU041");
    return 0;
  }
  WordArgument how = readKeywordWord(rest);
  std::optional<Token> mode = lookupKeyword(how.value);
  if (mode != Token::Add && mode != Token::Write) {
    raiseMessage(e, how.value.empty() ? "FIEU001" : "FIEU009", how.value);
    return 0;
  }
  rest = rest.substr(how.consumed);
  WordArgument what = readKeywordWord(rest);
  if (lookupKeyword(what.value) != Token::Index) {
    raiseMessage(e, what.value.empty() ? "FIEU001" : "FIEU009", what.value);
    return 0;
  }
  rest = skipBlanks(rest.substr(what.consumed));
  if (!rest.starts_with('=')) {
    raiseMessage(e, "FIEU003", "=");
    return 0;
  }
  std::optional<std::string> name = readTargetName(e, rest.substr(1));
  if (!name) return 0;
  // Every open starts a new index: the old one is closed first, and after a
  // failure no index is open.
  e.out.index.reset();
  e.out.indexName.clear();
  auto file = e.platform.openStream(
      e.platform.userFilePath(*name),
      std::ios::out | kTextWriteMode | (mode == Token::Add ? std::ios::app : std::ios::trunc));
  if (!file) {
    raiseMessage(e, "FIES001", *name);
    return 0;
  }
  e.out.index = std::move(file);
  e.out.indexName = std::move(*name);
  return 1;
}

// close index
int cmdClose(Engine& e, std::string_view rest) {
  WordArgument what = readKeywordWord(rest);
  if (lookupKeyword(what.value) != Token::Index) {
    std::string_view left = trim(rest);
    raiseMessage(e, left.empty() ? "FIEU001" : "FIEU009", left);
    return 0;
  }
  if (!nothingFollows(e, rest.substr(what.consumed))) return 0;
  e.out.index.reset();
  e.out.indexName.clear();
  return 1;
}

}  // namespace mora
