// The define table: the names (with optional values) that a C scan with the
// ifdef setting on takes as defined. Records are kept in load order; a name
// may be loaded twice and lookups find the first record.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mora {

enum class DefineKind : std::int32_t { None = 0, Numeric = 1, Text = 2 };

struct DefineRecord {
  std::string name;
  std::int32_t value = 0;  // the value text read as a decimal number, 0 if it is none
  std::string text;        // the value text as written
  DefineKind kind = DefineKind::None;
};

class DefineTable {
 public:
  // Appends `record`; false (and nothing changes) when the table is full.
  bool add(DefineRecord record);
  // The first record named exactly `name`, or nullptr.
  const DefineRecord* find(std::string_view name) const;
  bool full() const;
  void clear();
  const std::vector<DefineRecord>& records() const { return records_; }

 private:
  std::vector<DefineRecord> records_;
  std::unordered_map<std::string, std::size_t> first_;
};

// The length of the name at `pos`: ASCII letters, digits, "_" and
// Shift-JIS double-byte characters (a lead byte with the byte after it).
std::size_t macroNameLength(std::string_view text, std::size_t pos);

// A leading decimal number as the usual conversion reads it: optional sign
// and digits, 0 when there are none; values beyond 32 bits are clamped.
std::int32_t leadingInt32(std::string_view text);

// One line of a define file (without its line feed): a record, or nothing
// for a comment, a blank line or a line that names nothing.
std::optional<DefineRecord> parseDefineLine(std::string_view line);

// Adds the records of a define file to the table until it is full. The rest
// of a line longer than the line size is part of its value and dropped.
void loadDefines(std::istream& in, DefineTable& table);

// The line `deflist` prints for a record.
std::string formatDefine(const DefineRecord& record);

}  // namespace mora
