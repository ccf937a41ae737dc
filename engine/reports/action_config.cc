#include "reports/action_config.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <sstream>

#include "core/piece_reader.h"
#include "core/text.h"

namespace mora {

namespace {

// The built-in sets, line by line. JIS pieces are Shift-JIS box-drawing
// characters: 0x84A1 down and right, 0x849F horizontal, 0x84A4 up and
// right, 0x84A5 vertical and right, 0x84A0 vertical, 0x8181 full-width "=".
constexpr std::array<std::string_view, 10> kJisSet = {
    "DEF  bgnblk  = (\"\x84\xA1\x84\x9F \", \"\x84\xA0   \") \n",
    "DEF  endblk  = (\"\x84\xA4\x84\x9F \", \"     \") \n",
    "DEF  midblk  = (\"\x84\xA5\x84\x9F \", \"\x84\xA0   \") \n",
    "DEF  bgnloop = (\"\x84\xA1\x81\x81 \", \"\x84\xA0   \") \n",
    "DEF  endloop = (\"\x84\xA4\x81\x81 \", \"     \") \n",
    "DEF  normal  = (\"\", \"\") \n",
    "SEP  = \"^A\" \n",
    "EOL  = \"^B\" \n",
    "TAB  = \"\x84\xA0   \" \n",
    "PLV  = 5 \n",
};

constexpr std::array<std::string_view, 10> kAsciiSet = {
    "DEF  bgnblk  = (\"+-- \", \"|   \") \n",
    "DEF  endblk  = (\"+-- \", \"    \") \n",
    "DEF  midblk  = (\"|-- \", \"|   \") \n",
    "DEF  bgnloop = (\"+== \", \"|   \") \n",
    "DEF  endloop = (\"+== \", \"    \") \n",
    "DEF  normal  = (\"\", \"\") \n",
    "SEP  = \"^A\" \n",
    "EOL  = \"^B\" \n",
    "TAB  = \"|   \" \n",
    "PLV  = 5 \n",
};

// Configuration messages.
constexpr std::string_view kUndefinedOpcode = "Undefined Opecode";
constexpr std::string_view kTableOverflow = "Code Table Overflow.";
constexpr std::string_view kEqualsExpected = "= Expected";
constexpr std::string_view kOpenExpected = "( Expected";
constexpr std::string_view kQuoteExpected = " \" Expected";
constexpr std::string_view kNotTerminated = "Non Terminated String";
constexpr std::string_view kCommaExpected = ", Expected";
constexpr std::string_view kCloseExpected = " ) Expected";

// One configuration line being parsed; `error` is set at the first fault.
struct Line {
  std::string_view text;
  std::size_t pos = 0;
  std::string_view error;

  void skipBlanks() {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
  }
  // Takes `c` after blanks, or records `message`.
  bool expect(char c, std::string_view message) {
    skipBlanks();
    if (pos < text.size() && text[pos] == c) {
      ++pos;
      return true;
    }
    error = message;
    return false;
  }
  // A run of letters (and digits when `digits`), of which at most
  // kActionNameMax are kept.
  std::string name(bool digits) {
    skipBlanks();
    std::size_t begin = pos;
    while (pos < text.size() && pos - begin < kActionNameMax &&
           (isAsciiAlpha(text[pos]) || (digits && isAsciiDigit(text[pos]))))
      ++pos;
    return std::string(text.substr(begin, pos - begin));
  }
  // A double-quoted text of at most kActionPieceMax bytes.
  bool quoted(std::string& into) {
    skipBlanks();
    if (pos >= text.size() || text[pos] != '"') {
      error = kQuoteExpected;
      return false;
    }
    std::size_t begin = ++pos;
    while (pos < text.size() && text[pos] != '"' && text[pos] != '\n' &&
           pos - begin < kActionPieceMax)
      ++pos;
    if (pos >= text.size() || text[pos] != '"') {
      error = kNotTerminated;
      return false;
    }
    into.assign(text.substr(begin, pos - begin));
    ++pos;
    return true;
  }
};

// "^X" stands for the byte X - 64; a caret at the end is dropped. The second
// byte of a double-byte character is never taken for a caret.
std::string decodeCarets(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::size_t n = charLength(text, i); n > 1) {
      out.append(text.substr(i, n));
      i += n - 1;
    } else if (text[i] == '^') {
      if (++i < text.size()) out += static_cast<char>(static_cast<unsigned char>(text[i]) - 64);
    } else {
      out += text[i];
    }
  }
  return out;
}

