#include "core/time_stamp.h"

#include <QFile>
#include <QFileInfo>

#include <array>

#include "core/constants.h"
#include "core/messages.h"

namespace veldra {

namespace {

struct FieldRule {
  const QString StampFields::*field;
  int min;
  int max;
  const Message* message;
};

// A whole number of at most four digits (no sign, no blanks inside).
bool parseField(const QString& text, int* value) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t.size() > 4) return false;
  for (QChar c : t) {
    if (!c.isDigit() || c.unicode() > 0x7F) return false;
  }
  *value = t.toInt();
  return true;
}

}  // namespace

QString checkStampFields(const StampFields& f, QDateTime* when) {
  static const std::array<FieldRule, 6> rules{{
      {&StampFields::year, kTouchYearMin, kTouchYearMax, &msg::kYearInvalid},
      {&StampFields::month, 1, 12, &msg::kMonthInvalid},
      {&StampFields::day, 1, 31, &msg::kDayInvalid},
      {&StampFields::hour, 0, 23, &msg::kHourInvalid},
      {&StampFields::minute, 0, 59, &msg::kMinuteInvalid},
      {&StampFields::second, 0, 59, &msg::kSecondInvalid},
  }};
  std::array<int, 6> v{};
  for (size_t i = 0; i < rules.size(); ++i) {
    const FieldRule& r = rules[i];
    if (!parseField(f.*(r.field), &v[i]) || v[i] < r.min || v[i] > r.max) return r.message->str();
    // The day is checked against its month as soon as year and month are known.
    if (i == 2 && !QDate::isValid(v[0], v[1], v[2])) return r.message->str();
  }
  *when = QDateTime(QDate(v[0], v[1], v[2]), QTime(v[3], v[4], v[5]));
  return {};
}

QStringList touchFiles(const QStringList& paths, const QDateTime& when) {
  QStringList failed;
  for (const QString& path : paths) {
    const QFileInfo info(path);
    QFile file(path);
    // A file without its owner's write bit is read-only even for the superuser,
    // as in the editor; opening for reading and writing changes nothing in the file.
    const bool ok = info.isFile() && info.isWritable() &&
                    info.permissions().testFlag(QFileDevice::WriteOwner) &&
                    file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
                    file.setFileTime(when, QFileDevice::FileModificationTime) &&
                    file.setFileTime(when, QFileDevice::FileAccessTime);
    if (!ok) failed.append(path);
  }
  return failed;
}

}  // namespace veldra
