// The action record: one line of an action diagram as a structure stage
// writes it to the intermediate file and the print stage reads it back.
// Fields: kind, print level, nest, first text, second text; a separator byte
// between them and an end byte after the last. Every structure stage (C,
// Basic, Pascal) writes this format and the one print stage reads it.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>

namespace mora {

// Record kinds.
inline constexpr std::string_view kActionBeginBlock = "bgnblk";
inline constexpr std::string_view kActionMiddleBlock = "midblk";
inline constexpr std::string_view kActionEndBlock = "endblk";
inline constexpr std::string_view kActionBeginLoop = "bgnloop";
inline constexpr std::string_view kActionEndLoop = "endloop";
inline constexpr std::string_view kActionNormal = "normal";
inline constexpr std::string_view kActionContinue = "cntnue";
inline constexpr std::string_view kActionSpace = "space";

// Print levels: structure lines are always shown, statements only up to the
// configured level.
inline constexpr int kActionStructureLevel = 0;
inline constexpr int kActionStatementLevel = 1;

struct ActionRecord {
  std::string kind;
  long level = 0;
  long nest = 0;
  std::string first;
  std::string second;
};

// Writes records into a buffer that is handed to `sink` in large blocks.
// The separator and end bytes inside a text are written as blanks, so a
// source holding those bytes cannot split a record.
class ActionRecordWriter {
 public:
  using Sink = std::function<bool(std::string_view)>;
  explicit ActionRecordWriter(Sink sink) : sink_(std::move(sink)) {}
  ActionRecordWriter(const ActionRecordWriter&) = delete;
  ActionRecordWriter& operator=(const ActionRecordWriter&) = delete;

  void write(std::string_view kind, int level, long nest, std::string_view first,
             std::string_view second);
  // Hands the rest of the buffer to the sink; false when any sink call failed.
  bool finish();

 private:
  void appendText(std::string_view text);

  Sink sink_;
  std::string buffer_;
  bool ok_ = true;
};

// Reads records with the configured separator and end bytes. Fields longer
// than their limits are cut and the rest of the field is skipped; a record
// whose end byte is missing ends at the end of the input.
class ActionRecordReader {
 public:
  ActionRecordReader(std::istream& in, char separator, char recordEnd);
  // False at the end of the input, and after a read error, which leaves the
  // stream bad.
  bool next(ActionRecord& record);

 private:
  // Reads one field into `into` (at most `max` bytes kept); returns the byte
  // that ended it, or -1 at the end of the input.
  int readField(std::string& into, std::size_t max);
  void skipWhiteSpace();
  bool readRecord(ActionRecord& record);

  std::istream& stream_;
  std::streambuf* in_;
  int separator_;
  int recordEnd_;
  std::string digits_;
};

}  // namespace mora
