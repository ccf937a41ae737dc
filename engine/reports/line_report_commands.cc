// The line-oriented reports: count, tags and find. Each takes its operands
// (function patterns or search strings), then optionally `from` and a file
// selection; without `from` the library file is the one file. Nothing is
// printed unless every selected file exists.
#include "analysis/pattern_list.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/text.h"
#include "reports/report_commands.h"
#include "reports/report_operands.h"
#include "reports/step_count.h"
#include "reports/tags.h"
#include "reports/text_search.h"

namespace mora {

namespace {

// items [from files], every file there
std::optional<ReportOperands> readCheckedOperands(Engine& e, std::string_view rest) {
  auto ops = readReportOperands(e, rest);
  if (!ops || !allFilesExist(e, ops->files, ops->filesSeen)) return std::nullopt;
  return ops;
}

}  // namespace

// count names [from files]
bool cmdCount(Engine& e, std::string_view rest) {
  auto ops = readCheckedOperands(e, rest);
  if (!ops) return false;
  printStepCount(e, ops->patterns, ops->files);
  return true;
}

// tags names [from files]
bool cmdTags(Engine& e, std::string_view rest) {
  auto ops = readCheckedOperands(e, rest);
  if (!ops) return false;
  printTags(e, ops->patterns, ops->files);
  return true;
}

// find strings [from files]
bool cmdFind(Engine& e, std::string_view rest) {
  auto ops = readCheckedOperands(e, rest);
  if (!ops) return false;
  std::vector<std::string> strings;
  for (FunctionPattern& item : ops->patterns) strings.push_back(std::move(item.pattern));
  searchFiles(e, std::move(strings), ops->files);
  return true;
}

}  // namespace mora
