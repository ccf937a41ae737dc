// Reading an engine output file piece by piece, so that a very large result can
// be shown while it is still being read.
//
// Pieces end at a line end where one is near, so a piece never splits a line
// unless the line is longer than a piece; such a line is cut after a byte
// below 0x40, which is part of no multi-byte character in either encoding.
// Each line is decoded by the engine's own rule for a text: valid UTF-8
// holding multi-byte sequences is UTF-8, anything else Shift-JIS. The engine
// writes every line as its source gave it, so a result that shows UTF-8
// sources beside Shift-JIS ones (or beside the engine's Shift-JIS text) is
// never garbled by one decision for the whole file; a file of one encoding
// reads exactly as decodeText reads it whole.
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
  // The encoding of the first line holding a byte above 0x7F (the document's
  // own); an all-ASCII file counts as Shift-JIS, as decodeText counts it.
  bool isUtf8() const { return decided_ == Decided::Utf8; }

 private:
  enum class Decided { No, Utf8, ShiftJis };
  QString decode(QByteArrayView piece);
  QString decodeRun(QByteArrayView run, Decided as);

  QFile file_;
  QByteArray carry_;  // bytes read after the last line feed of the previous piece
  QStringDecoder utf8_{QStringDecoder::Utf8};
  QStringDecoder shiftJis_{"Shift_JIS"};
  Decided decided_ = Decided::No;
  qint64 size_ = 0;
  qint64 consumed_ = 0;
  bool ended_ = false;
};

}  // namespace veldra
