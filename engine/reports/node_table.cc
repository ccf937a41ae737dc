#include "reports/node_table.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/byte_scan.h"
#include "core/name_hash.h"
#include "core/text.h"

namespace mora {

std::string_view nameHead(std::string_view entry) {
  static constexpr ByteSet kHeadEnds(" \t\n(");
  std::size_t n = entry.size();
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    // Every node and callee is looked up by its head: names go by words,
    // and the tail shorter than a word by the last word of the entry.
    using namespace byte_scan_detail;
    // Every end byte lies below 0x29, and names hold no such byte: a word
    // with no byte below it is passed with one test.
    auto ends = [](std::uint64_t w) -> std::uint64_t {
      if (((w - kOnes * 0x29) & ~w & kHighs) == 0) return 0;
      return hasByte(w, ' ') | hasByte(w, '\t') | hasByte(w, '\n') | hasByte(w, '(');
    };
    std::uint64_t w;
    for (; i + 8 <= n; i += 8) {
      std::memcpy(&w, entry.data() + i, 8);
      if (std::uint64_t m = ends(w)) return entry.substr(0, i + firstMarked(m));
    }
    if (i < n && n >= 8) {
      std::size_t last = n - 8;
      std::memcpy(&w, entry.data() + last, 8);
      std::uint64_t m = ends(w) & (~std::uint64_t{0} << (8 * (i - last)));
      return entry.substr(0, m ? last + firstMarked(m) : n);
    }
  }
  while (i < n && !kHeadEnds.contains(entry[i])) ++i;
  return entry.substr(0, i);
}

NameIndex::NameIndex(const std::vector<std::string>& items) { build(items); }

NameIndex::NameIndex(const std::vector<std::string_view>& items) { build(items); }

template <typename Items>
void NameIndex::build(const Items& items) {
  heads_.reserve(items.size());
  std::size_t size = 16;
  while (size < items.size() * 2) size *= 2;
  slots_.resize(size);
  std::size_t mask = size - 1;
  for (std::size_t k = 0; k < items.size(); ++k) {
    std::string_view head = heads_.emplace_back(nameHead(items[k]));
    auto hash = static_cast<std::uint32_t>(hashName(head));
    std::size_t i = hash & mask;
    // The first item with a head keeps it.
    while (slots_[i].item != 0 && !(slots_[i].hash == hash && heads_[slots_[i].item - 1] == head))
      i = (i + 1) & mask;
    if (slots_[i].item == 0) slots_[i] = {hash, static_cast<std::uint32_t>(k + 1)};
  }
}

long NameIndex::find(std::string_view key) const { return findHead(nameHead(key)); }

long NameIndex::findHead(std::string_view head) const {
  if (slots_.empty()) return -1;
  auto hash = static_cast<std::uint32_t>(hashName(head));
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].item != 0; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.hash == hash && heads_[slot.item - 1] == head) return static_cast<long>(slot.item) - 1;
  }
  return -1;
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
