#include "core/script_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "core/limits.h"
#include "core/text.h"

namespace mora {

namespace {

// One conversion as written: %[flags][width][.precision][length]conversion.
struct Conversion {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool alternate = false;
  bool zero = false;
  std::size_t width = 0;
  std::optional<std::size_t> precision;
  char kind = 0;
};

class Arguments {
 public:
  explicit Arguments(std::span<const std::string> args) : args_(args) {}
  std::string_view next() { return next_ < args_.size() ? std::string_view(args_[next_++]) : ""; }

 private:
  std::span<const std::string> args_;
  std::size_t next_ = 0;
};

std::size_t capField(long value) {
  if (value < 0) return 0;
  return static_cast<std::size_t>(value) > kFormatFieldMax ? kFormatFieldMax
                                                           : static_cast<std::size_t>(value);
}

// Reads a width or precision of digits, saturating at the field limit.
std::size_t readDigits(std::string_view f, std::size_t& i) {
  std::size_t value = 0;
  for (; i < f.size() && isAsciiDigit(f[i]); ++i)
    value =
        std::min<std::size_t>(value * 10 + static_cast<std::size_t>(f[i] - '0'), kFormatFieldMax);
  return value;
}

// Parses the conversion that starts after the "%" at `i`; `i` ends after its
// conversion character. std::nullopt when the format ends first.
std::optional<Conversion> parseConversion(std::string_view f, std::size_t& i, Arguments& args) {
  Conversion c;
  for (; i < f.size(); ++i) {
    char ch = f[i];
    if (ch == '-')
      c.left = true;
    else if (ch == '+')
      c.plus = true;
    else if (ch == ' ')
      c.space = true;
    else if (ch == '#')
      c.alternate = true;
    else if (ch == '0')
      c.zero = true;
    else
      break;
  }
  if (i < f.size() && f[i] == '*') {
    ++i;
    long width = parseLeadingInt(args.next());
    if (width < 0) c.left = true;
    c.width = capField(width < 0 ? -width : width);
  } else {
    c.width = readDigits(f, i);
  }
  if (i < f.size() && f[i] == '.') {
    ++i;
    if (i < f.size() && f[i] == '*') {
      ++i;
      long precision = parseLeadingInt(args.next());
      if (precision >= 0) c.precision = capField(precision);
    } else {
      c.precision = readDigits(f, i);
    }
  }
  while (i < f.size() && std::string_view("hlLqjzt").find(f[i]) != std::string_view::npos) ++i;
  if (i >= f.size()) return std::nullopt;
  c.kind = f[i++];
  return c;
}

// Pads `prefix` (sign or radix mark) and `body` to the field width.
std::string pad(const Conversion& c, std::string_view prefix, std::string_view body,
                bool zeroFill) {
  std::size_t length = prefix.size() + body.size();
  std::size_t fill = c.width > length ? c.width - length : 0;
  std::string out;
  if (c.left) return out.append(prefix).append(body).append(fill, ' ');
  if (zeroFill) return out.append(prefix).append(fill, '0').append(body);
  return out.append(fill, ' ').append(prefix).append(body);
}

std::string_view signOf(const Conversion& c, bool negative) {
  if (negative) return "-";
  if (c.plus) return "+";
  return c.space ? " " : "";
}

std::string digits(std::uint64_t value, int base, bool upper) {
  char buffer[32];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, value, base).ptr;
  std::string s(buffer, end);
  if (upper)
    for (char& ch : s) ch = asciiUpper(ch);
  return s;
}

std::string formatInteger(const Conversion& c, std::string_view text) {
  long value = parseLeadingInt(text);
  bool isSigned = c.kind == 'd' || c.kind == 'i';
  bool negative = isSigned && value < 0;
  std::uint64_t magnitude =
      isSigned ? static_cast<std::uint64_t>(negative ? -static_cast<std::int64_t>(value) : value)
               : static_cast<std::uint32_t>(value);
  int base = c.kind == 'o' ? 8 : (c.kind == 'x' || c.kind == 'X') ? 16 : 10;
  std::string body = digits(magnitude, base, c.kind == 'X');
  if (c.precision) {
    if (*c.precision == 0 && magnitude == 0) body.clear();
    if (body.size() < *c.precision) body.insert(0, *c.precision - body.size(), '0');
  }
  std::string prefix(isSigned ? signOf(c, negative) : "");
  if (c.alternate && base == 8 && !body.starts_with('0')) body.insert(0, "0");
  if (c.alternate && base == 16 && magnitude != 0) prefix = c.kind == 'X' ? "0X" : "0x";
  return pad(c, prefix, body, c.zero && !c.precision);
}

std::string formatFloat(const Conversion& c, std::string_view text) {
  std::string copy(text);
  double value = std::strtod(copy.c_str(), nullptr);
  int precision = static_cast<int>(c.precision.value_or(6));
  double magnitude = std::fabs(value);
  std::string body;
  switch (c.kind) {
    case 'e':
      body = format("%.*e", precision, magnitude);
      break;
    case 'E':
      body = format("%.*E", precision, magnitude);
      break;
    case 'g':
      body = format("%.*g", precision, magnitude);
      break;
    case 'G':
      body = format("%.*G", precision, magnitude);
      break;
    case 'F':
      body = format("%.*F", precision, magnitude);
      break;
    default:
      body = format("%.*f", precision, magnitude);
      break;
  }
  return pad(c, signOf(c, std::signbit(value)), body, c.zero && std::isfinite(value));
}

std::string formatText(const Conversion& c, std::string_view text) {
  if (c.precision && text.size() > *c.precision) text = text.substr(0, *c.precision);
  return pad(c, "", text, false);
}

// The conversion applied to its argument; std::nullopt for an unknown kind.
std::optional<std::string> convert(const Conversion& c, Arguments& args) {
  switch (c.kind) {
    case 's':
      return formatText(c, args.next());
    case 'c':
      return pad(c, "", args.next().substr(0, 1), false);
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      return formatInteger(c, args.next());
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
      return formatFloat(c, args.next());
    default:
      return std::nullopt;
  }
}

}  // namespace

std::string processEscapes(std::string_view format) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    std::size_t width = charLength(format, i);
    if (c == '\\' && i + 1 < format.size()) {
      char next = format[++i];
      c = next == 'n' ? '\n' : next == 't' ? '\t' : next == 'a' ? '\a' : next;
      // An escaped lead byte still carries the rest of its character.
      width = charLength(format, i);
    } else if (c == '\\') {
      break;  // a trailing backslash escapes nothing
    }
    if (out.size() + width > kFormatMax) break;
    out += c;
    out.append(format.substr(i + 1, width - 1));
    i += width - 1;
  }
  return out;
}

std::string formatWithTextArguments(std::string_view format, std::span<const std::string> args) {
  Arguments arguments(args);
  std::string out;
  std::size_t i = 0;
  while (i < format.size()) {
    std::size_t percent = format.find('%', i);
    out.append(format.substr(i, percent - i));
    if (percent == std::string_view::npos) break;
    i = percent + 1;
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    std::optional<Conversion> c = parseConversion(format, i, arguments);
    std::optional<std::string> text = c ? convert(*c, arguments) : std::nullopt;
    out.append(text ? std::string_view(*text) : format.substr(percent, i - percent));
  }
  return out;
}

}  // namespace mora
