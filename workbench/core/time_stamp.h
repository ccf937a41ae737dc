// Changing the time stamps of the group's files ("ﾀｲﾑｽﾀﾝﾌﾟ変更"): the checks of
// the typed date and time, and the change itself.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace veldra {

struct StampFields {
  QString year, month, day, hour, minute, second;
};

// Checks the fields in the order year, month, day, hour, minute, second and
// returns the message of the first invalid one, or "" with the local time in
// `when`. Years run from kTouchYearMin to kTouchYearMax; the day must exist in
// its month.
QString checkStampFields(const StampFields& fields, QDateTime* when);

// Sets the access and modification times of each file. Only existing regular files
// that the user may write and that have their owner's write bit are changed; the names of the
// others, and of those the system refused, are returned.
QStringList touchFiles(const QStringList& paths, const QDateTime& when);

}  // namespace veldra
