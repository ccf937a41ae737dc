// The group file format (".vgp"): header, six settings lines, one file per line.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "core/build_options.h"

namespace veldra {

struct GroupFileData {
  QList<QByteArray> files;  // file names as the file system spells them, in list order
  BuildOptions build;
};

struct GroupReadResult {
  bool ok = false;
  QString message;  // the text to show when !ok
  GroupFileData data;
};

// Parses group file bytes; `headerOk` is false when the first line is foreign.
GroupFileData parseGroupFile(QByteArrayView bytes, bool* headerOk);

// The bytes of a group file: CR LF line ends.
QByteArray formatGroupFile(const GroupFileData& data);

GroupReadResult readGroupFile(const QString& path);

// Writes atomically (the old file stays intact until the new one is complete).
// Returns an empty text or the message to show.
QString writeGroupFile(const QString& path, const GroupFileData& data);

// Appends ".vgp" when the path holds no ".".
QString groupPathWithExtension(const QString& path);

// The group file's path up to and including the first "." of its file name
// (folder names are kept whole), followed by "mls".
QString macroFileNameFor(const QString& groupPath);

}  // namespace veldra
