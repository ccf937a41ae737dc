#include "core/function_list_file.h"

#include <QFile>
#include <QSaveFile>

#include "core/constants.h"
#include "core/messages.h"
#include "core/text_codec.h"

namespace veldra {

bool parseFunctionList(QByteArrayView bytes, QStringList* names) {
  QList<QByteArray> lines = bytes.toByteArray().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line end
  if (lines.isEmpty()) return false;
  QByteArrayView header = QByteArrayView(lines.first())
                              .first(std::min<qsizetype>(lines.first().size(), kHeaderLineMax));
  if (!header.startsWith(QByteArrayView(kFunctionListHeader))) return false;
  QStringList out;
  out.reserve(lines.size() - 1);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    QByteArrayView line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    out.append(decodeShiftJis(line));
  }
  *names = std::move(out);
  return true;
}

QByteArray formatFunctionList(const QStringList& names) {
  QByteArray out = QByteArray(kFunctionListHeader) + kFunctionListVersion + "\r\n";
  for (const QString& name : names) {
    if (!name.isEmpty()) out += encodeShiftJis(name) + "\r\n";
  }
  return out;
}

QString readFunctionList(const QString& path, QStringList* names) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return msg::kReadFailed.str() + QStringLiteral(" : ") + file.errorString();
  }
  if (!parseFunctionList(file.readAll(), names)) return msg::kListInvalid.str().arg(path);
  return {};
}

QString writeFunctionList(const QString& path, const QStringList& names) {
  QSaveFile file(path);
  const QByteArray bytes = formatFunctionList(names);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return msg::kWriteFailed.str() + QStringLiteral(" : ") + file.errorString();
  }
  return {};
}

}  // namespace veldra
