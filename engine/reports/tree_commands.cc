// The function list and tree commands: `list` with operands, `ftree`,
// `rtree` and their front door `tree`.
#include "analysis/file_list.h"
#include "analysis/library_file.h"
#include "analysis/pattern_list.h"
#include "core/command_tables.h"
#include "core/engine.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "reports/caller_table.h"
#include "reports/flat_list.h"
#include "reports/function_table.h"
#include "reports/html_writers.h"
#include "reports/tree_output.h"
#include "reports/tree_printer.h"

namespace mora {

namespace {

// names [from files] [without names]
struct Operands {
  FunctionPatternList names;
  std::vector<std::string> files;
  PatternSet without;
};

// Takes `word` (a keyword) from the front of `rest` when it is there.
bool takeKeyword(std::string_view& rest, std::string_view word) {
  std::size_t n = 0;
  if (!startsWithKeyword(rest, word, &n)) return false;
  rest = skipBlanks(rest.substr(n));
  return true;
}

std::optional<std::vector<std::string>> takeList(Engine& e, std::string_view& rest) {
  auto list = parseFileList(e, rest);
  if (!list) return std::nullopt;
  rest = rest.substr(list->consumed);
  return std::move(list->names);
}

std::optional<Operands> readOperands(Engine& e, std::string_view rest) {
  Operands ops;
  auto names = parsePatternList(e, rest);
  if (!names) return std::nullopt;
  ops.names = std::move(names->patterns);
  rest = rest.substr(names->consumed);
  if (takeKeyword(rest, "from")) {
    auto files = takeList(e, rest);
    if (!files) return std::nullopt;
    ops.files = expandFileNames(e, *files);
  } else {
    // Without sources the library file is analysed.
    ops.files.push_back(e.settings.sysdt);
  }
  if (takeKeyword(rest, "without")) {
    // Function patterns, not files: read like a file list, never expanded.
    auto items = takeList(e, rest);
    if (!items) return std::nullopt;
    ops.without = PatternSet(*items);
  }
  if (!trim(rest).empty()) {
    raiseMessage(e, "FIEU005", trim(rest));
    return std::nullopt;
  }
  return ops;
}

enum class TreeKind { Calls, Callers };

// [repeat] names [from files] [without names]
int runTree(Engine& e, std::string_view rest, TreeKind kind) {
  bool repeat = takeKeyword(rest, "repeat");
  auto ops = readOperands(e, rest);
  if (!ops) return 0;
  if (kind == TreeKind::Calls) {
    auto table = scanFunctionTable(e, ops->names, ops->files);
    if (!table) return 0;
    reduceFunctionTable(*table, ops->without, e.settings.withoutNotDefined);
    printTreeTable(e, *table, repeat);
    return 1;
  }
  // Callers of names anywhere: every function is scanned.
  auto functions = scanFunctionTable(e, {FunctionPattern{"*"}}, ops->files);
  if (!functions) return 0;
  // Only defined functions: a caller tree then starts at defined callees.
  if (e.settings.withoutNotDefined) reduceFunctionTable(*functions, PatternSet(), true);
  printTreeTable(e, buildCallerTable(*functions, ops->names, ops->without), repeat);
  return 1;
}

// ftree [repeat] names [from files] [without names]
int cmdFtree(Engine& e, std::string_view rest) { return runTree(e, rest, TreeKind::Calls); }

// rtree [repeat] names [from files] [without names]
int cmdRtree(Engine& e, std::string_view rest) { return runTree(e, rest, TreeKind::Callers); }

// tree function|call ... (ftree), tree caller ... (rtree), tree include ... (itree)
int cmdTree(Engine& e, std::string_view rest) {
  if (takeKeyword(rest, "function") || takeKeyword(rest, "call")) return cmdFtree(e, rest);
  if (takeKeyword(rest, "caller")) return cmdRtree(e, rest);
  if (takeKeyword(rest, "include")) {
    if (CommandHandler itree = commandFor(Token::Itree)) return itree(e, rest);
    raiseMessage(e, "FIEU002", "itree");
    return 0;
  }
  raiseMessage(e, "FIEU003", "function/include/call/caller");
  return 0;
}

// list (the library's names) | list names [from files] [without names]
int cmdList(Engine& e, std::string_view rest) {
  if (trim(rest).empty()) return listLibrary(e);
  auto ops = readOperands(e, rest);
  if (!ops) return 0;
  return printFlatList(e, ops->names, ops->files, ops->without);
}

constexpr CommandEntry kTreeCommands[] = {
    {Token::List, cmdList},
    {Token::Ftree, cmdFtree},
    {Token::Rtree, cmdRtree},
    {Token::Tree, cmdTree},
};

}  // namespace

namespace {

TreeSink outputSink(Engine& e) {
  TreeSink sink;
  sink.print = [&e](std::string_view text) { printOutput(e, outputStream(e), text); };
  if (e.settings.html) {
    sink.anchorRoot = [&e](std::string_view entry) {
      writeAnchor(&outputStream(e), entry);
      writeLink(e.out.index.get(), e.settings.output, entry);
    };
  }
  return sink;
}

}  // namespace

void printTreeTable(Engine& e, const NodeTable& table, bool repeat, bool unreached) {
  bool html = e.settings.html;
  if (html) {
    writeOpenTag(&outputStream(e), "HR", true);
    writeCharsetDeclaration(&outputStream(e));
    writeOpenTag(&outputStream(e), "PRE", true);
  }
  TreeOptions options{repeat, e.settings.line, e.settings.filepos, unreached};
  printTrees(table, options, outputSink(e));
  if (html) writeCloseTag(&outputStream(e), "PRE", true);
}

std::span<const CommandEntry> treeCommands() { return kTreeCommands; }

}  // namespace mora
