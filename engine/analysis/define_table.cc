#include "analysis/define_table.h"

#include <limits>

#include "core/limits.h"
#include "core/line_reader.h"
#include "core/text.h"

namespace mora {

bool DefineTable::add(DefineRecord record) {
  if (full()) return false;
  first_.emplace(record.name, records_.size());
  records_.push_back(std::move(record));
  return true;
}

const DefineRecord* DefineTable::find(std::string_view name) const {
  auto it = first_.find(std::string(name));
  return it == first_.end() ? nullptr : &records_[it->second];
}

bool DefineTable::full() const { return records_.size() >= kDefineRecordsMax; }

void DefineTable::clear() {
  records_.clear();
  first_.clear();
}

std::size_t macroNameLength(std::string_view text, std::size_t pos) {
  std::size_t i = pos;
  while (i < text.size()) {
    char c = text[i];
    if (std::size_t n = charLength(text, i); n > 1) {
      i += n;
    } else if (isAsciiAlnum(c) || c == '_') {
      ++i;
    } else {
      break;
    }
  }
  return i - pos;
}

std::int32_t leadingInt32(std::string_view text) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  // Once past the 32-bit range the value only stays clamped.
  for (; i < text.size() && isAsciiDigit(text[i]); ++i)
    if (value <= kMax + 1) value = value * 10 + (text[i] - '0');
  if (negative) value = -value;
  if (value > kMax) return static_cast<std::int32_t>(kMax);
  if (value < kMin) return static_cast<std::int32_t>(kMin);
  return static_cast<std::int32_t>(value);
}

namespace {

// Digits, "-" and "+" only, or a leading digit: a numeric value.
bool isNumericValue(std::string_view value) {
  if (isAsciiDigit(value[0])) return true;
  for (char c : value)
    if (!isAsciiDigit(c) && c != '-' && c != '+') return false;
  return true;
}

}  // namespace

std::optional<DefineRecord> parseDefineLine(std::string_view line) {
  if (!line.empty() && line[0] == '#') return std::nullopt;
  std::string_view rest = trimLeft(line);
  std::size_t length = macroNameLength(rest, 0);
  if (length == 0) return std::nullopt;
  DefineRecord record;
  record.name = std::string(rest.substr(0, length));
  rest = skipBlanks(rest.substr(length));
  if (!rest.empty() && rest[0] == ',') rest = skipBlanks(rest.substr(1));
  if (rest.empty()) return record;
  record.text = std::string(rest);
  record.kind = isNumericValue(rest) ? DefineKind::Numeric : DefineKind::Text;
  record.value = leadingInt32(rest);
  return record;
}

void loadDefines(std::istream& in, DefineTable& table) {
  LineReader reader(in);
  std::string piece;
  bool continuation = false;  // the piece continues a line already taken
  while (!table.full() && reader.readPiece(piece, kDefineLineMax)) {
    bool whole = !piece.empty() && piece.back() == '\n';
    if (!continuation) {
      chopLineFeed(piece);
      if (auto record = parseDefineLine(piece)) table.add(std::move(*record));
    }
    continuation = !whole;
  }
}

std::string formatDefine(const DefineRecord& record) {
  // Built by concatenation: names and texts from a damaged file may hold any byte.
  std::string line = "<" + record.name + "> = ";
  switch (record.kind) {
    case DefineKind::None:
      return line + "NONE\n";
    case DefineKind::Numeric:
      return line + "<" + std::to_string(record.value) + ">\n";
    case DefineKind::Text:
      break;
  }
  return line + "<" + record.text + ">\n";
}

}  // namespace mora
