#include "core/control_commands.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/conditionals.h"
#include "core/engine.h"
#include "core/functions.h"
#include "core/help.h"
#include "core/keywords.h"
#include "core/labels.h"
#include "core/loops.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/script_files.h"
#include "core/text.h"

namespace mora {

namespace {

// The first word of `text` (letters, digits, underscores) and the text after
// it and its blanks.
struct Word {
  std::string_view word;
  std::string_view rest;
};

Word firstWord(std::string_view text) {
  text = skipBlanks(text);
  std::size_t n = 0;
  while (n < text.size() && (isAsciiAlnum(text[n]) || text[n] == '_')) ++n;
  return {text.substr(0, n), skipBlanks(text.substr(n))};
}

// A keyword argument that must be one of `allowed`: a word that is no keyword
// (a missing word too) raises FIEU005, another keyword FIEU012.
std::optional<Token> keywordArgument(Engine& e, std::string_view word,
                                     std::initializer_list<Token> allowed) {
  auto token = lookupKeyword(word);
  if (!token) {
    raiseMessage(e, "FIEU005", word);
    return std::nullopt;
  }
  for (Token t : allowed)
    if (t == *token) return token;
  raiseMessage(e, "FIEU012", word);
  return std::nullopt;
}

}  // namespace

// whenever error|exit statement
bool cmdWhenever(Engine& e, std::string_view rest) {
  Word w = firstWord(rest);
  auto which = keywordArgument(e, w.word, {Token::Error, Token::Exit});
  if (!which) return false;
  std::string command(trim(w.rest));
  bool nested = lookupKeyword(firstWord(command).word) == Token::Whenever;
  // The message comes before the handler is armed, so that it does not fire
  // the handler it is about.
  if (nested) raiseMessage(e, "FIEU013", firstWord(command).word);
  MessageState& m = e.messages;
  if (*which == Token::Error) {
    m.wheneverError = std::move(command);
    m.wheneverErrorArmed = true;
  } else {
    m.wheneverExit = std::move(command);
    m.wheneverExitArmed = true;
  }
  return !nested;
}

namespace {

void printLines(Engine& e, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) printIfEcho(e, line + "\n");
}

bool noMoreText(Engine& e, std::string_view rest) {
  if (std::string_view extra = trim(rest); !extra.empty()) {
    raiseMessage(e, "FIEU005", extra);
    return false;
  }
  return true;
}

bool debugFunctions(Engine& e, std::string_view name) {
  if (name.empty()) {
    for (const ScriptFunction& f : e.exec.functions) printIfEcho(e, f.name + "\n");
    return true;
  }
  const std::vector<std::string>* body = functionBody(e, name);
  if (!body) {
    raiseMessage(e, "FIEC019", name);
    return false;
  }
  printLines(e, *body);
  return true;
}

bool debugLabels(Engine& e) {
  for (const std::string& name : e.exec.labelNames) {
    std::string key(name);
    for (char& c : key) c = asciiUpper(c);
    printIfEcho(e, format("%s %zu\n", name.c_str(), e.exec.labelIndex.at(key)));
  }
  return true;
}

}  // namespace

// debug function [name] | var | history | label | code
bool cmdDebug(Engine& e, std::string_view rest) {
  Word w = firstWord(rest);
  auto what = keywordArgument(
      e, w.word, {Token::Function, Token::Var, Token::History, Token::Label, Token::Code});
  if (!what) return false;
  if (*what == Token::Function) return debugFunctions(e, trim(w.rest));
  if (!noMoreText(e, w.rest)) return false;
  switch (*what) {
    case Token::Var:
      printLines(e, e.vars.localDeclarations);
      return true;
    case Token::History:
      printLines(e, e.reader.history);
      return true;
    case Token::Label:
      return debugLabels(e);
    default:
      printLines(e, e.exec.code);
      return true;
  }
}

}  // namespace mora
