#pragma once

#include <QString>
#include <QStringList>

namespace setup {

// Where the installed programs live. Every program and data file sits in one
// program directory; VDSetup takes it from its own real path, so a link to
// VDSetup in a bin directory still finds the right place.
struct InstallPaths {
  QString installDir;  // canonical, without a trailing "/"

  QString file(const QString& name) const { return installDir + QLatin1Char('/') + name; }
  QString workbench() const { return file(QStringLiteral("VeldraC")); }
  QString setupProgram() const { return file(QStringLiteral("VDSetup")); }
  QString icon() const { return file(QStringLiteral("veldrac.svg")); }
  QString readme() const { return file(QStringLiteral("VeldraC.txt")); }

  // The prefix of a "<prefix>/lib/veldra" layout, or empty for any other place.
  QString prefix() const;
};

// The paths for the program file given (normally QCoreApplication's own).
InstallPaths installPathsFor(const QString& programFile);

// Installed files that uninstall removes, in order, after the samples and
// before VDSetup itself.
QStringList installedFileNames();

// Sample sources, removed only while unchanged since installation.
QStringList sampleFileNames();

// Programs that the installation links into "<prefix>/bin".
QStringList linkedProgramNames();

}  // namespace setup
