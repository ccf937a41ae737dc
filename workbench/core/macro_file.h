// The macro definition file (".mls") and the list form of a macro.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace veldra {

struct Macro {
  QString name;
  QString value;
  bool operator==(const Macro&) const = default;
};

QList<Macro> parseMacroFile(QByteArrayView bytes);
QByteArray formatMacroFile(const QList<Macro>& macros);

// Reads a file; `message` receives the text to show when it cannot be read.
QList<Macro> readMacroFile(const QString& path, QString* message);
// Returns an empty text or the message to show.
QString writeMacroFile(const QString& path, const QList<Macro>& macros);

// "%s = [%s]", or the name alone when the value is empty.
QString macroListText(const Macro& macro);
// Splits a list entry at the first " = [" and cuts the value at the next "]".
Macro macroFromListText(const QString& text);

// Appends candidates whose names are not yet in `list`; returns the refused texts.
QStringList mergeMacroCandidates(QStringList* list, const QStringList& candidates);
// The message for refused candidates: empty, one text, or the text for several.
QString refusedMacrosMessage(const QStringList& refused);

}  // namespace veldra
