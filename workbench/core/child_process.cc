#include "core/child_process.h"

#include <QProcess>

#include "core/constants.h"
#include "core/temp_file.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

QString joined(QString line, const QString& part) {
  if (!part.isEmpty()) line += u' ' + part;
  return line;
}

void startIn(QProcess* process, const ProcessCommand& command) {
  if (!command.workingDirectory.isEmpty()) process->setWorkingDirectory(command.workingDirectory);
  process->setStandardInputFile(QProcess::nullDevice());
  process->start(command.program, command.arguments);
}

}  // namespace

ProcessCommand programCommand(const QString& program, const QString& options) {
  ProcessCommand c;
  c.program = program;
  c.arguments = QProcess::splitCommand(options);
  c.commandLine = joined(program, options);
  return c;
}

ProcessCommand makeCommand(const QString& utility, const QString& options,
                           const QString& makeFile) {
  ProcessCommand c = programCommand(utility, options);
  if (!makeFile.isEmpty()) c.arguments.append(makeFile);
  c.commandLine = joined(c.commandLine, makeFile);
  return c;
}

ProcessCommand shellCommand(const QString& commandLine) {
  ProcessCommand c;
  c.program = QLatin1String(kShellProgram);
  c.arguments = {QLatin1String(kShellOption), commandLine};
  c.commandLine = commandLine;
  return c;
}

ProcessCommand splitCommand(const QString& commandLine) {
  ProcessCommand c;
  QStringList words = QProcess::splitCommand(commandLine);
  if (!words.isEmpty()) c.program = words.takeFirst();
  c.arguments = words;
  c.commandLine = commandLine;
  return c;
}

bool startDetached(const ProcessCommand& command) {
  if (command.program.isEmpty()) return false;
  QProcess process;
  process.setProgram(command.program);
  process.setArguments(command.arguments);
  process.setStandardInputFile(QProcess::nullDevice());
  if (!command.workingDirectory.isEmpty()) process.setWorkingDirectory(command.workingDirectory);
  return process.startDetached();
}

CapturedProcess::CapturedProcess(QObject* parent) : QObject(parent) {
  watch_.setInterval(kCaptureWatchMs);
  connect(&watch_, &QTimer::timeout, this, &CapturedProcess::poll);
}

CapturedProcess::~CapturedProcess() {
  if (process_ != nullptr) {
    process_->kill();
    process_->waitForFinished(kTerminateGraceMs);
  }
  cleanUp();
}

void CapturedProcess::cleanUp() {
  watch_.stop();
  delete process_;
  process_ = nullptr;
  reader_.close();
  if (!output_.isEmpty()) removeTempFile(output_);
  output_.clear();
  pending_.clear();
}

bool CapturedProcess::start(const ProcessCommand& command, const QString& prefix) {
  if (process_ != nullptr || command.program.isEmpty()) return false;
  output_ = createTempFile(prefix);
  if (output_.isEmpty()) return false;
  process_ = new QProcess;
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setStandardOutputFile(output_, QIODevice::Truncate);
  startIn(process_, command);
  if (!process_->waitForStarted()) {
    cleanUp();
    return false;
  }
  reader_.setFileName(output_);
  watch_.start();
  return true;
}

void CapturedProcess::kill() {
  if (process_ != nullptr) process_->kill();
}

void CapturedProcess::poll() {
  const bool ended = process_->state() == QProcess::NotRunning;
  readNew(ended);
  if (!ended) return;
  const int code = process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
  cleanUp();
  emit finished(code);
}

void CapturedProcess::readNew(bool atEnd) {
  if (!reader_.isOpen() && !reader_.open(QIODevice::ReadOnly)) return;
  pending_ += reader_.readAll();
  qsizetype start = 0;
  for (qsizetype nl = pending_.indexOf('\n'); nl >= 0; nl = pending_.indexOf('\n', start)) {
    emitLine(QByteArrayView(pending_).sliced(start, nl - start));
    start = nl + 1;
  }
  pending_.remove(0, start);
  if (atEnd && !pending_.isEmpty()) {
    emitLine(pending_);
    pending_.clear();
  }
}

void CapturedProcess::emitLine(QByteArrayView bytes) {
  if (bytes.endsWith('\r')) bytes.chop(1);
  const QString text = decodeText(bytes);
  if (text.size() <= kCaptureLineMax) {
    emit lineRead(text);
    return;
  }
  for (qsizetype at = 0; at < text.size(); at += kCaptureLineMax)
    emit lineRead(text.mid(at, kCaptureLineMax));
}

}  // namespace veldra
