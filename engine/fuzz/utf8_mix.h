// Turns fuzz input into text that mixes UTF-8 with stray bytes, which random
// bytes alone almost never are: each byte 0x80-0xBF becomes a three-byte
// kanji (U+6000-U+6FFF), ASCII stays, and bytes 0xC0-0xFF stay as they are,
// malformed UTF-8 or Shift-JIS lead bytes. The result is valid UTF-8 exactly
// when the input held no byte above 0xBF.
#pragma once

#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace mora::fuzz {

inline std::string mixUtf8(std::string_view in) {
  std::string out;
  out.reserve(in.size() * 3);
  for (char ch : in) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 0x80 && c <= 0xBF) {
      out += '\xE6';
      out += static_cast<char>(0x80 | (c & 0x3F));
      out += '\x9C';
    } else {
      out += ch;
    }
  }
  return out;
}

// Whether every byte of `s` is ASCII or part of a well-formed UTF-8 sequence.
inline bool isValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = utf8SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

}  // namespace mora::fuzz
