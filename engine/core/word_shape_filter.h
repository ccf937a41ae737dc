// A quick first test for membership in a small fixed list of words: the
// pairs of length and first byte that the words have, as bits. A word whose
// pair is missing is surely not in the list, so most names (a call to
// "luaH_get" next to the reserved words) are settled by one lookup, and only
// the rest go on to the exact search.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace mora {

class WordShapeFilter {
 public:
  // A list with a word longer than kMaxLength, or one starting above 0x7F,
  // fails to compile: at() goes out of range during constant evaluation.
  static constexpr std::size_t kMaxLength = 31;

  template <std::size_t N>
  constexpr explicit WordShapeFilter(const std::array<std::string_view, N>& words) {
    for (std::string_view w : words) {
      auto c = static_cast<unsigned char>(w.front());
      bits_.at(w.size()).at(c >> 6) |= std::uint64_t{1} << (c & 63);
    }
  }

  // False when `word` is surely not one of the words.
  constexpr bool mayContain(std::string_view word) const {
    if (word.empty() || word.size() > kMaxLength) return false;
    auto c = static_cast<unsigned char>(word.front());
    return c <= 0x7F && ((bits_[word.size()][c >> 6] >> (c & 63)) & 1) != 0;
  }

 private:
  std::array<std::array<std::uint64_t, 2>, kMaxLength + 1> bits_{};
};

}  // namespace mora
