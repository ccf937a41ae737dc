#include "core/macro_file.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

#include "core/constants.h"
#include "core/messages.h"
#include "core/text_codec.h"

namespace veldra {

namespace {
const QString kListSeparator = QStringLiteral(" = [");
}

QList<Macro> parseMacroFile(QByteArrayView bytes) {
  QList<Macro> out;
  for (const QByteArray& whole : bytes.toByteArray().split('\n')) {
    QByteArrayView line = whole;
    if (line.endsWith('\r')) line.chop(1);
    if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
    if (line.trimmed().startsWith(',')) continue;
    qsizetype comma = line.indexOf(',');
    Macro m;
    m.name = decodeText(comma < 0 ? line : line.first(comma));
    if (comma >= 0) m.value = decodeText(line.sliced(comma + 1));
    out.append(m);
  }
  return out;
}

QByteArray formatMacroFile(const QList<Macro>& macros) {
  QByteArray out = QByteArray(kMacroHeader) + "\r\n";
  for (const Macro& m : macros)
    out += encodeShiftJis(m.name) + ',' + encodeShiftJis(m.value) + "\r\n";
  return out;
}

QList<Macro> readMacroFile(const QString& path, QString* message) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *message = msg::kReadFailed.str() + QStringLiteral(" : ") + file.errorString();
    return {};
  }
  return parseMacroFile(file.readAll());
}

QString writeMacroFile(const QString& path, const QList<Macro>& macros) {
  QSaveFile file(path);
  const QByteArray bytes = formatMacroFile(macros);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return msg::kWriteFailed.str() + QStringLiteral(" : ") + file.errorString();
  }
  return {};
}

QString macroListText(const Macro& macro) {
  if (macro.value.isEmpty()) return macro.name;
  return macro.name + kListSeparator + macro.value + u']';
}

Macro macroFromListText(const QString& text) {
  qsizetype at = text.indexOf(kListSeparator);
  if (at < 0) return {text, {}};
  QString value = text.mid(at + kListSeparator.size());
  qsizetype close = value.indexOf(u']');
  if (close >= 0) value.truncate(close);
  return {text.left(at), value};
}

QStringList mergeMacroCandidates(QStringList* list, const QStringList& candidates) {
  QSet<QString> names;
  for (const QString& entry : std::as_const(*list)) names.insert(macroFromListText(entry).name);
  QStringList refused;
  for (const QString& candidate : candidates) {
    QString name = macroFromListText(candidate).name;
    if (names.contains(name)) {
      refused.append(candidate);
      continue;
    }
    names.insert(name);
    list->append(candidate);
  }
  return refused;
}

QString refusedMacrosMessage(const QStringList& refused) {
  if (refused.isEmpty()) return {};
  if (refused.size() == 1) return msg::kMacroRefusedOne.str().arg(refused.first());
  return msg::kMacroRefusedMany.str();
}

}  // namespace veldra
