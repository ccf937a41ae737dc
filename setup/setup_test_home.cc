#include "setup_test_home.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

SetupTestHome::SetupTestHome() {
  QDir().mkpath(desktop());
  QDir().mkpath(installDir());
  QDir().mkpath(root() + QStringLiteral("/tmp"));
  qputenv("HOME", home().toLocal8Bit());
  qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
  qputenv("XDG_DATA_DIRS", (root() + QStringLiteral("/share")).toLocal8Bit());
  qputenv("XDG_CONFIG_DIRS", (root() + QStringLiteral("/etc")).toLocal8Bit());
  // The workbench's single-instance channel lives in the temporary directory.
  qputenv("TMPDIR", (root() + QStringLiteral("/tmp")).toLocal8Bit());
  // QSettings takes its folder from the environment only once per process.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome());
  writeFile(installDir() + QStringLiteral("/VeldraC"), "#!/bin/sh\nexit 0\n");
  QFile::setPermissions(installDir() + QStringLiteral("/VeldraC"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList SetupTestHome::listHome() const {
  QStringList entries;
  QDirIterator it(home(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    const QString name = info.filePath().mid(home().size());
    if (info.isSymLink()) {
      entries << name + QStringLiteral(" -> ") + info.symLinkTarget();
    } else {
      entries << name + (info.isDir() ? QStringLiteral("/") : QString());
    }
  }
  entries.sort();
  return entries;
}

bool SetupTestHome::writeFile(const QString& path, const QByteArray& content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(content) == content.size();
}
