// External programs of the build, run and tool commands: how a command line
// becomes a program and its arguments, and a child whose output is captured into
// a temporary file and read back line by line while it runs.
#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QProcess;

namespace veldra {

struct ProcessCommand {
  QString program;
  QStringList arguments;
  QString workingDirectory;  // "" keeps the current one
  QString commandLine;       // as the user sees it (messages, the build window)
};

// The program as it is named (blanks allowed) and its options split like a shell
// splits words, with double quotation marks grouping blanks.
ProcessCommand programCommand(const QString& program, const QString& options);
// The make utility, its options and the make file (the build's command line).
ProcessCommand makeCommand(const QString& utility, const QString& options, const QString& makeFile);
// A typed command line handed whole to the command shell as one argument.
ProcessCommand shellCommand(const QString& commandLine);
// A typed command line split into program and arguments, no shell involved.
ProcessCommand splitCommand(const QString& commandLine);

// Starts a program that runs on its own (no capture); false when it did not start.
bool startDetached(const ProcessCommand& command);

// A child with standard output and standard error in one new temporary file. The
// file is read every `kCaptureWatchMs` while the child runs and once more at its
// end; every complete line (cut into pieces of at most kCaptureLineMax characters)
// is reported as it arrives.
class CapturedProcess : public QObject {
  Q_OBJECT

 public:
  explicit CapturedProcess(QObject* parent = nullptr);
  // Ends a child still running and deletes the output file.
  ~CapturedProcess() override;

  // Starts the child with its output in a temporary file named from `prefix`.
  // False when the file could not be made or the child did not start.
  bool start(const ProcessCommand& command, const QString& prefix);
  bool isRunning() const { return process_ != nullptr; }
  // Ends the child (it then reports finished like any other end).
  void kill();
  void setWatchInterval(int ms) { watch_.setInterval(ms); }
  QString outputFile() const { return output_; }

 signals:
  void lineRead(const QString& line);
  // The child has ended; -1 when it did not exit normally (killed, crashed).
  void finished(int exitCode);

 private:
  void poll();
  void readNew(bool atEnd);
  void emitLine(QByteArrayView bytes);
  void cleanUp();

  QProcess* process_ = nullptr;
  QTimer watch_;
  QFile reader_;
  QByteArray pending_;
  QString output_;
};

}  // namespace veldra
