#pragma once

#include <QByteArray>
#include <QString>

namespace setup {

// Every file that setup writes carries this mark; a file without it belongs to
// someone else and is never replaced or removed.
inline constexpr char kOwnerMark[] = "X-VeldraC-Setup";

enum class Ownership { Missing, Ours, Foreign };

// Whether the path names nothing, a regular file carrying our mark, or anything else.
Ownership ownershipOf(const QString& path);

// Writes the file when it is missing or ours: the content goes into a new file
// created exclusively beside it, which then replaces it in one rename.
bool writeOwned(const QString& path, const QByteArray& content, bool executable = false);

// Removes the file when it is ours; a missing file counts as removed.
bool removeOwned(const QString& path);

}  // namespace setup
