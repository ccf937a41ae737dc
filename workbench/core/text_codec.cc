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

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isMultiByteUtf8(QByteArrayView bytes) {
  bool multi = false;
  qsizetype i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    const int follow = (c >= 0xC2 && c <= 0xDF)   ? 1
                       : (c >= 0xE0 && c <= 0xEF) ? 2
                       : (c >= 0xF0 && c <= 0xF4) ? 3
                                                  : 0;
    if (follow == 0 || i + follow >= bytes.size()) return false;
    // The second byte's range excludes overlong forms, surrogates and > U+10FFFF.
    const auto c1 = static_cast<unsigned char>(bytes[i + 1]);
    const unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    if (c1 < low || c1 > high) return false;
    for (int k = 2; k <= follow; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    multi = true;
    i += follow + 1;
  }
  return multi;
}

QString decodeText(QByteArrayView bytes) {
  if (isMultiByteUtf8(bytes)) return QString::fromUtf8(bytes);
  return decodeShiftJis(bytes);
}

QString fileNameFromBytes(QByteArrayView bytes) { return decodeText(bytes); }

QByteArray fileNameToBytes(const QString& name) { return QFile::encodeName(name); }

}  // namespace veldra
