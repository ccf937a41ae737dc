// The character encoding of the text being scanned. Every text the engine
// reads is Shift-JIS unless it is valid UTF-8 holding at least one multi-byte
// character; then its multi-byte characters are kept whole and none of their
// bytes is ever taken for ASCII punctuation. Real Shift-JIS text with
// double-byte characters is practically never valid UTF-8 (its lead bytes
// 0x81-0x9F are UTF-8 continuation bytes) and ASCII reads alike under both,
// so Shift-JIS input scans exactly as it always has.
//
// The decision is made while a text is read (EncodingDetector, per file or
// per interactive line) and held in one process-wide "current encoding" that
// the scanning helpers below consult; a reader restores the encoding it found
// when it is done (EncodingScope), so a script keeps its own encoding around
// the source files its commands read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mora {

enum class TextEncoding : unsigned char { ShiftJis, Utf8 };

// MORA_ENCODING: "sjis" and "utf8" force the encoding of every text (and of
// the output); "auto", unset or anything else detects.
enum class EncodingChoice : unsigned char { Auto, ShiftJis, Utf8 };

namespace encoding_state {
inline TextEncoding current = TextEncoding::ShiftJis;
inline TextEncoding output = TextEncoding::ShiftJis;
inline EncodingChoice choice = EncodingChoice::Auto;
}  // namespace encoding_state

inline TextEncoding currentEncoding() { return encoding_state::current; }
inline void setCurrentEncoding(TextEncoding e) { encoding_state::current = e; }
inline TextEncoding outputEncoding() { return encoding_state::output; }
inline EncodingChoice encodingChoice() { return encoding_state::choice; }

std::optional<EncodingChoice> parseEncodingChoice(std::string_view value);

// Applies MORA_ENCODING (`value`, empty when unset) at start-up. The output
// is UTF-8 when forced, or under auto when standard output is a terminal
// whose locale is UTF-8 (`utf8Terminal`); Shift-JIS otherwise.
void configureEncoding(std::string_view value, bool utf8Terminal);

// Whether a locale name (LC_ALL, LC_CTYPE or LANG) names UTF-8.
bool localeIsUtf8(std::string_view locale);

inline bool isSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length of the well-formed UTF-8 multi-byte sequence at `i` (2 to 4), or 0
// when the bytes there are not one (ASCII, a stray continuation byte, an
// overlong form, a surrogate, a truncated sequence).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i);

// Bytes of the character at `i` under the current encoding: a Shift-JIS lead
// byte with a byte after it is 2; a well-formed UTF-8 sequence is its length;
// everything else (ASCII, and in UTF-8 text a malformed byte) is 1.
inline std::size_t charLength(std::string_view s, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  if (currentEncoding() == TextEncoding::Utf8) {
    std::size_t n = utf8SequenceLength(s, i);
    return n ? n : 1;
  }
  return isSjisLeadByte(c) && i + 1 < s.size() ? 2 : 1;
}

// Whether the byte `c`, read alone from a stream, begins a character whose
// next byte belongs to it. In UTF-8 text the bytes of a multi-byte character
// are all above 0x7F, so none of them can hide an ASCII byte: only a
// Shift-JIS lead byte takes the byte after it, whatever that byte is.
inline bool takesNextByte(unsigned char c) {
  return currentEncoding() == TextEncoding::ShiftJis && isSjisLeadByte(c);
}

// Whether the byte `c` may begin a multi-byte character of the current
// encoding (a Shift-JIS lead byte; a UTF-8 lead byte 0xC2-0xF4).
inline bool isMultiByteStart(unsigned char c) {
  if (currentEncoding() == TextEncoding::Utf8) return c >= 0xC2 && c <= 0xF4;
  return isSjisLeadByte(c);
}

// Whether `c` is a byte of a name character beyond ASCII: in UTF-8 text
// every byte of a multi-byte character belongs to the name it stands in (a
// Japanese identifier); Shift-JIS names stay ASCII.
inline bool isUtf8NameByte(char c) {
  return currentEncoding() == TextEncoding::Utf8 && static_cast<unsigned char>(c) >= 0x80;
}

// Whether `s` is valid UTF-8 with at least one multi-byte character.
bool isMultiByteUtf8(std::string_view s);

