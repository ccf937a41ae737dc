#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "desktop_entries.h"
#include "installer.h"
#include "profile_defaults.h"
#include "setup_messages.h"
#include "setup_test_home.h"

using namespace setup;

namespace {

QString readText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs a desktop tool and returns its trimmed output, or "<missing>" when it is not installed.
QString runTool(const QString& name, const QStringList& arguments) {
  const QString tool = QStandardPaths::findExecutable(name);
  if (tool.isEmpty()) return QStringLiteral("<missing>");
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished();
  return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())
      .trimmed();
}

struct Run {
  bool found;
  QList<int> messages;
};

Run install(const SetupTestHome& home, const Choices& choices) {
  Run run{false, {}};
  DesktopPlaces places{home.home(), home.dataHome(), home.desktop()};
  run.found = performInstall(InstallPaths{home.installDir()}, places, choices, kNewControlsMode,
                             [&run](int id, const QString&) { run.messages << id; });
  return run;
}

// Home entries that are ours and not caches built by the MIME tool.
QStringList withoutMimeCaches(const QStringList& entries) {
  QStringList kept;
  for (const QString& entry : entries) {
    const bool cache = entry.startsWith(QLatin1String("/.local/share/mime/")) &&
                       entry != QLatin1String("/.local/share/mime/") &&
                       !entry.startsWith(QLatin1String("/.local/share/mime/packages/"));
    if (!cache) kept << entry;
  }
  return kept;
}

}  // namespace

class RegistrarTest : public QObject {
  Q_OBJECT
 private slots:
  void allChoicesCreateExactlyTheExpectedFiles();
  void groupsOpenInTheWorkbench();
  void secondRunWithoutAssociationRemovesIt();
  void entryWithoutAssociationOrMenuGoes();
  void foreignFilesAreNeverReplaced();
  void missingWorkbenchRegistersNothing();
  void missingDesktopFolderFailsOnlyThatStep();
  void execArgumentsAreQuoted();
};

void RegistrarTest::allChoicesCreateExactlyTheExpectedFiles() {
  SetupTestHome home;
  const Run run = install(home, Choices{true, true, true, true});
  QVERIFY(run.found);
  QCOMPARE(run.messages, QList<int>());
  const QStringList expected{"/.config/",
                             "/.config/Pellwick/",
                             "/.config/Pellwick/VeldraC.conf",
                             "/.local/",
                             "/.local/share/",
                             "/.local/share/applications/",
                             "/.local/share/applications/mimeinfo.cache",
                             "/.local/share/applications/veldrac-open-with.desktop",
                             "/.local/share/applications/veldrac.desktop",
                             "/.local/share/mime/",
                             "/.local/share/mime/packages/",
                             "/.local/share/mime/packages/veldra-group.xml",
                             "/Desktop/",
                             "/Desktop/VeldraC.desktop"};
  QCOMPARE(withoutMimeCaches(home.listHome()), expected);
  QVERIFY(QFileInfo(home.dataHome() + "/mime/mime.cache").isFile());

  const QString entry = readText(home.dataHome() + "/applications/veldrac.desktop");
  QVERIFY(entry.contains("Exec=" + home.installDir() + "/VeldraC %f\n"));
  QVERIFY(entry.contains("MimeType=application/x-veldra-group;\n"));
  QVERIFY(!entry.contains("NoDisplay"));
  QVERIFY(entry.contains("[Desktop Action Uninstall]\nName=Veldra/Cのｱﾝｲﾝｽﾄｰﾙ\nExec=" +
                         home.installDir() + "/VDSetup /r\n"));
  QVERIFY(QFileInfo(home.desktop() + "/VeldraC.desktop").isExecutable());
  for (const QString& file : {home.dataHome() + "/applications/veldrac.desktop",
                              home.dataHome() + "/applications/veldrac-open-with.desktop",
                              home.desktop() + "/VeldraC.desktop"}) {
    QCOMPARE(runTool("desktop-file-validate", {file}), QString());
  }
  QSettings profile(home.profileFile(), QSettings::IniFormat);
  QCOMPARE(profile.value("cmndll/mode").toString(), QString("1004"));
}

void RegistrarTest::groupsOpenInTheWorkbench() {
  SetupTestHome home;
  QVERIFY(install(home, Choices{}).found);
  const QString group = home.home() + "/work/demo.vgp";
  SetupTestHome::writeFile(group, "# Veldra Group\n");
  QCOMPARE(runTool("xdg-mime", {"query", "filetype", group}), QString(kGroupMimeType));
  QCOMPARE(runTool("xdg-mime", {"query", "default", kGroupMimeType}), QString("veldrac.desktop"));
}

