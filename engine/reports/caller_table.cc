#include "reports/caller_table.h"

#include <unordered_map>

#include "core/name_hash.h"
#include "core/wildcard.h"

namespace mora {

namespace {

bool selected(const std::vector<WildcardPattern>& names, std::string_view name) {
  for (const WildcardPattern& p : names)
    if (p.matches(name)) return true;
  return false;
}

}  // namespace

NodeTableView buildCallerTable(const NodeTable& functions, const FunctionPatternList& names,
                               const PatternSet& without) {
  std::vector<WildcardPattern> patterns;
  for (const FunctionPattern& p : names) patterns.emplace_back(p.pattern);
  NodeTableView callers;
  // Called name -> its target index, or -1 when the patterns left it out.
  std::unordered_map<std::string_view, long, FastNameHash> targets;
  targets.reserve(functions.nodes.size());
  std::vector<std::size_t> lastCaller;  // per target: the function added last, plus one
  // The links (target, caller function) in the order they are met; each
  // target's list is then made once at its final size.
  std::vector<std::pair<std::size_t, std::size_t>> links;
  for (std::size_t f = 0; f < functions.nodes.size(); ++f) {
    // Matched by name: a caller entry may carry " [file]" after its name.
    bool excluded = !without.empty() && without.matches(nameHead(functions.nodes[f]));
    for (const std::string& callee : functions.children[f]) {
      auto [it, isNew] = targets.try_emplace(callee, -1);
      if (isNew && selected(patterns, callee)) {
        it->second = static_cast<long>(callers.nodes.size());
        callers.nodes.push_back(callee);
        lastCaller.push_back(0);
      }
      if (it->second < 0 || excluded) continue;
      auto target = static_cast<std::size_t>(it->second);
      if (lastCaller[target] == f + 1) continue;
      lastCaller[target] = f + 1;
      links.emplace_back(target, f);
    }
  }
  std::vector<std::size_t> counts(callers.nodes.size(), 0);
  for (const auto& link : links) ++counts[link.first];
  callers.children.resize(callers.nodes.size());
  for (std::size_t t = 0; t < counts.size(); ++t) callers.children[t].reserve(counts[t]);
  for (const auto& [target, f] : links) callers.children[target].push_back(functions.nodes[f]);
  return callers;
}

}  // namespace mora
