// Reading an engine output file piece by piece, so that a very large result can
// be shown while it is still being read.
//
// Pieces end at a line end where one is near, so a piece never splits a line
// unless the line is longer than a piece. The encoding is decided once, by the
// first piece that holds a byte above 0x7F: valid UTF-8 holding multi-byte
// sequences is UTF-8, anything else Shift-JIS. A file read in one piece is
// therefore decided exactly as decodeText decides it. The decoders keep their
// state between pieces, so a character cut by a piece boundary is still whole.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

namespace veldra {

class ResultReader {
 public:
  // Opens the file; false with the system's error text when it cannot be read.
  bool open(const QString& path, QString* error);

  // The text of the next piece: about `bytes` bytes, cut after the last line
  // feed within them. Empty at the end of the file or after a read error.
  QString next(qint64 bytes);

  bool atEnd() const { return ended_; }
  qint64 size() const { return size_; }
  qint64 consumed() const { return consumed_; }
  // 0 to 100: how much of the file has been returned.
  int percent() const;
  // Undecided until a byte above 0x7F was seen; an all-ASCII file counts as
  // Shift-JIS, as decodeText counts it.
  bool isUtf8() const { return decided_ == Decided::Utf8; }

 private:
  enum class Decided { No, Utf8, ShiftJis };
  QString decode(const QByteArray& piece);

  QFile file_;
  QByteArray carry_;  // bytes read after the last line feed of the previous piece
  QStringDecoder decoder_;
  Decided decided_ = Decided::No;
  qint64 size_ = 0;
  qint64 consumed_ = 0;
  bool ended_ = false;
};

}  // namespace veldra
