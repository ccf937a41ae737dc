// The line-oriented reports: count, tags and find. Each takes its operands
// (function patterns or search strings), then optionally `from` and a file
// selection; without `from` the library file is the one file. Nothing is
// printed unless every selected file exists.
#include "analysis/pattern_list.h"
#include "core/command_tables.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/text.h"
#include "reports/step_count.h"
#include "reports/tags.h"
#include "reports/text_search.h"

namespace mora {

namespace {

struct Operands {
  FunctionPatternList items;
  std::vector<std::string> files;
};

// Nothing but blanks may follow the last operand.
bool atEnd(Engine& e, std::string_view rest) {
  if (trim(rest).empty()) return true;
  raiseMessage(e, "FIEU005", trim(rest));
  return false;
}

// items [from files]; std::nullopt after one message.
std::optional<Operands> readOperands(Engine& e, std::string_view rest) {
  auto parsed = parsePatternList(e, rest);
  if (!parsed) return std::nullopt;
  Operands ops{std::move(parsed->patterns), {}};
  std::string_view tail = rest.substr(parsed->consumed);
  std::size_t n = 0;
  if (!startsWithKeyword(tail, "from", &n)) {
    if (!atEnd(e, tail)) return std::nullopt;
    ops.files.push_back(e.settings.sysdt);
    return ops;
  }
  tail = skipBlanks(tail.substr(n));
  auto list = parseFileList(e, tail);
  if (!list || !atEnd(e, tail.substr(list->consumed))) return std::nullopt;
  ops.files = expandFileNames(e, list->names);
  return ops;
}

std::optional<Operands> readCheckedOperands(Engine& e, std::string_view rest) {
  auto ops = readOperands(e, rest);
  if (!ops || !allFilesExist(e, ops->files)) return std::nullopt;
  return ops;
}

// count names [from files]
int cmdCount(Engine& e, std::string_view rest) {
  auto ops = readCheckedOperands(e, rest);
  if (!ops) return 0;
  printStepCount(e, ops->items, ops->files);
  return 1;
}

// tags names [from files]
int cmdTags(Engine& e, std::string_view rest) {
  auto ops = readCheckedOperands(e, rest);
  if (!ops) return 0;
  printTags(e, ops->items, ops->files);
  return 1;
}

// find strings [from files]
int cmdFind(Engine& e, std::string_view rest) {
  auto ops = readCheckedOperands(e, rest);
  if (!ops) return 0;
  std::vector<std::string> strings;
  for (FunctionPattern& item : ops->items) strings.push_back(std::move(item.pattern));
  searchFiles(e, std::move(strings), ops->files);
  return 1;
}

constexpr CommandEntry kLineReportCommands[] = {
    {Token::Count, cmdCount},
    {Token::Tags, cmdTags},
    {Token::Find, cmdFind},
};

}  // namespace

std::span<const CommandEntry> lineReportCommands() { return kLineReportCommands; }

}  // namespace mora
