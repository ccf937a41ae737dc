#include "core/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/text.h"

namespace mora {

namespace {

// The shape of a UTF-8 sequence by its first byte: how many continuation
// bytes follow and the range the first of them must fall in (which rules out
// overlong forms, surrogates and code points beyond U+10FFFF). The other
// continuation bytes are always 0x80-0xBF.
struct Utf8Lead {
  unsigned char first, last;  // range of the lead byte
  unsigned char continuations;
  unsigned char low, high;  // range of the byte after the lead
};

constexpr std::array<Utf8Lead, 8> kUtf8Leads = {{
    {0xC2, 0xDF, 1, 0x80, 0xBF},
    {0xE0, 0xE0, 2, 0xA0, 0xBF},
    {0xE1, 0xEC, 2, 0x80, 0xBF},
    {0xED, 0xED, 2, 0x80, 0x9F},
    {0xEE, 0xEF, 2, 0x80, 0xBF},
    {0xF0, 0xF0, 3, 0x90, 0xBF},
    {0xF1, 0xF3, 3, 0x80, 0xBF},
    {0xF4, 0xF4, 3, 0x80, 0x8F},
}};

const Utf8Lead* utf8Lead(unsigned char c) {
  if (c < 0xC2 || c > 0xF4) return nullptr;
  for (const Utf8Lead& lead : kUtf8Leads)
    if (c >= lead.first && c <= lead.last) return &lead;
  return nullptr;
}

struct EncodingName {
  std::string_view name;
  EncodingChoice choice;
};

constexpr std::array<EncodingName, 3> kEncodingNames = {{
    {"auto", EncodingChoice::Auto},
    {"sjis", EncodingChoice::ShiftJis},
    {"utf8", EncodingChoice::Utf8},
}};

// Code points shown two columns wide: the East Asian wide and full-width
// ranges.
struct WideRange {
  char32_t first, last;
};

constexpr std::array<WideRange, 10> kWideRanges = {{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F},
    {0x20000, 0x3FFFD},
}};

std::size_t codePointWidth(char32_t c) {
  for (const WideRange& r : kWideRanges)
    if (c >= r.first && c <= r.last) return 2;
  return 1;
}

// The code point of the well-formed sequence of `length` bytes at `p`.
char32_t decodeUtf8(const char* p, std::size_t length) {
  static constexpr unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<unsigned char>(p[0]) & kLeadMask[length];
  for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(p[k]) & 0x3F);
  return c;
}

// The JIS line pieces (Shift-JIS box drawing) and their UTF-8 forms, each of
// two columns: a narrow box-drawing character with its continuation, or the
// full-width equals sign.
struct LinePiece {
  std::string_view sjis;
  std::string_view utf8;
};

constexpr std::array<LinePiece, 6> kLinePieceForms = {{
    {"\x84\x9F", "\xE2\x94\x80\xE2\x94\x80"},  // horizontal: U+2500 U+2500
    {"\x84\xA0", "\xE2\x94\x82 "},             // vertical: U+2502
    {"\x84\xA1", "\xE2\x94\x8C\xE2\x94\x80"},  // down and right: U+250C U+2500
    {"\x84\xA4", "\xE2\x94\x94\xE2\x94\x80"},  // up and right: U+2514 U+2500
    {"\x84\xA5", "\xE2\x94\x9C\xE2\x94\x80"},  // vertical and right: U+251C U+2500
    {"\x81\x81", "\xEF\xBC\x9D"},              // full-width equals sign: U+FF1D
}};

}  // namespace

// Whether `s` is measured by its UTF-8 characters rather than its bytes.
bool measuredAsUtf8(std::string_view s) {
  return encodingChoice() != EncodingChoice::ShiftJis && isMultiByteUtf8(s);
}

namespace {

struct ColumnSpan {
  std::size_t bytes = 0;
  std::size_t columns = 0;
};

// The whole characters at the head of UTF-8 text `s` that fit in `limit`
// columns.
ColumnSpan utf8SpanWithin(std::string_view s, std::size_t limit) {
  ColumnSpan span;
  while (span.bytes < s.size()) {
    std::size_t n = std::max<std::size_t>(utf8SequenceLength(s, span.bytes), 1);
    std::size_t width = n == 1 ? 1 : codePointWidth(decodeUtf8(s.data() + span.bytes, n));
    if (span.columns + width > limit) break;
    span.columns += width;
    span.bytes += n;
  }
  return span;
}

}  // namespace

std::size_t displayWidth(std::string_view s) {
  if (!measuredAsUtf8(s)) return s.size();
  return utf8SpanWithin(s, std::numeric_limits<std::size_t>::max()).columns;
}

std::string_view headWithinColumns(std::string_view s, std::size_t columns) {
  if (!measuredAsUtf8(s)) return s.substr(0, std::min(columns, s.size()));
  return s.substr(0, utf8SpanWithin(s, columns).bytes);
}

void appendPadded(std::string& out, std::string_view s, std::size_t columns) {
  out.append(s);
  std::size_t width = displayWidth(s);
  if (width < columns) out.append(columns - width, ' ');
}

