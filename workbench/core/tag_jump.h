// The tag jump: which file and line a line of analysis output, a find-in-files hit
// or an include directive names.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace veldra {

struct TagTarget {
  QString file;
  int line = 1;
  bool include = false;  // from an include directive: the file must exist as named
  bool operator==(const TagTarget&) const = default;
};

// The target of one line (at most 2047 characters of it are read), or nothing.
// Shapes: `name(12)`, `name: 12`, `"a name"(12)`, `... [name] (12)` and
// `#include "name"` / `#include <name>` (line 1).
std::optional<TagTarget> parseTagLine(QStringView line);

// True when `name` has no directory part.
bool isBareFileName(const QString& name);

// The rows of `groupFiles` whose file name (without directory) is `name`.
QList<int> matchingGroupRows(const QStringList& groupFiles, const QString& name);

}  // namespace veldra
