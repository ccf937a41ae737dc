// A function table for tests, made the way a scan makes one: entries stored
// in the table's pool, called names interned there.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reports/node_table.h"

namespace mora::testing {

inline PooledNodeTable pooledTable(const std::vector<std::string>& nodes,
                                   const std::vector<std::vector<std::string>>& children) {
  PooledNodeTable table;
  for (const std::string& node : nodes) table.nodes.push_back(table.pool.store(node));
  for (const auto& calls : children) {
    std::span<std::string_view> views = table.pool.views(calls.size());
    for (std::size_t k = 0; k < calls.size(); ++k) views[k] = table.pool.intern(calls[k]);
    table.children.push_back(views);
  }
  return table;
}

// The texts of a list of views, to compare with expected texts.
template <typename Views>
std::vector<std::string> texts(const Views& views) {
  return std::vector<std::string>(views.begin(), views.end());
}

}  // namespace mora::testing
