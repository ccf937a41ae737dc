// What the batch options share: printing a line to a standard stream and reading
// the group file named on the command line.
#pragma once

#include <QString>

#include <cstdio>

namespace veldra {

struct GroupFileData;

// Writes `text` in UTF-8 and a line feed.
void printLine(std::FILE* stream, const QString& text);

// Reads the group file `name` (the extension added when missing) as the group
// manager opens it; on failure prints the reason to `err` and returns false.
bool loadGroup(const QString& name, QString* path, GroupFileData* data, std::FILE* err);

}  // namespace veldra
