#include "reports/node_table.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/byte_scan.h"
#include "core/text.h"

namespace mora {

std::string_view nameHead(std::string_view entry) {
  static constexpr ByteSet kHeadEnds(" \t\n(");
  std::size_t i = 0;
  std::size_t n = entry.size();
  if constexpr (std::endian::native == std::endian::little) {
    // Every node and callee is looked up by its head: names go by words.
    using namespace byte_scan_detail;
    for (std::uint64_t w; i + 8 <= n; i += 8) {
      std::memcpy(&w, entry.data() + i, 8);
      std::uint64_t ends = hasByte(w, ' ') | hasByte(w, '\t') | hasByte(w, '\n') | hasByte(w, '(');
      if (ends) return entry.substr(0, i + firstMarked(ends));
    }
  }
  while (i < n && !kHeadEnds.contains(entry[i])) ++i;
  return entry.substr(0, i);
}

NameIndex::NameIndex(const std::vector<std::string>& items) {
  first_.reserve(items.size());
  for (std::size_t k = 0; k < items.size(); ++k)
    first_.emplace(nameHead(items[k]), static_cast<long>(k));  // keeps the first
}

long NameIndex::find(std::string_view key) const { return findHead(nameHead(key)); }

long NameIndex::findHead(std::string_view head) const {
  auto it = first_.find(head);
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
