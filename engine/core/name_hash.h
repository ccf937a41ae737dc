// A hash for names (function and callee names, entry heads): eight bytes at
// a time with one multiplication each, as names are short and hashed many
// times over in the call trees.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace mora {

inline std::uint64_t hashName(std::string_view s) {
  constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ULL;
  std::uint64_t h = kMix ^ s.size();
  const char* p = s.data();
  std::size_t n = s.size();
  std::size_t i = 0;
  std::uint64_t w;
  for (; i + 8 <= n; i += 8) {
    std::memcpy(&w, p + i, 8);
    h = (std::rotl(h, 5) ^ w) * kMix;
  }
  if (i < n) {
    w = 0;
    std::memcpy(&w, p + i, n - i);
    h = (std::rotl(h, 5) ^ w) * kMix;
  }
  return h ^ (h >> 32);
}

}  // namespace mora
