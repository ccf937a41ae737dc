#include "analysis/preprocessor.h"

#include <istream>

#include "analysis/function_database.h"
#include "analysis/pattern_list.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/file_search.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "core/word_argument.h"

namespace mora {

namespace {

void resetConditionals(Engine& e) { e.preprocessing.conditionals.reset(); }

// Only C scans know conditional compilation; other languages pass every line.
bool skipsLine(Engine& e, std::string_view stripped) {
  if (e.settings.language != ScanLanguage::C) return false;
  PreprocessorState& p = e.preprocessing;
  return p.conditionals.verdict(stripped, p.defines) != LineVerdict::Scan;
}

// The command's keyword `define`, alone before the rest; FIEU009 otherwise.
bool takeDefineKeyword(Engine& e, std::string_view& rest) {
  std::size_t n = 0;
  if (!startsWithKeyword(rest, "define", &n)) {
    raiseMessage(e, "FIEU009", trim(rest));
    return false;
  }
  rest = rest.substr(n);
  return true;
}

}  // namespace

PreprocessorHooks preprocessorHooks() { return {resetConditionals, skipsLine, resetConditionals}; }

bool cmdLoad(Engine& e, std::string_view rest) {
  if (!takeDefineKeyword(e, rest)) return false;
  auto list = parseFileList(e, rest);
  if (!list) return false;
  if (!nothingFollows(e, rest.substr(list->consumed))) return false;
  std::vector<std::string> names = expandFileNames(e, list->names);
  // Every file is located before any is read: one missing file loads nothing.
  std::vector<std::string> paths;
  bool missing = false;
  for (const std::string& name : names) {
    auto path = searchFile(e, name);
    if (!path) {
      raiseMessage(e, "FIEC013", name);
      missing = true;
    } else {
      paths.push_back(*path);
    }
  }
  if (missing) return false;
  for (std::size_t k = 0; k < paths.size(); ++k) {
    auto in = e.platform.openStream(paths[k], std::ios::in | std::ios::binary);
    if (!in || !*in) {
      raiseMessage(e, "FIES001", names[k]);
      return false;
    }
    loadDefines(*in, e.preprocessing.defines);
  }
  return true;
}

bool cmdUnload(Engine& e, std::string_view rest) {
  if (!takeDefineKeyword(e, rest) || !nothingFollows(e, rest)) return false;
  e.preprocessing.defines.clear();
  return true;
}

bool cmdDeflist(Engine& e, std::string_view rest) {
  if (!nothingFollows(e, rest)) return false;
  for (const DefineRecord& record : e.preprocessing.defines.records())
    printOutput(e, outputStream(e), formatDefine(record));
  return true;
}

}  // namespace mora
