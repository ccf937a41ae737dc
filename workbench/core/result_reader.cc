#include "core/result_reader.h"

#include <algorithm>

#include "core/text_codec.h"

namespace veldra {

namespace {

bool hasHighByte(QByteArrayView bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
}

// The number of bytes at the end of `piece` that start a UTF-8 sequence running
// past it (0 when none do).
qsizetype cutSequenceLength(QByteArrayView piece) {
  for (qsizetype back = 1; back <= 3 && back <= piece.size(); ++back) {
    const auto c = static_cast<unsigned char>(piece[piece.size() - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
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
    } else if (decided_ == Decided::No) {
      // The piece that decides the encoding must not end inside a character.
      const qsizetype cut = cutSequenceLength(piece);
      carry_ = piece.right(cut);
      piece.chop(cut);
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
