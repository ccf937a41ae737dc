#include "core/text_codec.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace veldra {

namespace {
constexpr char kShiftJis[] = "Shift_JIS";
}

QString decodeShiftJis(QByteArrayView bytes) {
  QStringDecoder decoder(kShiftJis);
  return decoder.decode(bytes);
}

QByteArray encodeShiftJis(QStringView text) {
  QStringEncoder encoder(kShiftJis);
  QByteArray out = encoder.encode(text);
  if (!encoder.hasError()) return out;
  // Encode character by character so only the unrepresentable ones are replaced.
  out.clear();
  for (qsizetype i = 0; i < text.size(); ++i) {
    qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    QStringEncoder one(kShiftJis);
    QByteArray piece = one.encode(text.mid(i, len));
    out += one.hasError() ? QByteArray("?") : piece;
    i += len - 1;
  }
  return out;
}

bool isMultiByteUtf8(QByteArrayView bytes) {
  bool high = false;
  for (char c : bytes) high = high || static_cast<unsigned char>(c) >= 0x80;
  if (!high) return false;
  QStringDecoder decoder(QStringConverter::Utf8);
  (void)decoder.decode(bytes);
  return !decoder.hasError();
}

QString decodeText(QByteArrayView bytes) {
  if (isMultiByteUtf8(bytes)) return QString::fromUtf8(bytes);
  return decodeShiftJis(bytes);
}

QString fileNameFromBytes(QByteArrayView bytes) { return decodeText(bytes); }

QByteArray fileNameToBytes(const QString& name) { return QFile::encodeName(name); }

}  // namespace veldra