// The leading number of `text` after blanks, with an optional sign; values
// beyond int stop at its bounds.
int leadingInt(Line& line) {
  line.skipBlanks();
  bool negative = false;
  if (line.pos < line.text.size() && (line.text[line.pos] == '-' || line.text[line.pos] == '+'))
    negative = line.text[line.pos++] == '-';
  long long value = 0;
  constexpr long long kBound = 2147483647LL;
  while (line.pos < line.text.size() && isAsciiDigit(line.text[line.pos])) {
    value = std::min(kBound, value * 10 + (line.text[line.pos++] - '0'));
  }
  return static_cast<int>(negative ? -value : value);
}

bool readDefinition(Line& line, ActionConfig& config) {
  if (config.definitions.size() >= kActionDefinitionsMax) {
    line.error = kTableOverflow;
    return false;
  }
  ActionDefinition def;
  def.kind = line.name(true);
  if (!line.expect('=', kEqualsExpected) || !line.expect('(', kOpenExpected) ||
      !line.quoted(def.first) || !line.expect(',', kCommaExpected) ||
      !line.quoted(def.continuation) || !line.expect(')', kCloseExpected))
    return false;
  config.definitions.push_back(std::move(def));
  return true;
}

// TAB, SEP, EOL: "=" and a quoted text with carets decoded.
bool readPiece(Line& line, std::string& into) {
  std::string raw;
  if (!line.expect('=', kEqualsExpected) || !line.quoted(raw)) return false;
  into = decodeCarets(raw);
  return true;
}

bool readTab(Line& line, ActionConfig& config) { return readPiece(line, config.tab); }
bool readSeparator(Line& line, ActionConfig& config) { return readPiece(line, config.separator); }
bool readRecordEnd(Line& line, ActionConfig& config) { return readPiece(line, config.recordEnd); }

bool readPrintLevel(Line& line, ActionConfig& config) {
  if (!line.expect('=', kEqualsExpected)) return false;
  config.printLevel = leadingInt(line);
  return true;
}

struct KeywordEntry {
  std::string_view word;
  bool (*read)(Line&, ActionConfig&);
};

constexpr std::array<KeywordEntry, 5> kKeywords = {{
    {"DEF", readDefinition},
    {"TAB", readTab},
    {"SEP", readSeparator},
    {"EOL", readRecordEnd},
    {"PLV", readPrintLevel},
}};

enum class LineResult { Next, Stop, Fail };

LineResult readLine(std::string_view piece, ActionConfig& config, std::string_view& message) {
  if (!piece.empty() && piece[0] == '#') return LineResult::Next;
  Line line;
  line.text = piece;
  std::string keyword = line.name(false);
  for (const KeywordEntry& entry : kKeywords) {
    if (!equalsNoCase(keyword, entry.word)) continue;
    if (entry.read(line, config)) return LineResult::Next;
    message = line.error;
    return LineResult::Fail;
  }
  message = kUndefinedOpcode;
  return LineResult::Stop;
}

}  // namespace

const ActionDefinition* ActionConfig::find(std::string_view kind) const {
  for (const ActionDefinition& def : definitions)
    if (def.kind == kind) return &def;
  return nullptr;
}

std::string builtinActionConfig(LineStyle style) {
  std::string text;
  for (std::string_view line : style == LineStyle::Ascii ? kAsciiSet : kJisSet)
    text += outputText(line);
  return text;
}

bool loadActionConfig(ActionConfig& config, std::istream* file, LineStyle style,
                      std::string_view fileName, std::ostream& err) {
  config.definitions.clear();
  std::istringstream builtin;
  if (!file) {
    builtin.str(builtinActionConfig(style));
    file = &builtin;
  }
  // A line longer than a piece is read as several lines of the same number.
  PieceReader reader(*file, kActionConfigLineMax);
  std::string_view piece;
  int lineNumber = 1;
  while (reader.next(piece)) {
    std::string_view message;
    LineResult result = readLine(piece, config, message);
    if (result != LineResult::Next)
      err << fileName << '(' << lineNumber << ") : " << message << '\n';
    if (result == LineResult::Stop) break;
    if (result == LineResult::Fail) return false;
    if (!piece.empty() && piece.back() == '\n') ++lineNumber;
  }
  err.flush();
  return true;
}

}  // namespace mora
