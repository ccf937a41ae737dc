// Shift-JIS text and byte file names.
//
// Group files, list files and the engine's output are Shift-JIS by default. File
// names are kept as the bytes the file system uses, so a name that is not valid in
// any encoding survives a load and a save unchanged; only their display is decoded.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace veldra {

// Decodes Shift-JIS; bytes that are not Shift-JIS become U+FFFD.
QString decodeShiftJis(QByteArrayView bytes);

// Encodes to Shift-JIS; characters it cannot represent become "?".
QByteArray encodeShiftJis(QStringView text);

// True when every byte of `bytes` forms valid UTF-8 and some byte is above 0x7F.
bool isMultiByteUtf8(QByteArrayView bytes);

// Decodes text that is Shift-JIS unless it is valid UTF-8 holding multi-byte
// sequences (real Shift-JIS text is practically never valid UTF-8), the same rule
// as the engine's.
QString decodeText(QByteArrayView bytes);

// A file name as the file system spells it, and back.
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameToBytes(const QString& name);

}  // namespace veldra
