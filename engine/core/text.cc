#include "core/text.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace mora {

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

static bool isTrimmed(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string_view trimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && isTrimmed(s[i])) ++i;
  return s.substr(i);
}

std::string_view trim(std::string_view s) {
  s = trimLeft(s);
  std::size_t n = s.size();
  while (n > 0 && isTrimmed(s[n - 1])) --n;
  return s.substr(0, n);
}

void trimInPlace(std::string& s) {
  std::size_t n = s.size();
  while (n > 0 && isTrimmed(s[n - 1])) --n;
  s.resize(n);
  std::size_t i = 0;
  while (i < n && isTrimmed(s[i])) ++i;
  s.erase(0, i);
}

std::string_view skipBlanks(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  return s.substr(i);
}

bool isSecondByte(std::string_view s, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos) i += charLength(s, i);
  return i > pos;
}

std::string vformat(const char* fmt, va_list args) {
  va_list copy;
  va_copy(copy, args);
  char small[512];
  int n = std::vsnprintf(small, sizeof small, fmt, copy);
  va_end(copy);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof small)
    return std::string(small, static_cast<std::size_t>(n));
  std::vector<char> big(static_cast<std::size_t>(n) + 1);
  std::vsnprintf(big.data(), big.size(), fmt, args);
  return std::string(big.data(), static_cast<std::size_t>(n));
}

std::string format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string s = vformat(fmt, args);
  va_end(args);
  return s;
}

long parseLeadingInt(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  // 32-bit arithmetic that wraps instead of overflowing.
  std::uint32_t value = 0;
  for (; i < s.size() && isAsciiDigit(s[i]); ++i)
    value = value * 10u + static_cast<std::uint32_t>(s[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

// The ")" that matches the "(" at `open`: nested parentheses are counted and
// quoted text is passed over.
std::optional<std::size_t> matchingParenthesis(std::string_view s, std::size_t open) {
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = open; i < s.size(); ++i) {
    if (std::size_t n = charLength(s, i); n > 1) {
      i += n - 1;
      continue;
    }
    if (s[i] == '"') quoted = !quoted;
    if (quoted) continue;
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  return std::nullopt;
}

}  // namespace mora
