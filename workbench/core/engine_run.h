// Running the engine: one analysis (list, script and output files, the child
// process with both streams in the output file, the 30 ms watch and cancel), and
// the version query.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include "core/analysis_options.h"
#include "core/event_script.h"
#include "core/temp_file.h"

class QProcess;

namespace veldra {

// The directory of the running program ("" when unknown); the engine and
// Default.fls are found there.
QString programDirectory();

// The engine's program file in `programDir`.
QString enginePath(const QString& programDir);

// The command line of an analysis: the engine, " -vd1 -nd -nh -f " and the script.
QString engineCommandLine(const QString& programDir, const QString& script);

struct AnalysisRequest {
  int kind = 0;
  QList<QByteArray> files;   // the group's files (all or the selected), in list order
  QString workingDirectory;  // the group file's directory; "" keeps the current one
  AnalysisOptions options;
  EventScript::MacroFileSource macroFile;  // null without a group manager
  QString programDir;
};

class AnalysisRun : public QObject {
  Q_OBJECT

 public:
  explicit AnalysisRun(QObject* parent = nullptr);
  // Ends a running engine and deletes every temporary file still owned.
  ~AnalysisRun() override;

  // Writes the list and the script and starts the engine. Returns an empty text,
  // or the message to show when the run could not start (nothing then runs).
  QString start(const AnalysisRequest& request);

  // Ends the engine at once (SIGTERM, then SIGKILL after a short grace time).
  void cancel();

  bool isRunning() const { return process_ != nullptr; }
  QString commandLine() const { return commandLine_; }
  QString scriptFile() const { return script_; }
  QString listFile() const { return list_; }

  // After finished(true): the file holding what the engine wrote. The caller owns
  // it from now on and deletes it with removeTempFile.
  QString takeResultFile();

  // The variables of the last composition (they persist between runs).
  const EventScript& eventScript() const { return events_; }

 signals:
  // The engine has ended: by itself (`completed`), or after cancel.
  void finished(bool completed);

 private:
  void check();
  void finish();
  QString fail(const QString& message);

  EventScript events_;
  TempFileSet files_;
  QProcess* process_ = nullptr;
  QTimer watch_;
  QTimer grace_;
  bool cancelRequested_ = false;
  QString result_;
  QString script_;
  QString list_;
  QString commandLine_;
};

// Asks the engine for its version ("" when it cannot tell): at most 300 rounds of
// 20 ms while events are dispatched, then the first line of its output.
QString queryEngineVersion(const QString& programDir);

// The version text from the first line the engine wrote ("" for a message line).
QString versionFromOutput(QByteArrayView output);

}  // namespace veldra
