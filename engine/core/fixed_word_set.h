// An exact membership test for a small fixed list of words, built at
// compile time: the words sit in an open-addressing table keyed by length,
// first and last byte, so a lookup is one slot computation and, for most
// words, one comparison, where a sorted search compares six times.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mora {

template <std::size_t Slots>
class FixedWordSet {
  static_assert(Slots > 0 && (Slots & (Slots - 1)) == 0, "the slots are a power of two");

 public:
  // Every word must be non-empty; at most half the slots may be taken, so
  // that a search for a missing word soon meets an empty slot.
  template <std::size_t N>
  constexpr explicit FixedWordSet(const std::array<std::string_view, N>& words) {
    static_assert(N * 2 <= Slots, "the table is at most half full");
    for (std::string_view w : words) {
      std::size_t i = slotOf(w);
      while (!slots_.at(i).empty()) i = (i + 1) & (Slots - 1);
      slots_.at(i) = w;
    }
  }

  constexpr bool contains(std::string_view word) const {
    if (word.empty()) return false;
    for (std::size_t i = slotOf(word);; i = (i + 1) & (Slots - 1)) {
      if (slots_[i].empty()) return false;
      if (slots_[i] == word) return true;
    }
  }

 private:
  static constexpr std::size_t slotOf(std::string_view w) {
    auto first = static_cast<unsigned char>(w.front());
    auto last = static_cast<unsigned char>(w.back());
    return (w.size() * 37 + first * 11 + last) & (Slots - 1);
  }

  std::array<std::string_view, Slots> slots_{};
};

}  // namespace mora
