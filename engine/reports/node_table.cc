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

PatternSet::PatternSet(const std::vector<std::string>& items) {
  for (const std::string& item : items)
    if (!item.empty() && item[0] != '#') patterns_.emplace_back(item);
}

bool PatternSet::matches(std::string_view subject) const {
  return std::any_of(patterns_.begin(), patterns_.end(),
                     [&](const WildcardPattern& p) { return p.matches(subject); });
}

}  // namespace mora
