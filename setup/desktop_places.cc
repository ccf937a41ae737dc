#include "desktop_places.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace setup {
namespace {

constexpr int kToolTimeoutMs = 5000;

QString absoluteFromEnv(const char* name) {
  const QString value = qEnvironmentVariable(name);
  return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

// xdg-user-dir answers the home directory itself when no desktop folder is
// configured; a launcher there would land among the user's files.
QString userDesktopDir(const QString& home) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-user-dir"));
  if (!tool.isEmpty()) {
    QProcess process;
    process.start(tool, {QStringLiteral("DESKTOP")});
    if (process.waitForFinished(kToolTimeoutMs) && process.exitCode() == 0) {
      const QString dir =
          QDir::cleanPath(QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed());
      if (QDir::isAbsolutePath(dir) && dir != home) return dir;
    } else {
      process.kill();
      process.waitForFinished();
    }
  }
  return home + QStringLiteral("/Desktop");
}

}  // namespace

DesktopPlaces currentDesktopPlaces() {
  DesktopPlaces places;
  places.home = QDir::homePath();
  places.dataHome = absoluteFromEnv("XDG_DATA_HOME");
  if (places.dataHome.isEmpty()) places.dataHome = places.home + QStringLiteral("/.local/share");
  places.desktopDir = userDesktopDir(places.home);
  return places;
}

}  // namespace setup
