#include "app/source_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>

#include "core/text_codec.h"

namespace veldra {

namespace {

bool isStrictUtf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString ignored = decoder.decode(bytes);
  return !decoder.hasError();
}

}  // namespace

SourceText decodeSource(const QByteArray& bytes) {
  SourceText out;
  out.encoding = isStrictUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
  const qsizetype firstEnd = bytes.indexOf('\n');
  out.crlf = firstEnd > 0 && bytes.at(firstEnd - 1) == '\r';
  out.text = out.encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : decodeShiftJis(bytes);
  if (out.crlf) out.text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  out.exact = encodeSource(out.text, out.encoding, out.crlf) == bytes;
  return out;
}

QByteArray encodeSource(const QString& text, TextEncoding encoding, bool crlf) {
  QString lines = text;
  if (crlf) lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return encoding == TextEncoding::Utf8 ? lines.toUtf8() : encodeShiftJis(lines);
}

bool readSourceFile(const QString& path, SourceText* out, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = file.errorString();
    return false;
  }
  *out = decodeSource(bytes);
  return true;
}

bool writeSourceFile(const QString& path, const QByteArray& bytes, QString* error) {
  // A file without any write bit is read-only even for a user whose privileges
  // would let the write through (access() says yes to root).
  const QFileInfo info(path);
  constexpr auto kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (info.exists() && (!(info.permissions() & kAnyWrite) || !info.isWritable())) {
    *error = qt_error_string(EACCES);
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *error = file.errorString();
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace veldra
