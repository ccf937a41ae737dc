#include "core/name_pool.h"

#include <cstring>
#include <new>
#include <utility>

#include "core/name_hash.h"

namespace mora {

namespace {

// Blocks are large enough that a scan needs few of them, and small enough
// that the last, partly used one costs little. A request above a quarter of
// a block gets a block of its own, so that no block is left mostly empty.
constexpr std::size_t kPoolBlock = 32 * 1024;
constexpr std::size_t kOwnBlockAbove = kPoolBlock / 4;
constexpr std::size_t kFirstSlots = 256;

}  // namespace

// A moved-from pool is empty: it no longer fills the blocks it gave away.
NamePool::NamePool(NamePool&& other) noexcept
    : blocks_(std::move(other.blocks_)),
      next_(std::exchange(other.next_, nullptr)),
      left_(std::exchange(other.left_, 0)),
      slots_(std::move(other.slots_)),
      count_(std::exchange(other.count_, 0)),
      ids_(std::exchange(other.ids_, 0)) {
  other.blocks_.clear();
  other.slots_.clear();
}

NamePool& NamePool::operator=(NamePool&& other) noexcept {
  if (this != &other) {
    blocks_ = std::move(other.blocks_);
    next_ = std::exchange(other.next_, nullptr);
    left_ = std::exchange(other.left_, 0);
    slots_ = std::move(other.slots_);
    count_ = std::exchange(other.count_, 0);
    ids_ = std::exchange(other.ids_, 0);
    other.blocks_.clear();
    other.slots_.clear();
  }
  return *this;
}

void* NamePool::allocate(std::size_t bytes, std::size_t align) {
  std::size_t pad = (align - reinterpret_cast<std::uintptr_t>(next_) % align) % align;
  if (bytes > kOwnBlockAbove) {
    // The current block stays the one to fill.
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
    return blocks_.back().get();
  }
  if (next_ == nullptr || pad + bytes > left_) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kPoolBlock));
    next_ = blocks_.back().get();
    left_ = kPoolBlock;
    pad = 0;  // new[] aligns for every fundamental type
  }
  char* p = next_ + pad;
  next_ = p + bytes;
  left_ -= pad + bytes;
  return p;
}

std::string_view NamePool::store(std::string_view text) {
  if (text.empty()) return {};
  auto* p = static_cast<char*>(allocate(text.size(), 1));
  std::memcpy(p, text.data(), text.size());
  return {p, text.size()};
}

std::span<std::string_view> NamePool::views(std::size_t count) {
  if (count == 0) return {};
  void* p = allocate(count * sizeof(std::string_view), alignof(std::string_view));
  auto* first = new (p) std::string_view[count];
  return {first, count};
}

void NamePool::growSlots() {
  std::vector<Slot> old(slots_.empty() ? kFirstSlots : slots_.size() * 2);
  old.swap(slots_);
  std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.data == nullptr) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].data != nullptr) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

std::string_view NamePool::intern(std::string_view text) {
  if ((count_ + 1) * 2 > slots_.size()) growSlots();
  auto hash = static_cast<std::uint32_t>(hashName(text));
  std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  for (; slots_[i].data != nullptr; i = (i + 1) & mask) {
    const Slot& s = slots_[i];
    if (s.hash == hash && std::string_view(s.data, s.size) == text) return {s.data, s.size};
  }
  // The number goes just before the text.
  auto* p =
      static_cast<char*>(allocate(sizeof(std::uint32_t) + text.size(), alignof(std::uint32_t)));
  std::uint32_t number = ids_++;
  std::memcpy(p, &number, sizeof number);
  p += sizeof number;
  if (!text.empty()) std::memcpy(p, text.data(), text.size());
  slots_[i] = {p, static_cast<std::uint32_t>(text.size()), hash};
  ++count_;
  return {p, text.size()};
}

std::uint32_t NamePool::id(std::string_view interned) const {
  std::uint32_t number;
  std::memcpy(&number, interned.data() - sizeof number, sizeof number);
  return number;
}

void NamePool::endInterning() {
  std::vector<Slot>().swap(slots_);
  count_ = 0;
}

}  // namespace mora
