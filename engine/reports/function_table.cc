#include "reports/function_table.h"

#include <algorithm>

#include "analysis/function_scan.h"
#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/messages.h"

namespace mora {

namespace {

// A tree stops at the first file it cannot scan.
constexpr ScanFailureMessages kTreeScanFailures{{"FIEC001"}, {"FIEC017"}, {"FIES004"}, {"FIEC017"}};

template <typename T, typename Drop>
void eraseIf(std::vector<T>& items, Drop drop) {
  items.erase(std::remove_if(items.begin(), items.end(), drop), items.end());
}

}  // namespace

std::optional<NodeTable> scanFunctionTable(Engine& e, const FunctionPatternList& names,
                                           const std::vector<std::string>& files) {
  FunctionScan scan(e, ScanMode::CallLists, names);
  for (const std::string& file : files) {
    if (!scan.scanFile(file)) {
      raiseScanFailure(e, scan.error(), kTreeScanFailures, file);
      return std::nullopt;
    }
  }
  // The trees print and compare entry texts; each node's children are the
  // names its function calls.
  NodeTable table;
  RecordList& records = scan.records();
  table.nodes.reserve(records.size());
  table.children.reserve(records.size());
  for (FunctionRecord& record : records) {
    table.nodes.push_back(entryText(e.settings, record));
    table.children.push_back(std::move(record.lines));
  }
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
