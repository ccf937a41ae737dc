// The function list file (".fls"): a header line, then one function name per line.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veldra {

// The names of a function list; false when the first line is foreign.
bool parseFunctionList(QByteArrayView bytes, QStringList* names);
// The file bytes; empty names are left out.
QByteArray formatFunctionList(const QStringList& names);

// Reads a file into `names` (unchanged on failure); returns an empty text or the
// message to show.
QString readFunctionList(const QString& path, QStringList* names);
QString writeFunctionList(const QString& path, const QStringList& names);

}  // namespace veldra