std::string outputText(std::string_view sjis) {
  if (outputEncoding() == TextEncoding::ShiftJis) return std::string(sjis);
  return utf8PieceText(sjis);
}

std::string utf8PieceText(std::string_view sjis) {
  std::string out;
  out.reserve(sjis.size() * 2);
  for (std::size_t i = 0; i < sjis.size();) {
    std::size_t n =
        isSjisLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() ? 2 : 1;
    std::string_view ch = sjis.substr(i, n);
    auto form = std::find_if(kLinePieceForms.begin(), kLinePieceForms.end(),
                             [&](const LinePiece& p) { return p.sjis == ch; });
    out += form == kLinePieceForms.end() ? ch : form->utf8;
    i += n;
  }
  return out;
}

std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
  const Utf8Lead* lead = utf8Lead(static_cast<unsigned char>(s[i]));
  if (!lead || s.size() - i <= lead->continuations) return 0;
  auto next = static_cast<unsigned char>(s[i + 1]);
  if (next < lead->low || next > lead->high) return 0;
  for (std::size_t k = 2; k <= lead->continuations; ++k) {
    auto c = static_cast<unsigned char>(s[i + k]);
    if (c < 0x80 || c > 0xBF) return 0;
  }
  return lead->continuations + 1u;
}

bool isMultiByteUtf8(std::string_view s) {
  bool multiByte = false;
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = utf8SequenceLength(s, i);
    if (n == 0) return false;
    multiByte = true;
    i += n;
  }
  return multiByte;
}

TextEncoding encodingOfText(std::string_view s) {
  if (encodingChoice() == EncodingChoice::ShiftJis) return TextEncoding::ShiftJis;
  return isMultiByteUtf8(s) ? TextEncoding::Utf8 : currentEncoding();
}

std::optional<EncodingChoice> parseEncodingChoice(std::string_view value) {
  for (const EncodingName& n : kEncodingNames)
    if (equalsNoCase(value, n.name)) return n.choice;
  return std::nullopt;
}

bool localeIsUtf8(std::string_view locale) {
  std::size_t dot = locale.find('.');
  if (dot == std::string_view::npos) return false;
  std::string_view charset = locale.substr(dot + 1);
  charset = charset.substr(0, charset.find('@'));
  return equalsNoCase(charset, "UTF-8") || equalsNoCase(charset, "utf8");
}

void configureEncoding(std::string_view value, bool utf8Terminal) {
  EncodingChoice choice = parseEncodingChoice(value).value_or(EncodingChoice::Auto);
  encoding_state::choice = choice;
  encoding_state::current =
      choice == EncodingChoice::Utf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
  bool utf8Out = choice == EncodingChoice::Utf8 || (choice == EncodingChoice::Auto && utf8Terminal);
  encoding_state::output = utf8Out ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

std::size_t asciiPrefixLength(const char* p, std::size_t n) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    std::uint64_t w[4];
    std::memcpy(w, p + i, sizeof w);
    if ((w[0] | w[1] | w[2] | w[3]) & kHighBits) break;
  }
  for (std::uint64_t a; i + 8 <= n; i += 8) {
    std::memcpy(&a, p + i, 8);
    if (a & kHighBits) break;
  }
  while (i < n && static_cast<unsigned char>(p[i]) < 0x80) ++i;
  return i;
}

bool EncodingDetector::settled() const {
  return encodingChoice() != EncodingChoice::Auto || state_ == State::ShiftJis;
}

// One byte of the running validation; false at the first malformed byte.
bool EncodingDetector::feed(unsigned char c) {
  if (pending_ > 0) {
    if (c < low_ || c > high_) return false;
    --pending_;
    low_ = 0x80;
    high_ = 0xBF;
    return true;
  }
  if (c < 0x80) return true;
  const Utf8Lead* lead = utf8Lead(c);
  if (!lead) return false;
  pending_ = lead->continuations;
  low_ = lead->low;
  high_ = lead->high;
  state_ = State::Utf8;
  return true;
}

std::optional<TextEncoding> EncodingDetector::observe(std::string_view piece) {
  switch (encodingChoice()) {
    case EncodingChoice::ShiftJis:
      return TextEncoding::ShiftJis;
    case EncodingChoice::Utf8:
      return TextEncoding::Utf8;
    case EncodingChoice::Auto:
      break;
  }
  if (state_ != State::ShiftJis) {
    const char* p = piece.data();
    const std::size_t n = piece.size();
    std::size_t i = 0;
    while (i < n) {
      if (pending_ == 0) {
        i += asciiPrefixLength(p + i, n - i);
        if (i == n) break;
      }
      if (!feed(static_cast<unsigned char>(p[i++]))) {
        state_ = State::ShiftJis;
        break;
      }
    }
  }
  switch (state_) {
    case State::Utf8:
      return TextEncoding::Utf8;
    case State::ShiftJis:
      return TextEncoding::ShiftJis;
    case State::Undecided:
      break;
  }
  return std::nullopt;
}

}  // namespace mora
