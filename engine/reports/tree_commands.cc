// The function list and tree commands: `list` with operands, `ftree`,
// `rtree` and their front door `tree`.
#include "analysis/library_file.h"
#include "analysis/pattern_list.h"
#include "core/engine.h"
#include "core/file_list.h"
#include "core/html_writers.h"
#include "core/messages.h"
#include "core/output.h"
#include "core/text.h"
#include "reports/caller_table.h"
#include "reports/flat_list.h"
#include "reports/function_table.h"
#include "reports/include_tree.h"
#include "reports/report_commands.h"
#include "reports/report_operands.h"
#include "reports/tree_output.h"
#include "reports/tree_printer.h"

namespace mora {

namespace {

// names [from files] [without names]
constexpr OperandRules kTreeOperands{.withoutAllowed = true};

enum class TreeKind { Calls, Callers };

// [repeat] names [from files] [without names]
bool runTree(Engine& e, std::string_view rest, TreeKind kind) {
  bool repeat = takeKeyword(rest, "repeat");
  auto ops = readReportOperands(e, rest, kTreeOperands);
  if (!ops) return false;
  if (kind == TreeKind::Calls) {
    auto table = scanFunctionTable(e, ops->patterns, ops->files);
    if (!table) return false;
    reduceFunctionTable(*table, ops->without, e.settings.withoutNotDefined);
    printTreeTable(e, *table, repeat);
    return true;
  }
  // Callers of names anywhere: every function is scanned.
  auto functions = scanFunctionTable(e, {FunctionPattern{"*"}}, ops->files);
  if (!functions) return false;
  // Only defined functions: a caller tree then starts at defined callees.
  if (e.settings.withoutNotDefined) reduceFunctionTable(*functions, PatternSet(), true);
  printTreeTable(e, buildCallerTable(*functions, ops->patterns, ops->without), repeat);
  return true;
}

}  // namespace

// ftree [repeat] names [from files] [without names]
bool cmdFtree(Engine& e, std::string_view rest) { return runTree(e, rest, TreeKind::Calls); }

// rtree [repeat] names [from files] [without names]
bool cmdRtree(Engine& e, std::string_view rest) { return runTree(e, rest, TreeKind::Callers); }

// tree function|call ... (ftree), tree caller ... (rtree), tree include ... (itree)
bool cmdTree(Engine& e, std::string_view rest) {
  if (takeKeyword(rest, "function") || takeKeyword(rest, "call")) return cmdFtree(e, rest);
  if (takeKeyword(rest, "caller")) return cmdRtree(e, rest);
  if (takeKeyword(rest, "include")) {
    return cmdItree(e, rest);
  }
  raiseMessage(e, "FIEU003", "function/include/call/caller");
  return false;
}

// list (the library's names) | list names [from files] [without names]
bool cmdList(Engine& e, std::string_view rest) {
  if (trim(rest).empty()) return listLibrary(e);
  auto ops = readReportOperands(e, rest, kTreeOperands);
  if (!ops) return false;
  return printFlatList(e, ops->patterns, ops->files, ops->without, ops->filesSeen);
}

namespace {

TreeSink outputSink(Engine& e) {
  TreeSink sink;
  sink.print = [&e](std::string_view text) { printOutput(e, outputStream(e), text); };
  // A captured text drops a piece that does not fit whole, and the HTML
  // filter decides each piece's encoding by its own text: both see the
  // lines one by one, as they always have.
  sink.wholeBlocks = !e.out.capturing && !e.settings.htmlFilter;
  if (e.settings.html) {
    sink.anchorRoot = [&e](std::string_view entry) {
      writeAnchor(&outputStream(e), entry);
      writeLink(e.out.index.get(), e.settings.output, entry);
    };
  }
  return sink;
}

template <typename Table>
void printTable(Engine& e, const Table& table, bool repeat, bool unreached) {
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

}  // namespace

void printTreeTable(Engine& e, const NodeTable& table, bool repeat, bool unreached) {
  printTable(e, table, repeat, unreached);
}

void printTreeTable(Engine& e, const NodeTableView& table, bool repeat) {
  printTable(e, table, repeat, false);
}

}  // namespace mora
