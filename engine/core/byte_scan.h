// Skipping plain ASCII text eight bytes at a time. The scanners walk every
// byte of a codebase looking for a few marks ("/" of a comment, "(" of a
// call, a quote) and for the bytes above 0x7F that may begin a multi-byte
// character; everything else is passed over. Reading a word of eight bytes
// and testing all of them at once makes that pass several times cheaper
// than a test per byte, with exactly the same result.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace mora {

namespace byte_scan_detail {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Non-zero when some byte of `w` is zero (exact as to whether, not where).
constexpr std::uint64_t hasZeroByte(std::uint64_t w) { return (w - kOnes) & ~w & kHighs; }

constexpr std::uint64_t hasByte(std::uint64_t w, char c) {
  return hasZeroByte(w ^ (kOnes * static_cast<unsigned char>(c)));
}

}  // namespace byte_scan_detail

// The position of the first byte at or after `from` that is `a`, `b` or
// above 0x7F; s.size() when there is none. Pass the same byte twice to look
// for one mark.
inline std::size_t findMarkOrHigh(std::string_view s, std::size_t from, char a, char b) {
  using namespace byte_scan_detail;
  std::size_t i = from;
  std::size_t n = s.size();
  const char* p = s.data();
  for (; i + 8 <= n; i += 8) {
    std::uint64_t w;
    std::memcpy(&w, p + i, 8);
    if ((w & kHighs) | hasByte(w, a) | hasByte(w, b)) break;
  }
  for (; i < n; ++i) {
    char c = p[i];
    if (c == a || c == b || static_cast<unsigned char>(c) > 0x7F) return i;
  }
  return n;
}

}  // namespace mora
