#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include "installer.h"
#include "profile_defaults.h"
#include "setup_messages.h"
#include "setup_test_home.h"
#include "uninstaller.h"

using namespace setup;

namespace {

DesktopPlaces placesOf(const SetupTestHome& home) {
  return DesktopPlaces{home.home(), home.dataHome(), home.desktop()};
}

bool installAll(const SetupTestHome& home) {
  return performInstall(InstallPaths{home.installDir()}, placesOf(home),
                        Choices{true, true, true, true}, kNewControlsMode,
                        [](int, const QString&) {});
}

UninstallNotice uninstall(const SetupTestHome& home) {
  return performUninstall(InstallPaths{home.installDir()}, placesOf(home), [] {});
}

void setTimeLike(const QString& path, const QString& reference) {
  struct stat st {};
  QVERIFY(::stat(QFile::encodeName(reference).constData(), &st) == 0);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

// Fills the installation directory as an installation does.
void populateInstallation(const SetupTestHome& home) {
  for (const char* name : {"mora", "mora.msg", "mora.hl", "VDSetup", "Default.fls", "VeldraC.txt",
                           "veldrac.svg", "fsearch.c", "fsearch.h"}) {
    QVERIFY(SetupTestHome::writeFile(home.installDir() + "/" + name, name));
  }
  setTimeLike(home.installDir() + "/fsearch.c", home.installDir() + "/VeldraC");
  setTimeLike(home.installDir() + "/fsearch.h", home.installDir() + "/VeldraC");
}

}  // namespace

class UninstallerTest : public QObject {
  Q_OBJECT
 private slots:
  void leavesTheHomeAsItWas();
  void keepsWhatOthersPutBeside();
  void removesTheInstallationButChangedSamples();
  void removesOnlyLinksToOurPrograms();
  void packageOwnerIsFound();
};

void UninstallerTest::leavesTheHomeAsItWas() {
  SetupTestHome home;
  const QStringList before = home.listHome();
  QVERIFY(installAll(home));
  QVERIFY(home.listHome().size() > before.size() + 10);
  const UninstallNotice notice = uninstall(home);
  QCOMPARE(notice.id, 0);
  QCOMPARE(home.listHome(), before);
}

// Files of other programs in the same folders, and folders that existed
// before setup, stay; the MIME database is rebuilt without our type.
void UninstallerTest::keepsWhatOthersPutBeside() {
  SetupTestHome home;
  const QByteArray otherType =
      "<?xml version=\"1.0\"?>\n<mime-info "
      "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "<mime-type type=\"text/x-other\"><glob pattern=\"*.oth\"/></mime-type>\n</mime-info>\n";
  QVERIFY(SetupTestHome::writeFile(home.dataHome() + "/mime/packages/other.xml", otherType));
  QVERIFY(SetupTestHome::writeFile(home.dataHome() + "/applications/other.desktop",
                                   "[Desktop Entry]\nType=Application\nName=O\nExec=o\n"));
  QVERIFY(SetupTestHome::writeFile(home.configHome() + "/Pellwick/Other.conf", "[a]\nb=1\n"));
  QVERIFY(installAll(home));
  QVERIFY(QFileInfo(home.dataHome() + "/mime/application/x-veldra-group.xml").isFile());
  uninstall(home);
  QVERIFY(QFileInfo(home.dataHome() + "/mime/packages/other.xml").isFile());
  QVERIFY(QFileInfo(home.dataHome() + "/applications/other.desktop").isFile());
  QVERIFY(QFileInfo(home.configHome() + "/Pellwick/Other.conf").isFile());
  QVERIFY(!QFileInfo::exists(home.profileFile()));
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/mime/packages/veldra-group.xml"));
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/mime/application/x-veldra-group.xml"));
  QVERIFY(QFileInfo(home.dataHome() + "/mime/text/x-other.xml").isFile());
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/applications/veldrac.desktop"));
}

void UninstallerTest::removesTheInstallationButChangedSamples() {
  SetupTestHome home;
  populateInstallation(home);
  QVERIFY(SetupTestHome::writeFile(home.installDir() + "/notes.txt", "mine"));
  // A changed sample has a new time stamp.
  QVERIFY(SetupTestHome::writeFile(home.installDir() + "/fsearch.h", "changed"));
  QVERIFY(installAll(home));
  uninstall(home);
  QDir dir(home.installDir());
  QCOMPARE(dir.entryList(QDir::Files, QDir::Name), QStringList({"fsearch.h", "notes.txt"}));

  QVERIFY(QFile::remove(home.installDir() + "/fsearch.h"));
  QVERIFY(QFile::remove(home.installDir() + "/notes.txt"));
  QVERIFY(SetupTestHome::writeFile(home.installDir() + "/VeldraC", "again"));
  populateInstallation(home);
  uninstall(home);
  QVERIFY(!QFileInfo::exists(home.installDir()));
}

void UninstallerTest::removesOnlyLinksToOurPrograms() {
  SetupTestHome home;
  populateInstallation(home);
  const QString bin = home.root() + "/opt/bin";
  QVERIFY(QDir().mkpath(bin));
  QVERIFY(QFile::link("../lib/veldra/mora", bin + "/mora"));
  QVERIFY(QFile::link("../lib/veldra/VDSetup", bin + "/VDSetup"));
  QVERIFY(QFile::link("/usr/bin/true", bin + "/VeldraC"));  // not ours
  QVERIFY(SetupTestHome::writeFile(bin + "/other", "x"));
  uninstall(home);
  QCOMPARE(QDir(bin).entryList(QDir::Files | QDir::System, QDir::Name),
           QStringList({"VeldraC", "other"}));
  QCOMPARE(QFileInfo(bin + "/VeldraC").symLinkTarget(), QString("/usr/bin/true"));
}

void UninstallerTest::packageOwnerIsFound() {
  if (QStandardPaths::findExecutable("dpkg-query").isEmpty()) QSKIP("no dpkg on this machine");
  QCOMPARE(owningPackage("/usr/bin/dpkg-query"), QString("dpkg"));
  SetupTestHome home;
  QCOMPARE(owningPackage(home.installDir() + "/VeldraC"), QString());
}

QTEST_GUILESS_MAIN(UninstallerTest)
#include "uninstaller_test.moc"
