// Reading and writing a source file's text in the encoding it was read in.
//
// A file that is strictly valid UTF-8 is UTF-8; any other is Shift-JIS. Line ends
// are shown as line feeds and written back as they were found (CR LF when the
// file's first line ended so).
#pragma once

#include <QByteArray>
#include <QString>

namespace veldra {

enum class TextEncoding { Utf8, ShiftJis };

struct SourceText {
  QString text;  // line feeds only
  TextEncoding encoding = TextEncoding::Utf8;
  bool crlf = false;
  // False when the bytes read cannot be reproduced from the text (bytes that are
  // neither UTF-8 nor Shift-JIS): saving over the original would change them.
  bool exact = true;
};

SourceText decodeSource(const QByteArray& bytes);
QByteArray encodeSource(const QString& text, TextEncoding encoding, bool crlf);

// Reads a file; on failure returns false and the system's error text.
bool readSourceFile(const QString& path, SourceText* out, QString* error);
// Writes a file atomically (a new file beside it, then renamed over it); a
// read-only file is refused. On failure returns false and the error text.
bool writeSourceFile(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace veldra
