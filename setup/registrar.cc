#include "registrar.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "desktop_entries.h"
#include "owned_file.h"

namespace setup {
namespace {

constexpr int kToolTimeoutMs = 30000;

// Runs a desktop database tool; a tool that is not installed answers `missing`.
bool runTool(const char* name, const QString& dir, bool missing) {
  const QString tool = QStandardPaths::findExecutable(QString::fromLatin1(name));
  if (tool.isEmpty()) return missing;
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.start(tool, {dir});
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool hasDesktopEntries(const QString& dir) {
  return !QDir(dir).entryList({QStringLiteral("*.desktop")}, QDir::Files).isEmpty();
}

}  // namespace

Registrar::Registrar(const InstallPaths& paths, const DesktopPlaces& places, CreatedPaths& created)
    : paths_(paths), places_(places), created_(created) {}

QString Registrar::menuEntryPath() const {
  return places_.applications() + QLatin1Char('/') + QLatin1String(kMenuEntryName);
}
QString Registrar::openWithEntryPath() const {
  return places_.applications() + QLatin1Char('/') + QLatin1String(kOpenWithEntryName);
}
QString Registrar::launcherPath() const {
  return places_.desktopDir + QLatin1Char('/') + QLatin1String(kLauncherName);
}
QString Registrar::mimePackagePath() const {
  return places_.mimePackages() + QLatin1Char('/') + QLatin1String(kMimePackageName);
}

bool Registrar::setAssociation(const Choices& choices) {
  bool ok;
  if (choices.associate) {
    ok = created_.makeDir(places_.mimePackages()) &&
         writeOwned(mimePackagePath(), groupMimePackage());
    ok = ok && refreshMimeDatabase();
  } else {
    const bool hadPackage = ownershipOf(mimePackagePath()) == Ownership::Ours;
    ok = removeOwned(mimePackagePath());
    if (hadPackage) refreshMimeDatabase();
  }
  return writeMenuEntry(choices) && ok;
}

bool Registrar::setDesktopShortcut(bool on) {
  if (!on) return removeOwned(launcherPath());
  // The desktop folder belongs to the user's session; it is never made here.
  if (!QFileInfo(places_.desktopDir).isDir()) return false;
  return writeOwned(launcherPath(), desktopLauncher(paths_), true);
}

bool Registrar::setStartMenu(const Choices& choices) { return writeMenuEntry(choices); }

bool Registrar::setSendTo(bool on) {
  bool ok;
  if (on) {
    ok = created_.makeDir(places_.applications()) &&
         writeOwned(openWithEntryPath(), openWithEntry(paths_));
  } else {
    ok = removeOwned(openWithEntryPath());
  }
  refreshDesktopDatabase();
  if (!on) tidyApplications();
  return ok;
}

void Registrar::removeAll() {
  const Choices none{false, false, false, false};
  setAssociation(none);
  setDesktopShortcut(false);
  setSendTo(false);
}

// The application entry exists while it is needed to open groups or to show
// the workbench in the menu; without either it would be an invisible entry.
bool Registrar::writeMenuEntry(const Choices& choices) {
  bool ok;
  const bool wanted = choices.associate || choices.startMenu;
  if (wanted) {
    ok = created_.makeDir(places_.applications()) &&
         writeOwned(menuEntryPath(), menuEntry(paths_, choices.associate, choices.startMenu));
  } else {
    ok = removeOwned(menuEntryPath());
  }
  refreshDesktopDatabase();
  if (!wanted) tidyApplications();
  return ok;
}

// Rebuilds the user's MIME database; when no package is left in it, the caches
// that were built for us go again.
bool Registrar::refreshMimeDatabase() {
  const QString dir = places_.mime();
  const QStringList before = CreatedPaths::entriesOf(dir);
  const bool ok = runTool("update-mime-database", dir, false);
  created_.noteNewCaches(dir, before);
  if (CreatedPaths::entriesOf(places_.mimePackages()).isEmpty()) created_.removeCachesIn(dir);
  return ok;
}

// The MIME cache of the applications folder only speeds lookups up; a desktop
// without the tool reads the entries themselves.
void Registrar::refreshDesktopDatabase() {
  const QString dir = places_.applications();
  if (!QFileInfo(dir).isDir()) return;
  const QStringList before = CreatedPaths::entriesOf(dir);
  runTool("update-desktop-database", dir, true);
  created_.noteNewCaches(dir, before);
}

void Registrar::tidyApplications() {
  if (!hasDesktopEntries(places_.applications())) created_.removeCachesIn(places_.applications());
}

}  // namespace setup