// The encoding a stored text of unknown origin is read with: UTF-8 when it
// is valid UTF-8 holding multi-byte characters (unless Shift-JIS is forced),
// else the current encoding.
TextEncoding encodingOfText(std::string_view s);

// Decides the encoding of one text read in pieces (a file, a stream of
// lines), validating each piece as it arrives: undecided while only ASCII
// has come, UTF-8 from the first multi-byte character on, and Shift-JIS for
// good from the first byte that is not well-formed UTF-8. A sequence cut
// between two pieces is carried over, not taken for an error.
class EncodingDetector {
 public:
  // Feeds the next piece; returns the decision so far (none while undecided).
  std::optional<TextEncoding> observe(std::string_view piece);
  // Forgets everything seen (interactive input decides line by line).
  void reset() { *this = EncodingDetector(); }
  // Whether nothing read from now on can change the decision (a forced
  // encoding, or Shift-JIS for good).
  bool settled() const;
  // Whether the last piece ended inside a multi-byte sequence, so that even
  // an ASCII byte next would change the decision.
  bool midCharacter() const { return pending_ != 0; }

 private:
  enum class State : unsigned char { Undecided, Utf8, ShiftJis };
  bool feed(unsigned char c);

  State state_ = State::Undecided;
  unsigned char pending_ = 0;  // continuation bytes still expected
  unsigned char low_ = 0x80;   // range of the next continuation byte
  unsigned char high_ = 0xBF;
};

// The number of leading bytes of p[0..n) below 0x80, found 32 bytes
// at a time: source text is mostly ASCII, and ASCII never changes a decision.
std::size_t asciiPrefixLength(const char* p, std::size_t n);

// Columns a text takes on screen. Text that is valid UTF-8 with multi-byte
// characters counts East Asian wide and full-width characters as two columns
// and every other character as one; any other text (Shift-JIS, ASCII) counts
// its bytes, as a double-byte character is two columns and a half-width one
// byte is one.
std::size_t displayWidth(std::string_view s);

// The longest head of `s` that takes at most `columns` columns and ends on
// a character boundary (a byte boundary for text that is not multi-byte
// UTF-8, as `displayWidth` counts).
std::string_view headWithinColumns(std::string_view s, std::size_t columns);

// Appends `s` and then blanks up to `columns` display columns, as "%-*s"
// does with bytes: a longer text is appended whole.
void appendPadded(std::string& out, std::string_view s, std::size_t columns);

// An engine-made text (the JIS line pieces of trees and action diagrams,
// written in Shift-JIS) in the output encoding: unchanged for Shift-JIS
// output; for UTF-8 output each line piece becomes its UTF-8 box-drawing
// form of the same two columns.
std::string outputText(std::string_view sjis);
// The same text with each line piece in its UTF-8 form, whatever the output
// encoding: for a line whose other text is UTF-8.
std::string utf8PieceText(std::string_view sjis);
// Whether `s` is measured by its UTF-8 characters rather than its bytes:
// valid UTF-8 with multi-byte characters, unless Shift-JIS is forced.
bool measuredAsUtf8(std::string_view s);

// Restores the current encoding it found when it ends.
class EncodingScope {
 public:
  EncodingScope() : saved_(currentEncoding()) {}
  explicit EncodingScope(TextEncoding e) : saved_(currentEncoding()) { setCurrentEncoding(e); }
  ~EncodingScope() { setCurrentEncoding(saved_); }
  EncodingScope(const EncodingScope&) = delete;
  EncodingScope& operator=(const EncodingScope&) = delete;

 private:
  TextEncoding saved_;
};

// The encoding of one input being read: its detector and the scope that
// gives the encoding back when the input is closed. Each piece read is
// passed to observe(), which makes its decision current.
class InputEncoding {
 public:
  void observe(std::string_view piece) {
    if (std::optional<TextEncoding> e = detector_.observe(piece)) setCurrentEncoding(*e);
  }
  void reset() { detector_.reset(); }
  // Whether observing is still needed, and for an ASCII piece at all: a
  // reader that knows its pieces are ASCII passes them by unobserved.
  bool settled() const { return detector_.settled(); }
  bool asciiChangesNothing() const { return !detector_.midCharacter(); }

 private:
  EncodingScope scope_;
  EncodingDetector detector_;
};

}  // namespace mora
