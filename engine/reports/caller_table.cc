#include "reports/caller_table.h"

#include <unordered_map>

#include "core/wildcard.h"

namespace mora {

namespace {

bool selected(const std::vector<WildcardPattern>& names, std::string_view name) {
  for (const WildcardPattern& p : names)
    if (p.matches(name)) return true;
  return false;
}

}  // namespace

NodeTable buildCallerTable(const NodeTable& functions, const FunctionPatternList& names,
                           const PatternSet& without) {
  std::vector<WildcardPattern> patterns;
  for (const FunctionPattern& p : names) patterns.emplace_back(p.pattern);
  NodeTable callers;
  // Called name -> its target index, or -1 when the patterns left it out.
  std::unordered_map<std::string_view, long> targets;
  std::vector<std::size_t> lastCaller;  // per target: the function added last, plus one
  for (std::size_t f = 0; f < functions.nodes.size(); ++f) {
    const std::string& caller = functions.nodes[f];
    // Matched by name: a caller entry may carry " [file]" after its name.
    bool excluded = !without.empty() && without.matches(nameHead(caller));
    for (const std::string& callee : functions.children[f]) {
      auto [it, isNew] = targets.try_emplace(callee, -1);
      if (isNew && selected(patterns, callee)) {
        it->second = static_cast<long>(callers.nodes.size());
        callers.nodes.push_back(callee);
        callers.children.emplace_back();
        lastCaller.push_back(0);
      }
      if (it->second < 0 || excluded || lastCaller[it->second] == f + 1) continue;
      lastCaller[it->second] = f + 1;
      callers.children[it->second].push_back(caller);
    }
  }
  return callers;
}

}  // namespace mora
