#include "reports/action_command.h"

#include <cstdio>

#include "analysis/pattern_list.h"
#include "analysis/text_writer.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/messages.h"
#include "core/text.h"
#include "reports/action_diagram.h"

namespace mora {

namespace {

struct Operands {
  FunctionPatternList names;
  std::vector<std::string> files;
};

std::optional<Operands> readOperands(Engine& e, std::string_view rest) {
  Operands ops;
  auto names = parsePatternList(e, rest);
  if (!names) return std::nullopt;
  ops.names = std::move(names->patterns);
  rest = skipBlanks(rest.substr(names->consumed));
  std::size_t n = 0;
  if (startsWithKeyword(rest, "from", &n)) {
    auto files = parseFileList(e, skipBlanks(rest.substr(n)));
    if (!files) return std::nullopt;
    rest = skipBlanks(rest.substr(n)).substr(files->consumed);
    ops.files = expandFileNames(e, files->names);
  } else {
    ops.files.push_back(e.settings.sysdt);
  }
  if (!trim(rest).empty()) {
    raiseMessage(e, "FIEU005", trim(rest));
    return std::nullopt;
  }
  return ops;
}

// Starts the work file empty. It is the engine's own (its name was reserved
// at start-up); a fresh one is created exclusively, so nothing that took the
// name in between is written through.
bool freshWorkFile(Engine& e) {
  const std::string& work = e.settings.workFile;
  if (e.platform.exists(work)) e.platform.removeFile(work);
  std::FILE* file = std::fopen(work.c_str(), "wbx");
  if (!file) return false;
  return std::fclose(file) == 0;
}

void raiseScanError(Engine& e, int error, const std::string& file) {
  switch (error) {
    case kScanCannotOpenSource:
      raiseMessage(e, "FIEC001", file);
      break;
    case kScanCannotOpenOutput:
      raiseMessage(e, "FIES001", e.settings.workFile);
      break;
    case kScanOutOfMemory:
      raiseMessage(e, "FIES004");
      break;
    default:
      raiseMessage(e, "FIEC003");
      break;
  }
}

// The diagram of the selected functions of one file; false after a message.
bool drawFile(Engine& e, const FunctionPatternList& names, const std::string& file) {
  if (!freshWorkFile(e)) {
    raiseMessage(e, "FIES001", e.settings.workFile);
    return false;
  }
  int error = writeFunctionTexts(e, file, e.settings.workFile, names, LibraryMode::Function, false);
  if (error != kScanOk) {
    raiseScanError(e, error, file);
    return false;
  }
  return drawActionDiagram(e, e.settings.workFile) == 0;
}

}  // namespace

int cmdAction(Engine& e, std::string_view rest) {
  auto ops = readOperands(e, rest);
  if (!ops) return 0;
  for (const std::string& file : ops->files) {
    bool drawn = drawFile(e, ops->names, file);
    if (e.platform.exists(e.settings.workFile)) e.platform.removeFile(e.settings.workFile);
    if (!drawn) return 0;
  }
  return 1;
}

}  // namespace mora
