#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary home for the tests: HOME, the XDG directories and TMPDIR point
// into it, with a desktop folder, and an installation directory beside it
// holding a stand-in workbench.
class SetupTestHome {
 public:
  SetupTestHome();
  bool isValid() const { return dir_.isValid(); }

  QString root() const { return dir_.path(); }
  QString home() const { return root() + QStringLiteral("/home"); }
  QString dataHome() const { return home() + QStringLiteral("/.local/share"); }
  QString configHome() const { return home() + QStringLiteral("/.config"); }
  QString desktop() const { return home() + QStringLiteral("/Desktop"); }
  QString installDir() const { return root() + QStringLiteral("/opt/lib/veldra"); }
  QString profileFile() const { return configHome() + QStringLiteral("/Pellwick/VeldraC.conf"); }

  // Every file, directory and link below the home, with its kind; links with their target.
  QStringList listHome() const;
  // Writes a file, creating its directory.
  static bool writeFile(const QString& path, const QByteArray& content);

 private:
  QTemporaryDir dir_;
};
