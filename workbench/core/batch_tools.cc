#include "core/batch_tools.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSettings>

#include "core/batch_io.h"
#include "core/build_options.h"
#include "core/child_process.h"
#include "core/constants.h"
#include "core/find_in_files.h"
#include "core/group_file.h"
#include "core/messages.h"
#include "core/profile_values.h"

namespace veldra {

namespace {

int usage(std::FILE* err) {
  printLine(err, QStringLiteral(
                     "usage: VeldraC --build GROUPFILE | --find TEXT GROUPFILE [--word] [--case]"));
  return 1;
}

}  // namespace

int runBatchBuild(const QStringList& args, std::FILE* out, std::FILE* err) {
  if (args.size() != 1) return usage(err);
  QString path;
  GroupFileData data;
  if (!loadGroup(args[0], &path, &data, err)) return 1;
  if (data.build.makeUtility.isEmpty()) {
    printLine(err, msg::kBuildNotSet.str());
    return 1;
  }
  QSettings settings = openProfile();
  const BuildEnvironment environment = BuildEnvironment::load(settings);
  ProcessCommand command =
      makeCommand(data.build.makeUtility, data.build.makeOptions, data.build.makeFile);
  command.workingDirectory = QFileInfo(path).absolutePath();

  CapturedProcess child;
  QEventLoop loop;
  int exitCode = 1;
  QObject::connect(&child, &CapturedProcess::lineRead, &loop,
                   [out](const QString& line) { printLine(out, line); });
  QObject::connect(&child, &CapturedProcess::finished, &loop, [&](int code) {
    exitCode = code;
    loop.quit();
  });
  if (environment.showInformation) printLine(out, msg::kBuildStart.str().arg(command.commandLine));
  std::fflush(out);
  if (!child.start(command, QLatin1String(kPrefixBuild))) {
    printLine(err, msg::kCommandFailed.str().arg(command.commandLine));
    return 1;
  }
  loop.exec();
  if (environment.showInformation) printLine(out, msg::kBuildEnd.str().arg(exitCode));
  std::fflush(out);
  return exitCode < 0 ? 1 : exitCode;
}

int runBatchFind(const QStringList& args, std::FILE* out, std::FILE* err) {
  if (args.size() < 2) return usage(err);
  QSettings settings = openProfile();
  FindOptions options = FindOptions::load(settings);
  options.text = args[0];
  options.word = false;
  options.caseSensitive = false;
  for (const QString& flag : args.mid(2)) {
    if (flag == QLatin1String("--word")) {
      options.word = true;
    } else if (flag == QLatin1String("--case")) {
      options.caseSensitive = true;
    } else {
      return usage(err);
    }
  }
  if (options.text.isEmpty() || options.text.size() > kFindTextMax) return usage(err);
  QString path;
  GroupFileData data;
  if (!loadGroup(args[1], &path, &data, err)) return 1;
  FileSearch search(data.files, options, QFileInfo(path).absolutePath());
  while (search.step()) {
    for (const QString& line : search.takeLines()) printLine(out, line);
  }
  std::fflush(out);
  return 0;
}

}  // namespace veldra
