#include "reports/caller_table.h"

#include <cstdint>
#include <utility>

#include "core/name_hash.h"
#include "core/wildcard.h"

namespace mora {

namespace {

bool selected(const std::vector<WildcardPattern>& names, std::string_view name) {
  for (const WildcardPattern& p : names)
    if (p.matches(name)) return true;
  return false;
}

// Called name -> its target index, or -1 when the patterns leave it out:
// an open-addressing table of views into the function table, grown by
// doubling, so that a name met again costs one hash and one comparison.
class TargetMap {
 public:
  // The target of `name`, and whether the name is new (its target then
  // still to be set).
  std::pair<long*, bool> find(std::string_view name) {
    if ((count_ + 1) * 2 > slots_.size()) grow();
    auto hash = static_cast<std::uint32_t>(hashName(name));
    std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i].used; i = (i + 1) & mask)
      if (slots_[i].hash == hash && slots_[i].name == name) return {&slots_[i].target, false};
    slots_[i] = {name, hash, -1, true};
    ++count_;
    return {&slots_[i].target, true};
  }

 private:
  struct Slot {
    std::string_view name;
    std::uint32_t hash = 0;
    long target = -1;
    bool used = false;
  };

  void grow() {
    std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
    old.swap(slots_);
    std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (!slot.used) continue;
      std::size_t i = slot.hash & mask;
      while (slots_[i].used) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;  // a power of two in size, at most half in use
  std::size_t count_ = 0;
};

}  // namespace

NodeTableView buildCallerTable(const NodeTable& functions, const FunctionPatternList& names,
                               const PatternSet& without) {
  std::vector<WildcardPattern> patterns;
  for (const FunctionPattern& p : names) patterns.emplace_back(p.pattern);
  NodeTableView callers;
  TargetMap targets;
  std::vector<std::size_t> lastCaller;  // per target: the function added last, plus one
  // The links (target, caller function) in the order they are met; each
  // target's list is then made once at its final size.
  std::vector<std::pair<std::size_t, std::size_t>> links;
  for (std::size_t f = 0; f < functions.nodes.size(); ++f) {
    // Matched by name: a caller entry may carry " [file]" after its name.
    bool excluded = !without.empty() && without.matches(nameHead(functions.nodes[f]));
    for (const std::string& callee : functions.children[f]) {
      auto [found, isNew] = targets.find(callee);
      if (isNew && selected(patterns, callee)) {
        *found = static_cast<long>(callers.nodes.size());
        callers.nodes.push_back(callee);
        lastCaller.push_back(0);
      }
      if (*found < 0 || excluded) continue;
      auto target = static_cast<std::size_t>(*found);
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
