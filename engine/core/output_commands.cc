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
bool echoToFile(Engine& e, const std::string& text, std::string_view rest) {
  bool append = rest.starts_with(">>");
  std::optional<std::string> name = readTargetName(e, rest.substr(append ? 2 : 1));
  if (!name) return false;
  // Through the file opener, so a file that staged changes are rewriting
  // gets the text in its copy and can still be restored.
  auto file = e.platform.openStream(
      openPathForWrite(e, e.platform.userFilePath(*name)),
      std::ios::out | kTextWriteMode | (append ? std::ios::app : std::ios::trunc));
  if (!file) {
    raiseMessage(e, "FIES001", *name);
    return false;
  }
  std::ostream* previous = e.out.output;
  e.out.output = file.get();
  printIfEcho(e, text + "\n");
  e.out.output = previous;
  file.reset();
  finishWrite(e, *name);
  return true;
}

}  // namespace

// echo value [, value ...] [> file | >> file]
bool cmdEcho(Engine& e, std::string_view rest) {
  outputStream(e).flush();
  std::string_view s = trim(rest);
  if (s.empty()) {
    printIfEcho(e, "\n");
    return true;
  }
  std::string text;
  for (;;) {
    std::string value;
    Consumed used = evaluateValue(e, s, value, ",>");
    if (!used) return false;
    text += value;
    s = skipBlanks(s.substr(*used));
    if (!s.starts_with(',')) break;
    s = s.substr(1);
  }
  if (s.empty()) {
    printIfEcho(e, text + "\n");
    return true;
  }
  if (!s.starts_with('>')) {
    raiseMessage(e, "FIEU005", s);
    return false;
  }
  return echoToFile(e, text, s);
}

// spool file | spool off
bool cmdSpool(Engine& e, std::string_view rest) {
  WordArgument word = readFileNameWord(rest);
  if (word.value.empty()) {
    raiseMessage(e, "FIEU001");
    return false;
  }
  std::string_view after = rest.substr(word.consumed);
  if (equalsNoCase(word.value, keywordWord(Token::Off))) {
    if (!nothingFollows(e, after)) return false;
    if (!e.out.spool) {
      raiseMessage(e, "FIES007");
      return false;
    }
    closeSpool(e);
    return true;
  }
  if (e.out.spool) {
    raiseMessage(e, "FIES006", e.out.spoolName);
    return false;
  }
  if (!nothingFollows(e, after)) return false;
  auto file = e.platform.openStream(e.platform.userFilePath(word.value),
                                    std::ios::out | kTextWriteMode | std::ios::trunc);
  if (!file) {
    raiseMessage(e, "FIES008", word.value);
    return false;
  }
  e.out.spool = std::move(file);
  e.out.spoolName = std::move(word.value);
  return true;
}

// open add index = file | open write index = file
bool cmdOpen(Engine& e, std::string_view rest) {
  if (!e.settings.html) {
    raiseMessage(e, "FIEU041");
    return false;
  }
  WordArgument how = readKeywordWord(rest);
  std::optional<Token> mode = lookupKeyword(how.value);
  if (mode != Token::Add && mode != Token::Write) {
    raiseMessage(e, how.value.empty() ? "FIEU001" : "FIEU009", how.value);
    return false;
  }
  rest = rest.substr(how.consumed);
  WordArgument what = readKeywordWord(rest);
  if (lookupKeyword(what.value) != Token::Index) {
    raiseMessage(e, what.value.empty() ? "FIEU001" : "FIEU009", what.value);
    return false;
  }
  rest = skipBlanks(rest.substr(what.consumed));
  if (!rest.starts_with('=')) {
    raiseMessage(e, "FIEU003", "=");
    return false;
  }
  std::optional<std::string> name = readTargetName(e, rest.substr(1));
  if (!name) return false;
  // Every open starts a new index: the old one is closed first, and after a
  // failure no index is open.
  e.out.index.reset();
  e.out.indexName.clear();
  auto file = e.platform.openStream(
      e.platform.userFilePath(*name),
      std::ios::out | kTextWriteMode | (mode == Token::Add ? std::ios::app : std::ios::trunc));
  if (!file) {
    raiseMessage(e, "FIES001", *name);
    return false;
  }
  e.out.index = std::move(file);
  e.out.indexName = std::move(*name);
  return true;
}

// close index
bool cmdClose(Engine& e, std::string_view rest) {
  WordArgument what = readKeywordWord(rest);
  if (lookupKeyword(what.value) != Token::Index) {
    std::string_view left = trim(rest);
    raiseMessage(e, left.empty() ? "FIEU001" : "FIEU009", left);
    return false;
  }
  if (!nothingFollows(e, rest.substr(what.consumed))) return false;
  e.out.index.reset();
  e.out.indexName.clear();
  return true;
}

}  // namespace mora
