// Composition of the analysis scripts: the built-in event file with its eleven
// sections, the table of "$_" variables, and the script file handed to the engine.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

#include "core/analysis_options.h"
#include "core/temp_file.h"

namespace veldra {

class EventScript {
 public:
  // Loads the built-in event file.
  EventScript();
  // Uses the given event file lines (Shift-JIS bytes, no line ends).
  explicit EventScript(QList<QByteArray> templateLines);

  // The built-in event file: comment lines, then each section between its tags.
  static QList<QByteArray> builtInTemplate();
  // The body of one built-in section as UTF-8 text with LF line ends.
  static QString sectionBody(const QString& section);

  // Sets or replaces a variable; `name` carries its "$". Values are bytes, as the
  // engine reads them (Shift-JIS text, file names as the file system spells them).
  void setVariable(const QString& name, const QByteArray& value);
  QByteArray variable(const QString& name) const;
  const QList<std::pair<QString, QByteArray>>& variables() const { return variables_; }

  // The assignment lines followed by the body of section `name`; false (and an
  // empty list) when the section is missing or not closed.
  bool extractSection(const QString& name, QList<QByteArray>* out) const;

  // Where composition finds the group's macro definition file name: null when
  // there is no group manager; it may create a temporary file for an untitled group.
  using MacroFileSource = std::function<QString()>;

  // Composes the script of `kind` for the list file `listFile` into a new temporary
  // file owned by `files` and returns its name, or an empty text when the kind has
  // no section or the file could not be written.
  QString compose(int kind, const QString& listFile, const AnalysisOptions& options,
                  const MacroFileSource& macroFile, TempFileSet& files);

  // Sets the variables of `kind` as composition does, without writing anything.
  void setVariablesFor(int kind, const QString& listFile, const AnalysisOptions& options,
                       const MacroFileSource& macroFile);

  // The script bytes: each line followed by CR LF.
  static QByteArray scriptBytes(const QList<QByteArray>& lines);

 private:
  void setFlag(const QString& name, bool on);
  void setTreeVariables(const AnalysisOptions& options, int group);
  void setMacroFile(const MacroFileSource& macroFile);

  QList<QByteArray> template_;
  QList<std::pair<QString, QByteArray>> variables_;
};

// " \"<name>\"": how a list-file name is handed to the engine.
QByteArray wrapListFileName(const QString& name);

}  // namespace veldra
