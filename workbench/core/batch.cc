#include "core/batch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <array>
#include <cstring>

#include "core/analysis_kind.h"
#include "core/batch_io.h"
#include "core/batch_tools.h"
#include "core/constants.h"
#include "core/engine_run.h"
#include "core/event_script.h"
#include "core/group_file.h"
#include "core/messages.h"
#include "core/profile_values.h"

namespace veldra {

namespace {

constexpr std::array<const char*, 5> kBatchOptions{
    {"--compose", "--analyse", "--version", "--build", "--find"}};

bool writeBytes(std::FILE* stream, const QByteArray& bytes) {
  return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
             static_cast<size_t>(bytes.size()) &&
         std::fflush(stream) == 0;
}

int usage(std::FILE* err) {
  printLine(err, QStringLiteral("usage: VeldraC --compose KIND LISTFILE [--group GROUPFILE] | "
                                "--analyse KIND GROUPFILE | --version | --build GROUPFILE | "
                                "--find TEXT GROUPFILE [--word] [--case]"));
  return 1;
}

// A kind with a section, or 0.
int parseKind(const QString& text) {
  bool ok = false;
  int kind = text.toInt(&ok);
  return ok && analysisKindInfo(kind) != nullptr ? kind : 0;
}

AnalysisOptions profileOptions() {
  QSettings settings = openProfile();
  return AnalysisOptions::load(settings, programDirectory());
}

int compose(const QStringList& args, std::FILE* out, std::FILE* err) {
  if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--group"))) {
    return usage(err);
  }
  const int kind = parseKind(args[0]);
  if (kind == 0) {
    printLine(err, msg::kAnalysisFailed.str());
    return 1;
  }
  EventScript::MacroFileSource macroFile;
  if (args.size() == 4) {
    QString path;
    GroupFileData data;
    if (!loadGroup(args[3], &path, &data, err)) return 1;
    macroFile = [path] { return macroFileNameFor(path); };
  }
  TempFileSet files;
  EventScript events;
  const QString script = events.compose(kind, args[1], profileOptions(), macroFile, files);
  QFile file(script);
  if (script.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    printLine(err, msg::kAnalysisFailed.str());
    return 1;
  }
  return writeBytes(out, file.readAll()) ? 0 : 1;
}

int analyse(const QStringList& args, std::FILE* out, std::FILE* err) {
  if (args.size() != 2) return usage(err);
  const int kind = parseKind(args[0]);
  if (kind == 0) {
    printLine(err, msg::kAnalysisFailed.str());
    return 1;
  }
  QString path;
  GroupFileData data;
  if (!loadGroup(args[1], &path, &data, err)) return 1;
  if (data.files.isEmpty()) {
    printLine(err, msg::kGroupEmpty.str());
    return 1;
  }
  AnalysisRequest request;
  request.kind = kind;
  request.files = data.files;
  request.workingDirectory = QFileInfo(path).absolutePath();
  request.options = profileOptions();
  request.macroFile = [path] { return macroFileNameFor(path); };
  request.programDir = programDirectory();

  AnalysisRun run;
  QEventLoop loop;
  bool completed = false;
  QObject::connect(&run, &AnalysisRun::finished, &loop, [&](bool done) {
    completed = done;
    loop.quit();
  });
  const QString failure = run.start(request);
  if (!failure.isEmpty()) {
    printLine(err, failure);
    return 1;
  }
  loop.exec();
  const QString result = run.takeResultFile();
  QFile file(result);
  const bool ok = completed && file.open(QIODevice::ReadOnly) && writeBytes(out, file.readAll());
  file.close();
  removeTempFile(result);
  return ok ? 0 : 1;
}

int version(std::FILE* out) {
  printLine(out, QStringLiteral("Ｃ言語ﾄﾞｷｭﾒﾝﾄ生成ﾂｰﾙ(Veldra/C) Version  ") +
                     QLatin1String(kWorkbenchVersion));
  printLine(out, QStringLiteral("解析ﾙｰﾁﾝ: ") + queryEngineVersion(programDirectory()));
  return 0;
}

}  // namespace

bool isBatchInvocation(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : kBatchOptions) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

int runBatch(const QStringList& arguments, std::FILE* out, std::FILE* err) {
  if (arguments.isEmpty()) return usage(err);
  const QString option = arguments.first();
  const QStringList rest = arguments.mid(1);
  if (option == QLatin1String("--compose")) return compose(rest, out, err);
  if (option == QLatin1String("--analyse")) return analyse(rest, out, err);
  if (option == QLatin1String("--version") && rest.isEmpty()) return version(out);
  if (option == QLatin1String("--build")) return runBatchBuild(rest, out, err);
  if (option == QLatin1String("--find")) return runBatchFind(rest, out, err);
  return usage(err);
}

}  // namespace veldra
