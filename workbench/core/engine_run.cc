#include "core/engine_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "core/analysis_kind.h"
#include "core/constants.h"
#include "core/messages.h"

namespace veldra {

namespace {

QString joinPath(const QString& dir, const QString& name) {
  if (dir.isEmpty() || dir.endsWith(u'/')) return dir + name;
  return dir + u'/' + name;
}

bool writeListFile(const QString& path, const QList<QByteArray>& files) {
  qsizetype size = 0;
  for (const QByteArray& f : files) size += f.size() + 2;
  QByteArray bytes;
  bytes.reserve(size);
  for (const QByteArray& f : files) bytes += f + "\r\n";
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly) &&
         file.write(bytes) == bytes.size() && file.flush();
}

bool needsComponents(int kind) { return kind == kKindHtml || kind == kKindAllDocuments; }

quint32 componentsOf(const AnalysisRequest& r) {
  return r.kind == kKindHtml ? r.options.htmlMask : r.options.allDocumentsMask;
}

// Starts the engine with both streams in `output` and no standard input.
void configureProcess(QProcess* p, const QString& output, const QString& workingDirectory) {
  p->setProcessChannelMode(QProcess::MergedChannels);
  p->setStandardOutputFile(output, QIODevice::Truncate);
  p->setStandardInputFile(QProcess::nullDevice());
  if (!workingDirectory.isEmpty()) p->setWorkingDirectory(workingDirectory);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QLatin1String(kEngineEncodingVariable), QLatin1String(kEngineEncoding));
  p->setProcessEnvironment(environment);
}

}  // namespace

QString programDirectory() {
  if (QCoreApplication::instance() == nullptr) return {};
  return QCoreApplication::applicationDirPath();
}

QString enginePath(const QString& programDir) {
  return joinPath(programDir, QLatin1String(kEngineProgram));
}

QString engineCommandLine(const QString& programDir, const QString& script) {
  return enginePath(programDir) + QLatin1String(kEngineOptions) + script;
}

AnalysisRun::AnalysisRun(QObject* parent) : QObject(parent) {
  watch_.setInterval(kAnalysisWatchMs);
  connect(&watch_, &QTimer::timeout, this, &AnalysisRun::check);
  grace_.setSingleShot(true);
  grace_.setInterval(kTerminateGraceMs);
  connect(&grace_, &QTimer::timeout, this, [this] {
    if (process_ != nullptr) process_->kill();
  });
}

AnalysisRun::~AnalysisRun() {
  if (process_ != nullptr) {
    process_->kill();
    process_->waitForFinished(kTerminateGraceMs);
    delete process_;
  }
  if (!result_.isEmpty()) removeTempFile(result_);
}

QString AnalysisRun::fail(const QString& message) {
  files_.removeAll();
  result_.clear();
  return message;
}

QString AnalysisRun::start(const AnalysisRequest& request) {
  if (process_ != nullptr) return msg::kAlreadyRunning.str();
  if (needsComponents(request.kind) && (componentsOf(request) & kAllComponents) == 0) {
    return msg::kNoComponents.str();
  }
  if (!result_.isEmpty()) removeTempFile(result_);
  result_.clear();
  cancelRequested_ = false;
  const QString output = files_.create(QLatin1String(kPrefixOutput));
  list_ = files_.create(QLatin1String(kPrefixList));
  if (output.isEmpty() || list_.isEmpty() || !writeListFile(list_, request.files)) {
    return fail(msg::kAnalysisFailed.str());
  }
  script_ = events_.compose(request.kind, list_, request.options, request.macroFile, files_);
  if (script_.isEmpty()) return fail(msg::kAnalysisFailed.str());
  commandLine_ = engineCommandLine(request.programDir, script_);

  process_ = new QProcess;
  configureProcess(process_, output, request.workingDirectory);
  // The command line has no quotation marks; the arguments are passed as a list so
  // that blanks in the program or temporary directory cannot split them.
  process_->start(enginePath(request.programDir),
                  {QStringLiteral("-vd1"), QStringLiteral("-nd"), QStringLiteral("-nh"),
                   QStringLiteral("-f"), script_});
  if (!process_->waitForStarted()) {
    delete process_;
    process_ = nullptr;
    return fail(msg::kAnalysisFailed.str());
  }
  files_.release(output);
  result_ = output;
  watch_.start();
  return {};
}

void AnalysisRun::cancel() {
  if (process_ == nullptr || cancelRequested_) return;
  cancelRequested_ = true;
  process_->terminate();
  grace_.start();
}

void AnalysisRun::check() {
  if (process_ != nullptr && process_->state() != QProcess::NotRunning) return;
  finish();
}

void AnalysisRun::finish() {
  watch_.stop();
  grace_.stop();
  delete process_;
  process_ = nullptr;
  files_.removeAll();
  const bool completed = !cancelRequested_;
  if (!completed && !result_.isEmpty()) {
    removeTempFile(result_);
    result_.clear();
  }
  emit finished(completed);
}

QString AnalysisRun::takeResultFile() {
  QString out = result_;
  result_.clear();
  return out;
}

QString versionFromOutput(QByteArrayView output) {
  QByteArrayView line = output.first(std::min<qsizetype>(output.size(), kVersionLineMax));
  qsizetype end = line.indexOf('\n');
  if (end >= 0) line = line.first(end);
  while (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t')) line = line.sliced(1);
  if (line.startsWith('F')) return {};
  return QString::fromLatin1(line);
}

QString queryEngineVersion(const QString& programDir) {
  TempFileSet files;
  const QString output = files.create(QLatin1String(kPrefixVersion));
  if (output.isEmpty()) return {};
  QProcess process;
  configureProcess(&process, output, QString());
  process.start(enginePath(programDir), {QStringLiteral("-vd1"), QStringLiteral("-nd"),
                                         QStringLiteral("-nh"), QLatin1String(kVersionCommand)});
  if (!process.waitForStarted()) return {};
  for (int round = 0; round < kVersionWatchRounds; ++round) {
    if (process.state() == QProcess::NotRunning || process.waitForFinished(kVersionWatchMs)) break;
    QCoreApplication::processEvents();
  }
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(kTerminateGraceMs);
  }
  QFile file(output);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return versionFromOutput(file.read(kVersionLineMax));
}

}  // namespace veldra
