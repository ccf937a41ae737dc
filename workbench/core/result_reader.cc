#include "core/result_reader.h"

#include <algorithm>

#include "core/text_codec.h"

namespace veldra {

namespace {

bool hasHighByte(QByteArrayView bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
}

}  // namespace

bool ResultReader::open(const QString& path, QString* error) {
  file_.setFileName(path);
  if (!file_.open(QIODevice::ReadOnly)) {
    if (error) *error = file_.errorString();
    ended_ = true;
    return false;
  }
  size_ = file_.size();
  ended_ = false;
  return true;
}

int ResultReader::percent() const {
  if (ended_ || size_ <= 0) return 100;
  return int(std::min<qint64>(100, consumed_ * 100 / size_));
}

QString ResultReader::next(qint64 bytes) {
  if (ended_) return {};
  QByteArray piece = carry_;
  carry_.clear();
  const qint64 wanted = std::max<qint64>(1, bytes - piece.size());
  const QByteArray read = file_.read(wanted);
  piece += read;
  const bool last = read.size() < wanted || file_.atEnd();
  if (!last) {
    // Keep the unfinished last line for the next piece when the piece has a line end.
    const qsizetype lineEnd = piece.lastIndexOf('\n');
    if (lineEnd >= 0) {
      carry_ = piece.mid(lineEnd + 1);
      piece.truncate(lineEnd + 1);
    }
  }
  consumed_ += piece.size();
  QString text = decode(piece);
  if (last) {
    ended_ = true;
    file_.close();
  }
  return text;
}

QString ResultReader::decode(const QByteArray& piece) {
  if (decided_ == Decided::No && hasHighByte(piece)) {
    decided_ = isMultiByteUtf8(piece) ? Decided::Utf8 : Decided::ShiftJis;
    decoder_ = decided_ == Decided::Utf8 ? QStringDecoder(QStringDecoder::Utf8)
                                         : QStringDecoder("Shift_JIS");
  }
  // Until the first byte above 0x7F the text is read as decodeText reads ASCII.
  if (decided_ == Decided::No) return decodeShiftJis(piece);
  return decoder_.decode(piece);
}

}  // namespace veldra