void RegistrarTest::secondRunWithoutAssociationRemovesIt() {
  SetupTestHome home;
  const QStringList before = home.listHome();
  QVERIFY(install(home, Choices{}).found);
  Choices second;
  second.associate = false;
  const Run run = install(home, second);
  QCOMPARE(run.messages, QList<int>());
  // The MIME package and every cache built for it are gone.
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/mime"));
  const QString entry = readText(home.dataHome() + "/applications/veldrac.desktop");
  QVERIFY(entry.contains("Exec="));
  QVERIFY(!entry.contains("MimeType"));
  QCOMPARE(runTool("xdg-mime", {"query", "default", kGroupMimeType}), QString());
  QVERIFY(before.size() < home.listHome().size());
}

void RegistrarTest::entryWithoutAssociationOrMenuGoes() {
  SetupTestHome home;
  QVERIFY(install(home, Choices{}).found);
  const Run run = install(home, Choices{false, true, false, false});
  QCOMPARE(run.messages, QList<int>());
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/applications"));
  QVERIFY(QFileInfo::exists(home.desktop() + "/VeldraC.desktop"));
}

void RegistrarTest::foreignFilesAreNeverReplaced() {
  SetupTestHome home;
  const QByteArray foreign = "[Desktop Entry]\nType=Application\nName=Mine\nExec=mine\n";
  const QString entry = home.dataHome() + "/applications/veldrac.desktop";
  const QString launcher = home.desktop() + "/VeldraC.desktop";
  QVERIFY(SetupTestHome::writeFile(entry, foreign));
  QVERIFY(SetupTestHome::writeFile(launcher, foreign));
  const Run run = install(home, Choices{});
  QCOMPARE(run.messages, QList<int>({kAssociationFailed, kDesktopFailed, kMenuFailed}));
  QCOMPARE(readText(entry).toUtf8(), foreign);
  QCOMPARE(readText(launcher).toUtf8(), foreign);

  const Run off = install(home, Choices{false, false, false, false});
  QCOMPARE(off.messages, QList<int>({kAssociationFailed, kDesktopFailed, kMenuFailed}));
  QCOMPARE(readText(entry).toUtf8(), foreign);
  QCOMPARE(readText(launcher).toUtf8(), foreign);
}

void RegistrarTest::missingWorkbenchRegistersNothing() {
  SetupTestHome home;
  QVERIFY(QFile::remove(home.installDir() + "/VeldraC"));
  const QStringList before = home.listHome();
  QList<QString> arguments;
  DesktopPlaces places{home.home(), home.dataHome(), home.desktop()};
  const bool found = performInstall(
      InstallPaths{home.installDir()}, places, Choices{}, kNewControlsMode,
      [&](int id, const QString& argument) { arguments << messageText(id, argument); });
  QVERIFY(!found);
  QCOMPARE(arguments, QList<QString>({"VeldraC.EXEが見つかりません。" + home.installDir() +
                                      " に存在する必要かあります。"}));
  QCOMPARE(home.listHome(), before);
}

void RegistrarTest::missingDesktopFolderFailsOnlyThatStep() {
  SetupTestHome home;
  QVERIFY(QDir(home.desktop()).removeRecursively());
  const Run run = install(home, Choices{});
  QCOMPARE(run.messages, QList<int>({kDesktopFailed}));
  QVERIFY(!QFileInfo::exists(home.desktop()));
  QVERIFY(QFileInfo::exists(home.dataHome() + "/applications/veldrac.desktop"));
}

void RegistrarTest::execArgumentsAreQuoted() {
  QCOMPARE(execArgument("/opt/veldra/VeldraC"), QString("/opt/veldra/VeldraC"));
  QCOMPARE(execArgument("/home/a b/VeldraC"), QString("\"/home/a b/VeldraC\""));
  // Inside quotes "$" is escaped with a backslash, which the string value escapes again.
  QCOMPARE(execArgument("/x/$HOME/V"), QString("\"/x/\\\\$HOME/V\""));
  QCOMPARE(execArgument("/x/100%/V"), QString("/x/100%%/V"));
}

QTEST_GUILESS_MAIN(RegistrarTest)
#include "registrar_test.moc"
