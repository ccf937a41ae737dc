// Reading and writing the packed integer lists of the profile ("%d,%d,%d,%d").
//
// QSettings returns such a value as one text when it was written quoted, and as a
// list of texts when an INI file was edited by hand without quotation marks; both
// read the same. Reading stops at the first field that is not a number, like the
// C library's scanf with the same pattern.
#pragma once

#include <QList>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace veldra {

// The workbench's own profile (organisation "Pellwick", application "VeldraC").
QSettings openProfile();

// The leading numbers of `value` (at most `max`), empty when there are none.
QList<qint64> parsePackedNumbers(const QVariant& value, int max);

// The numbers of section/entry when exactly `count` were read, else `fallback`.
QList<qint64> readPackedNumbers(QSettings& settings, const QString& section, const QString& entry,
                                const QList<qint64>& fallback);

// Writes the numbers joined by commas.
void writePackedNumbers(QSettings& settings, const QString& section, const QString& entry,
                        const QList<qint64>& numbers);

// An integer entry; a missing or non-numeric value gives `fallback`.
qint64 readNumber(QSettings& settings, const QString& section, const QString& entry,
                  qint64 fallback);

// A text entry; a missing value gives `fallback`. A list (a hand-edited value with
// commas) is joined back with commas.
QString readText(QSettings& settings, const QString& section, const QString& entry,
                 const QString& fallback);

QString joinNumbers(const QList<qint64>& numbers);

}  // namespace veldra
