#include "reports/function_table.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "analysis/function_scan.h"
#include "analysis/scan_failure.h"
#include "core/engine.h"
#include "core/messages.h"

namespace mora {

namespace {

// A tree stops at the first file it cannot scan.
constexpr ScanFailureMessages kTreeScanFailures{{"FIEC001"}, {"FIEC017"}, {"FIES004"}, {"FIEC017"}};

// A call list held by a pool shrinks in place.
template <typename Drop>
void eraseIf(std::span<std::string_view>& items, Drop drop) {
  items = items.first(
      static_cast<std::size_t>(std::remove_if(items.begin(), items.end(), drop) - items.begin()));
}

// Each file's records become table entries as soon as the file is scanned,
// so that the records list holds one file's functions at a time.
void takeRecords(Engine& e, FunctionScan& scan, PooledNodeTable& table) {
  for (const FunctionRecord& record : scan.records()) {
    table.nodes.push_back(scan.pool().store(entryText(e.settings, record)));
    table.children.push_back(record.calls);
  }
  scan.records().clear();
}

}  // namespace

std::optional<PooledNodeTable> scanFunctionTable(Engine& e, const FunctionPatternList& names,
                                                 const std::vector<std::string>& files) {
  FunctionScan scan(e, ScanMode::CallLists, names);
  // The trees print and compare entry texts; each node's children are the
  // names its function calls. Entries and call lists stay in the scan's
  // pool, which the table takes at the end.
  PooledNodeTable table;
  for (const std::string& file : files) {
    if (!scan.scanFile(file)) {
      raiseScanFailure(e, scan.error(), kTreeScanFailures, file);
      return std::nullopt;
    }
    takeRecords(e, scan, table);
  }
  // Every called name is interned by now: the lookup table goes.
  table.pool = std::move(scan.pool());
  table.pool.endInterning();
  return table;
}

void reduceFunctionTable(PooledNodeTable& table, const PatternSet& without, bool onlyDefined) {
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
      eraseIf(calls, [&](std::string_view name) { return defined.find(name) < 0; });
  } else if (!without.empty()) {
    for (auto& calls : table.children)
      eraseIf(calls, [&](std::string_view name) { return without.matches(name); });
  }
}

}  // namespace mora
