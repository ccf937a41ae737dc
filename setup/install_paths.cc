#include "install_paths.h"

#include <QFileInfo>

namespace setup {

QString InstallPaths::prefix() const {
  static const QLatin1String kProgramSubdir("/lib/veldra");
  if (!installDir.endsWith(kProgramSubdir)) return {};
  return installDir.left(installDir.size() - kProgramSubdir.size());
}

InstallPaths installPathsFor(const QString& programFile) {
  const QFileInfo info(programFile);
  QString canonical = info.canonicalFilePath();
  if (canonical.isEmpty()) canonical = info.absoluteFilePath();
  return InstallPaths{QFileInfo(canonical).absolutePath()};
}

QStringList installedFileNames() {
  // The workbench's help and its index have no counterpart on Linux; the
  // engine's help file and the icon used by the menu entries take their place.
  return {QStringLiteral("VeldraC"),      QStringLiteral("VeldraC.txt"),
          QStringLiteral("Default.fls"),  QStringLiteral("mora"),
          QStringLiteral("mora.msg"),     QStringLiteral("mora.hl"),
          QStringLiteral("guidance.txt"), QStringLiteral("veldrac.svg")};
}

QStringList sampleFileNames() { return {QStringLiteral("fsearch.c"), QStringLiteral("fsearch.h")}; }

QStringList linkedProgramNames() {
  return {QStringLiteral("mora"), QStringLiteral("VeldraC"), QStringLiteral("VDSetup")};
}

}  // namespace setup
