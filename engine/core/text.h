// Byte-string helpers shared by the reader, the evaluators and the scanners.
// All scanning is multi-byte aware (core/text_encoding.h): no byte of a
// Shift-JIS or UTF-8 multi-byte character is ever taken for a quote, comment
// mark, separator, brace or backslash.
#pragma once

#include <array>
#include <cstdarg>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace mora {

inline bool isSjisLead(unsigned char c) { return isSjisLeadByte(c); }
inline bool isSjisLead(char c) { return isSjisLead(static_cast<unsigned char>(c)); }

inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isAsciiAlnum(char c) { return isAsciiAlpha(c) || isAsciiDigit(c); }
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// A set of bytes looked up by table, so that finding the first of several
// characters costs one step per byte of the text (find_first_of searches the
// set again for every byte).
class ByteSet {
 public:
  constexpr explicit ByteSet(std::string_view bytes) {
    for (char c : bytes) member_[static_cast<unsigned char>(c)] = true;
  }
  constexpr void add(char c) { member_[static_cast<unsigned char>(c)] = true; }
  constexpr bool contains(char c) const { return member_[static_cast<unsigned char>(c)]; }
  // The position of the first byte of `s` in the set, or npos.
  constexpr std::size_t findIn(std::string_view s) const {
    for (std::size_t i = 0; i < s.size(); ++i)
      if (contains(s[i])) return i;
    return std::string_view::npos;
  }

 private:
  std::array<bool, 256> member_{};
};

// Case-insensitive (ASCII) comparison.
bool equalsNoCase(std::string_view a, std::string_view b);

// Removes blanks, tabs and line feeds at both ends.
std::string_view trim(std::string_view s);
std::string_view trimLeft(std::string_view s);
// trim() on a string of its own, without a copy: its capacity stays.
void trimInPlace(std::string& s);
std::string_view skipBlanks(std::string_view s);  // blanks and tabs only

// True when the byte at `pos` belongs to a multi-byte character that starts
// somewhere before it in `s`.
bool isSecondByte(std::string_view s, std::size_t pos);

// The ")" that matches the "(" at `open`: nested parentheses are counted,
// double-quoted text and double-byte characters are passed over.
std::optional<std::size_t> matchingParenthesis(std::string_view s, std::size_t open);

// printf-style formatting into a std::string.
// gnu_printf checks the C99 forms also where the C library's own printf is
// another (MinGW); clang (the fuzz build) knows only printf.
#if defined(__clang__)
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
#else
std::string format(const char* fmt, ...) __attribute__((format(gnu_printf, 1, 2)));
#endif
std::string vformat(const char* fmt, va_list args);

// Leading decimal integer as the integer evaluator and `exit` read it:
// optional blanks and sign, digits, stop at the first other character.
long parseLeadingInt(std::string_view s);

}  // namespace mora
