#include "reports/function_table.h"

#include <algorithm>
#include <memory>

#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/messages.h"

namespace mora {

namespace {

// A tree stops at the first file it cannot scan.
constexpr ScanFailureMessages kTreeScanFailures{{"FIEC001"}, {"FIEC017"}, {"FIES004"}, {"FIEC017"}};

void reportScanFailure(Engine& e, const std::string& file) {
  raiseScanFailure(e, e.functions.lastError, kTreeScanFailures, file);
}

template <typename T, typename Drop>
void eraseIf(std::vector<T>& items, Drop drop) {
  items.erase(std::remove_if(items.begin(), items.end(), drop), items.end());
}

}  // namespace

std::optional<NodeTable> scanFunctionTable(Engine& e, const FunctionPatternList& names,
                                           const std::vector<std::string>& files) {
  // The body table is large; it lives on the heap for this one command.
  auto body = std::make_unique<BodyTable>();
  NodeTable table;
  startCommandScan(e);
  for (const std::string& file : files) {
    if (scanFileInMode(e, ScanMode::CallLists, file, names, *body, table.nodes) != 0) {
      reportScanFailure(e, file);
      return std::nullopt;
    }
  }
  // Call-list slots run on across files: slot k belongs to entry k.
  table.children.resize(table.nodes.size());
  for (std::size_t k = 0; k < table.nodes.size(); ++k)
    if (BodySlot* slot = body->slot(k)) table.children[k] = std::move(*slot);
  return table;
}

void reduceFunctionTable(NodeTable& table, const PatternSet& without, bool onlyDefined) {
  if (!without.empty()) {
    std::size_t kept = 0;
    for (std::size_t k = 0; k < table.nodes.size(); ++k) {
      if (without.matches(nameHead(table.nodes[k]))) continue;
      if (kept != k) {
        table.nodes[kept] = std::move(table.nodes[k]);
        table.children[kept] = std::move(table.children[k]);
      }
      ++kept;
    }
    table.nodes.resize(kept);
    table.children.resize(kept);
  }
  if (onlyDefined) {
    NameIndex defined(table.nodes);
    for (auto& calls : table.children)
      eraseIf(calls, [&](const std::string& name) { return defined.find(name) < 0; });
  } else if (!without.empty()) {
    for (auto& calls : table.children)
      eraseIf(calls, [&](const std::string& name) { return without.matches(name); });
  }
}

}  // namespace mora
