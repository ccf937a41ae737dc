#include "core/profile_values.h"

#include <QStringList>

#include "core/constants.h"

namespace veldra {

namespace {

QString valueText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
  return value.toString();
}

QString key(const QString& section, const QString& entry) { return section + u'/' + entry; }

}  // namespace

QSettings openProfile() {
  return QSettings(QLatin1String(kOrganization), QLatin1String(kApplication));
}

QList<qint64> parsePackedNumbers(const QVariant& value, int max) {
  QList<qint64> out;
  const QString text = valueText(value);
  qsizetype start = 0;
  while (out.size() < max && start <= text.size()) {
    qsizetype comma = text.indexOf(u',', start);
    if (comma < 0) comma = text.size();
    bool ok = false;
    qint64 number = QStringView(text).mid(start, comma - start).trimmed().toLongLong(&ok);
    if (!ok) break;
    out.append(number);
    start = comma + 1;
  }
  return out;
}

QList<qint64> readPackedNumbers(QSettings& settings, const QString& section, const QString& entry,
                                const QList<qint64>& fallback) {
  QVariant value = settings.value(key(section, entry));
  if (!value.isValid()) return fallback;
  QList<qint64> numbers = parsePackedNumbers(value, static_cast<int>(fallback.size()) + 1);
  return numbers.size() == fallback.size() ? numbers : fallback;
}

QString joinNumbers(const QList<qint64>& numbers) {
  QStringList parts;
  for (qint64 n : numbers) parts.append(QString::number(n));
  return parts.join(u',');
}

void writePackedNumbers(QSettings& settings, const QString& section, const QString& entry,
                        const QList<qint64>& numbers) {
  settings.setValue(key(section, entry), joinNumbers(numbers));
}

qint64 readNumber(QSettings& settings, const QString& section, const QString& entry,
                  qint64 fallback) {
  QVariant value = settings.value(key(section, entry));
  if (!value.isValid()) return fallback;
  bool ok = false;
  qint64 number = valueText(value).trimmed().toLongLong(&ok);
  return ok ? number : fallback;
}

QString readText(QSettings& settings, const QString& section, const QString& entry,
                 const QString& fallback) {
  QVariant value = settings.value(key(section, entry));
  return value.isValid() ? valueText(value) : fallback;
}

}  // namespace veldra
