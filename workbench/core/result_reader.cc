#include "core/result_reader.h"

#include <algorithm>

#include "core/text_codec.h"

namespace veldra {

namespace {

bool hasHighByte(QByteArrayView bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
}

// Where a piece without a line end can be cut: after its last byte below
// 0x40 (no Shift-JIS second byte and no UTF-8 byte is below it); 0 when it
// has none, and the whole piece waits for more.
qsizetype safeCut(QByteArrayView piece) {
  for (qsizetype i = piece.size(); i > 0; --i)
    if (static_cast<unsigned char>(piece[i - 1]) < 0x40) return i;
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
  // At least as much again as is carried, so that a long line without a
  // place to cut costs linear time however small the pieces.
  const qint64 wanted = std::max<qint64>({1, bytes - piece.size(), piece.size()});
  const QByteArray read = file_.read(wanted);
  piece += read;
  const bool last = read.size() < wanted || file_.atEnd();
  if (!last) {
    // Keep the unfinished last line for the next piece when the piece has a line end.
    const qsizetype lineEnd = piece.lastIndexOf('\n');
    if (lineEnd >= 0) {
      carry_ = piece.mid(lineEnd + 1);
      piece.truncate(lineEnd + 1);
    } else {
      // A line longer than the piece: never cut inside a character.
      const qsizetype cut = safeCut(piece);
      carry_ = piece.mid(cut);
      piece.truncate(cut);
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

// Runs of lines of one encoding are decoded together; ASCII lines join the
// run they stand in (both decoders read ASCII alike).
QString ResultReader::decode(QByteArrayView piece) {
  QString text;
  Decided run = Decided::No;
  qsizetype runStart = 0;
  for (qsizetype begin = 0; begin < piece.size();) {
    qsizetype end = piece.indexOf('\n', begin);
    end = end < 0 ? piece.size() : end + 1;
    const QByteArrayView line = piece.sliced(begin, end - begin);
    if (hasHighByte(line)) {
      const Decided as = isMultiByteUtf8(line) ? Decided::Utf8 : Decided::ShiftJis;
      if (decided_ == Decided::No) decided_ = as;
      if (run != Decided::No && as != run) {
        text += decodeRun(piece.sliced(runStart, begin - runStart), run);
        runStart = begin;
      }
      run = as;
    }
    begin = end;
  }
  return text + decodeRun(piece.sliced(runStart), run);
}

QString ResultReader::decodeRun(QByteArrayView run, Decided as) {
  return as == Decided::Utf8 ? utf8_.decode(run) : shiftJis_.decode(run);
}

}  // namespace veldra
