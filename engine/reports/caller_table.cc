#include "reports/caller_table.h"

#include <algorithm>
#include <cstdint>

#include "core/wildcard.h"

namespace mora {

namespace {

bool selected(const std::vector<WildcardPattern>& names, std::string_view name) {
  for (const WildcardPattern& p : names)
    if (p.matches(name)) return true;
  return false;
}

constexpr std::int32_t kUnseen = -2;    // a called name not met yet
constexpr std::int32_t kNoTarget = -1;  // a called name the patterns leave out

// The walk over every call of the function table, made twice: once to find
// the targets and count their callers, once to fill the caller lists. A
// caller counts once per target however often it calls it.
class CallerWalk {
 public:
  CallerWalk(const PooledNodeTable& functions, const FunctionPatternList& names,
             const PatternSet& without)
      : functions_(functions),
        without_(without),
        targetOf_(functions.pool.internedCount(), kUnseen) {
    for (const FunctionPattern& p : names) patterns_.emplace_back(p.pattern);
  }

  // Calls `link(target, function)` for each caller of each target, in
  // function order.
  template <typename Link>
  void walk(NodeTableView& callers, Link link) {
    std::fill(lastCaller_.begin(), lastCaller_.end(), 0);
    for (std::size_t f = 0; f < functions_.nodes.size(); ++f) {
      // Matched by name: a caller entry may carry " [file]" after its name.
      bool excluded = !without_.empty() && without_.matches(nameHead(functions_.nodes[f]));
      auto stamp = static_cast<std::uint32_t>(f + 1);
      for (std::string_view callee : functions_.children[f]) {
        std::int32_t target = targetOf(callers, callee);
        if (target < 0 || excluded) continue;
        auto t = static_cast<std::size_t>(target);
        if (lastCaller_[t] == stamp) continue;
        lastCaller_[t] = stamp;
        link(t, f);
      }
    }
  }

 private:
  // The target of a called name; a name met for the first time becomes the
  // next target when the patterns select it.
  std::int32_t targetOf(NodeTableView& callers, std::string_view callee) {
    std::int32_t& target = targetOf_[functions_.pool.id(callee)];
    if (target != kUnseen) return target;
    target = kNoTarget;
    if (selected(patterns_, callee)) {
      target = static_cast<std::int32_t>(callers.nodes.size());
      callers.nodes.push_back(callee);
      lastCaller_.push_back(0);
    }
    return target;
  }

  const PooledNodeTable& functions_;
  const PatternSet& without_;
  std::vector<WildcardPattern> patterns_;
  std::vector<std::int32_t> targetOf_;     // per interned name
  std::vector<std::uint32_t> lastCaller_;  // per target: the function linked last, plus one
};

}  // namespace

NodeTableView buildCallerTable(const PooledNodeTable& functions, const FunctionPatternList& names,
                               const PatternSet& without) {
  NodeTableView callers;
  CallerWalk calls(functions, names, without);
  std::vector<std::uint32_t> counts;
  calls.walk(callers, [&](std::size_t target, std::size_t) {
    if (target >= counts.size()) counts.resize(target + 1, 0);
    ++counts[target];
  });
  counts.resize(callers.nodes.size(), 0);
  // Each target's callers get their stretch of one list, in target order.
  std::vector<std::size_t> next(counts.size() + 1, 0);
  for (std::size_t t = 0; t < counts.size(); ++t) next[t + 1] = next[t] + counts[t];
  callers.links.resize(next.back());
  calls.walk(callers, [&](std::size_t target, std::size_t f) {
    callers.links[next[target]++] = functions.nodes[f];
  });
  callers.children.reserve(counts.size());
  std::size_t start = 0;
  for (std::uint32_t count : counts) {
    callers.children.emplace_back(callers.links.data() + start, count);
    start += count;
  }
  return callers;
}

}  // namespace mora
