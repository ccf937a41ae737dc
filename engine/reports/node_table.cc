#include "reports/node_table.h"

#include <algorithm>

#include "core/text.h"

namespace mora {

std::string_view nameHead(std::string_view entry) {
  static constexpr ByteSet kHeadEnds(" \t\n(");
  return entry.substr(0, std::min(kHeadEnds.findIn(entry), entry.size()));
}

NameIndex::NameIndex(const std::vector<std::string>& items) {
  first_.reserve(items.size());
  for (std::size_t k = 0; k < items.size(); ++k)
    first_.emplace(nameHead(items[k]), static_cast<long>(k));  // keeps the first
}

long NameIndex::find(std::string_view key) const {
  auto it = first_.find(nameHead(key));
  return it == first_.end() ? -1 : it->second;
}

ParentCounts::ParentCounts(const NodeTable& table) {
  // The list that last counted a head, so that a head named twice in one
  // list counts once.
  std::unordered_map<std::string_view, std::size_t> lastList;
  for (std::size_t k = 0; k < table.children.size(); ++k) {
    for (const std::string& child : table.children[k]) {
      std::string_view head = nameHead(child);
      auto [seen, isNew] = lastList.try_emplace(head, k);
      if (!isNew && seen->second == k) continue;
      seen->second = k;
      int& count = counts_[head];
      if (count < 2) ++count;
    }
  }
}

int ParentCounts::of(std::string_view entry) const {
  auto it = counts_.find(nameHead(entry));
  return it == counts_.end() ? 0 : it->second;
}

PatternSet::PatternSet(const std::vector<std::string>& items) {
  for (const std::string& item : items)
    if (!item.empty() && item[0] != '#') patterns_.emplace_back(item);
}

bool PatternSet::matches(std::string_view subject) const {
  return std::any_of(patterns_.begin(), patterns_.end(),
                     [&](const WildcardPattern& p) { return p.matches(subject); });
}

}  // namespace mora
