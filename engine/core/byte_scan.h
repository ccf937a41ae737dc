// Skipping plain ASCII text eight bytes at a time. The scanners walk every
// byte of a codebase looking for a few marks ("/" of a comment, "(" of a
// call, a quote) and for the bytes above 0x7F that may begin a multi-byte
// character; everything else is passed over. Reading a word of eight bytes
// and testing all of them at once makes that pass several times cheaper
// than a test per byte, with exactly the same result.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace mora {

namespace byte_scan_detail {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7FULL;

// The zero bytes of `w`, each as its high bit: exact for every byte (no
// borrow runs from one byte into the next).
constexpr std::uint64_t zeroBytes(std::uint64_t w) { return ~(((w & kLows) + kLows) | w | kLows); }

constexpr std::uint64_t hasByte(std::uint64_t w, char c) {
  return zeroBytes(w ^ (kOnes * static_cast<unsigned char>(c)));
}

// The bytes of `w` that are `a`, `b` or above 0x7F, each as its high bit.
constexpr std::uint64_t marksIn(std::uint64_t w, char a, char b) {
  std::uint64_t m = (w & kHighs) | hasByte(w, a);
  return a == b ? m : m | hasByte(w, b);
}

// The index in memory order of the byte that the lowest mark bit stands for.
inline std::size_t firstMarked(std::uint64_t marks) {
  return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
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
  if constexpr (std::endian::native == std::endian::little) {
    std::uint64_t w;
    for (; i + 8 <= n; i += 8) {
      std::memcpy(&w, p + i, 8);
      if (std::uint64_t m = marksIn(w, a, b)) return i + firstMarked(m);
    }
    if (i < n && n >= 8) {
      // The tail, shorter than a word: the last word of `s`, without the
      // bytes before `i` it shares with what was looked at already.
      std::size_t last = n - 8;
      std::memcpy(&w, p + last, 8);
      std::uint64_t m = marksIn(w, a, b) & (~std::uint64_t{0} << (8 * (i - last)));
      return m ? last + firstMarked(m) : n;
    }
  }
  for (; i < n; ++i) {
    char c = p[i];
    if (c == a || c == b || static_cast<unsigned char>(c) > 0x7F) return i;
  }
  return n;
}

// The first position at or after `from` that holds no blank (space or tab);
// s.size() when only blanks follow. Indentation of spaces goes by words,
// the spaces that begin the first other word at once.
inline std::size_t skipBlankRun(std::string_view s, std::size_t from) {
  constexpr std::uint64_t kSpaces = byte_scan_detail::kOnes * ' ';
  std::size_t i = from;
  std::size_t n = s.size();
  for (std::uint64_t w; i + 8 <= n; i += 8) {
    std::memcpy(&w, s.data() + i, 8);
    if (w != kSpaces) {
      if constexpr (std::endian::native == std::endian::little)
        i += byte_scan_detail::firstMarked(w ^ kSpaces);
      break;
    }
  }
  while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
  return i;
}

}  // namespace mora
