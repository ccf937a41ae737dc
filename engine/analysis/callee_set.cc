#include "analysis/callee_set.h"

#include "core/name_hash.h"

namespace mora {

namespace {

constexpr std::size_t kFirstSlots = 16;

}  // namespace

bool CalleeSet::add(std::vector<std::string>& names, std::string_view name) {
  if ((count_ + 1) * 2 > slots_.size()) grow();
  auto h = static_cast<std::uint32_t>(hashName(name));
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = h & mask;; i = (i + 1) & mask) {
    Slot& slot = slots_[i];
    if (slot.stamp != stamp_) {
      slot = {stamp_, h, static_cast<std::uint32_t>(names.size())};
      names.emplace_back(name);
      ++count_;
      return true;
    }
    // A slot naming past the list belongs to a list cleared without the
    // set: it can never match.
    if (slot.hash == h && slot.index < names.size() && names[slot.index] == name) return false;
  }
}

void CalleeSet::clear() {
  count_ = 0;
  if (++stamp_ != 0) return;
  // The stamp went round: every slot is marked free again explicitly.
  for (Slot& slot : slots_) slot.stamp = 0;
  stamp_ = 1;
}

void CalleeSet::grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? kFirstSlots : old.size() * 2, Slot{});
  std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.stamp != stamp_) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].stamp == stamp_) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace mora
