#include "reports/report_operands.h"

#include "analysis/pattern_list.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/text.h"
#include "core/word_argument.h"

namespace mora {

namespace {

std::optional<std::vector<std::string>> takeList(Engine& e, std::string_view& rest) {
  auto list = parseFileList(e, rest);
  if (!list) return std::nullopt;
  rest = rest.substr(list->consumed);
  return std::move(list->names);
}

}  // namespace

bool takeKeyword(std::string_view& rest, std::string_view word) {
  std::size_t n = 0;
  if (!startsWithKeyword(rest, word, &n)) return false;
  rest = skipBlanks(rest.substr(n));
  return true;
}

std::optional<ReportOperands> readReportOperands(Engine& e, std::string_view rest,
                                                 const OperandRules& rules) {
  ReportOperands ops;
  auto patterns = parsePatternList(e, rest);
  if (!patterns) return std::nullopt;
  ops.patterns = std::move(patterns->patterns);
  rest = rest.substr(patterns->consumed);
  if (takeKeyword(rest, rules.filesKeyword)) {
    auto files = takeList(e, rest);
    if (!files) return std::nullopt;
    ops.files = expandFileNames(e, *files, ops.filesSeen);
  } else if (rules.filesRequired) {
    raiseMessage(e, "FIEU003", rules.filesKeyword);
    return std::nullopt;
  } else {
    ops.files.push_back(e.settings.sysdt);
  }
  if (rules.withoutAllowed && takeKeyword(rest, "without")) {
    // Function patterns, not files: read like a file list, never expanded.
    auto items = takeList(e, rest);
    if (!items) return std::nullopt;
    ops.without = PatternSet(*items);
  }
  if (!nothingFollows(e, rest)) return std::nullopt;
  return ops;
}

}  // namespace mora
