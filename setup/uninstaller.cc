#include "uninstaller.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include "profile_defaults.h"
#include "registrar.h"
#include "setup_messages.h"
#include "setup_record.h"

namespace setup {
namespace {

constexpr int kQueryTimeoutMs = 10000;

bool removeFile(const QString& path) { return ::unlink(QFile::encodeName(path).constData()) == 0; }

bool modificationTime(const QString& path, struct timespec& time) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  time = st.st_mtim;
  return true;
}

// A sample is unchanged while its time stamp is still the workbench's: the
// installation gives both the same one.
bool sampleUnchanged(const InstallPaths& paths, const QString& sample) {
  struct timespec workbench {
  }, own{};
  return modificationTime(paths.workbench(), workbench) && modificationTime(sample, own) &&
         workbench.tv_sec == own.tv_sec && workbench.tv_nsec == own.tv_nsec;
}

// Links in "<prefix>/bin" that the installation made to our programs.
QStringList ourProgramLinks(const InstallPaths& paths) {
  QStringList links;
  const QString prefix = paths.prefix();
  if (prefix.isEmpty()) return links;
  for (const QString& name : linkedProgramNames()) {
    const QString link = prefix + QStringLiteral("/bin/") + name;
    const QFileInfo info(link);
    if (info.isSymLink() && info.symLinkTarget() == paths.file(name)) links.append(link);
  }
  return links;
}

void removeProgramFiles(const InstallPaths& paths) {
  const QStringList links = ourProgramLinks(paths);
  for (const QString& name : sampleFileNames()) {
    if (sampleUnchanged(paths, paths.file(name))) removeFile(paths.file(name));
  }
  for (const QString& name : installedFileNames()) removeFile(paths.file(name));
  // A running program's file can be unlinked: no helper has to wait for our exit.
  removeFile(paths.setupProgram());
  for (const QString& link : links) removeFile(link);
  ::rmdir(QFile::encodeName(paths.installDir).constData());
}

void removeProfile(CreatedPaths& created) {
  QString file;
  {
    QSettings profile(profileOrganization(), profileApplication());
    file = profile.fileName();
  }
  removeFile(file);
  created.removeEmptyDirs();
}

}  // namespace

QString owningPackage(const QString& file) {
  const QString query = QStandardPaths::findExecutable(QStringLiteral("dpkg-query"));
  if (query.isEmpty()) return {};
  QProcess process;
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(query, {QStringLiteral("-S"), file});
  if (!process.waitForFinished(kQueryTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
  // "package: /path", or "package:arch: /path"
  const QString line =
      QString::fromLocal8Bit(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
  const qsizetype end = line.indexOf(QLatin1String(": "));
  return end > 0 ? line.left(end) : QString();
}

UninstallNotice performUninstall(const InstallPaths& paths, const DesktopPlaces& places,
                                 const std::function<void()>& betweenSteps) {
  CreatedPaths created;
  {
    QSettings profile(profileOrganization(), profileApplication());
    created = loadSetupRecord(profile);
  }
  Registrar(paths, places, created).removeAll();
  betweenSteps();
  removeProfile(created);
  betweenSteps();

  const QString package = owningPackage(paths.setupProgram());
  if (!package.isEmpty()) {
    return {kPackageOwned, QStringLiteral("\"sudo apt remove %1\"").arg(package)};
  }
  if (::access(QFile::encodeName(paths.installDir).constData(), W_OK) != 0) {
    return {kNotWritable, paths.installDir};
  }
  removeProgramFiles(paths);
  return {};
}

}  // namespace setup
