#include "reports/action_record.h"

#include <charconv>

#include "core/limits.h"

namespace mora {

namespace {

// The writer hands its buffer on in blocks of this size.
constexpr std::size_t kWriteBlock = 1 << 16;

unsigned char byteOf(char c) { return static_cast<unsigned char>(c); }

bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The leading decimal digits of `text`; larger values stop at a bound that no
// level or depth reaches.
long leadingNumber(std::string_view text) {
  constexpr long kBound = 1000000000L;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value >= kBound) return kBound;
  }
  return value;
}

}  // namespace

void ActionRecordWriter::appendText(std::string_view text) {
  for (char c : text) buffer_ += (c == kActionFieldSeparator || c == kActionRecordEnd) ? ' ' : c;
}

void ActionRecordWriter::write(std::string_view kind, int level, long nest, std::string_view first,
                               std::string_view second) {
  buffer_.append(kind);
  buffer_ += kActionFieldSeparator;
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, level).ptr;
  buffer_.append(digits, end);
  buffer_ += kActionFieldSeparator;
  end = std::to_chars(digits, digits + sizeof digits, nest).ptr;
  buffer_.append(digits, end);
  buffer_ += kActionFieldSeparator;
  appendText(first);
  buffer_ += kActionFieldSeparator;
  appendText(second);
  buffer_ += kActionRecordEnd;
  if (buffer_.size() >= kWriteBlock) {
    ok_ = sink_(buffer_) && ok_;
    buffer_.clear();
  }
}

bool ActionRecordWriter::finish() {
  if (!buffer_.empty()) ok_ = sink_(buffer_) && ok_;
  buffer_.clear();
  return ok_;
}

ActionRecordReader::ActionRecordReader(std::istream& in, char separator, char recordEnd)
    : stream_(in), in_(in.rdbuf()), separator_(byteOf(separator)), recordEnd_(byteOf(recordEnd)) {}

int ActionRecordReader::readField(std::string& into, std::size_t max) {
  into.clear();
  for (;;) {
    int c = in_->sbumpc();
    if (c == std::char_traits<char>::eof()) return -1;
    if (c == separator_ || c == recordEnd_) return c;
    if (into.size() < max) into += static_cast<char>(c);
  }
}

void ActionRecordReader::skipWhiteSpace() {
  while (isWhiteSpace(in_->sgetc())) in_->sbumpc();
}

bool ActionRecordReader::next(ActionRecord& record) {
  // A file buffer reports a read error by throwing; the stream is marked bad
  // instead and reading ends, for the caller to see.
  try {
    return readRecord(record);
  } catch (const std::ios_base::failure&) {
    stream_.setstate(std::ios::badbit);
    return false;
  }
}

bool ActionRecordReader::readRecord(ActionRecord& record) {
  if (!in_ || in_->sgetc() == std::char_traits<char>::eof()) return false;
  record.level = 0;
  record.nest = 0;
  record.first.clear();
  record.second.clear();
  // Each field ends at the separator; the end byte ends the record early.
  int end = readField(record.kind, kActionKindMax);
  if (end == separator_) {
    end = readField(digits_, kActionDigitsMax);
    record.level = leadingNumber(digits_);
  }
  if (end == separator_) {
    end = readField(digits_, kActionDigitsMax);
    record.nest = leadingNumber(digits_);
  }
  if (end == separator_) end = readField(record.first, kActionTextMax);
  if (end == separator_) end = readField(record.second, kActionTextMax);
  // Fields beyond the second text are skipped up to the record end.
  while (end == separator_) end = readField(digits_, 0);
  skipWhiteSpace();
  return true;
}

}  // namespace mora
