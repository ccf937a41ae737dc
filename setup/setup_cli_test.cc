#include <unistd.h>

#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTest>

#include "setup_messages.h"
#include "setup_options.h"
#include "setup_test_home.h"
#include "workbench_probe.h"

using namespace setup;

namespace {

struct Result {
  int code;
  QString out;
  QString err;
};

// Runs a copy of VDSetup placed in the test's installation directory.
Result runSetup(const SetupTestHome& home, const QStringList& arguments) {
  const QString program = home.installDir() + "/VDSetup";
  if (!QFileInfo::exists(program)) QFile::copy(VDSETUP_PROGRAM, program);
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(120000);
  return Result{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class SetupCliTest : public QObject {
  Q_OBJECT
 private slots:
  void optionsSelectModeAndChoices();
  void unattendedInstallAndUninstall();
  void choicesFromTheCommandLine();
  void runningWorkbenchStopsBoth();
  void missingWorkbenchEndsWithThree();
  void unknownOptionIsRefused();
};

void SetupCliTest::optionsSelectModeAndChoices() {
  QVERIFY(parseSetupOptions({"/r"}).uninstall);
  QVERIFY(parseSetupOptions({"--unattended", "/R"}).uninstall);
  QVERIFY(!parseSetupOptions({"/x"}).uninstall);
  QVERIFY(!parseSetupOptions({"/r/x"}).uninstall);  // only the last "/" counts
  QVERIFY(!parseSetupOptions({}).uninstall);
  const SetupOptions options =
      parseSetupOptions({"--unattended", "--no-association", "--no-menu", "--send-to"});
  QVERIFY(options.unattended);
  QVERIFY(!options.choices.associate);
  QVERIFY(options.choices.desktopShortcut);
  QVERIFY(!options.choices.startMenu);
  QVERIFY(options.choices.sendTo);
  QCOMPARE(parseSetupOptions({"--no-desktop", "--sendto"}).error, QString("--sendto"));
}

void SetupCliTest::unattendedInstallAndUninstall() {
  SetupTestHome home;
  const QStringList before = home.listHome();
  const Result setup = runSetup(home, {"--unattended"});
  QCOMPARE(setup.err, QString());
  QCOMPARE(setup.code, 0);
  QVERIFY(QFileInfo(home.dataHome() + "/applications/veldrac.desktop").isFile());
  QVERIFY(QFileInfo(home.desktop() + "/VeldraC.desktop").isFile());
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/applications/veldrac-open-with.desktop"));

  const Result removal = runSetup(home, {"/r", "--unattended"});
  QCOMPARE(removal.err, QString());
  QCOMPARE(removal.code, 0);
  QCOMPARE(home.listHome(), before);
  QVERIFY(!QFileInfo::exists(home.installDir()));
}

void SetupCliTest::choicesFromTheCommandLine() {
  SetupTestHome home;
  const Result setup =
      runSetup(home, {"--unattended", "--no-association", "--no-desktop", "--send-to"});
  QCOMPARE(setup.code, 0);
  QVERIFY(!QFileInfo::exists(home.dataHome() + "/mime"));
  QVERIFY(!QFileInfo::exists(home.desktop() + "/VeldraC.desktop"));
  QVERIFY(QFileInfo(home.dataHome() + "/applications/veldrac-open-with.desktop").isFile());
  QVERIFY(QFileInfo(home.dataHome() + "/applications/veldrac.desktop").isFile());
}

void SetupCliTest::runningWorkbenchStopsBoth() {
  SetupTestHome home;
  QLocalServer workbench;
  QVERIFY(workbench.listen(workbenchChannelName()));
  const QStringList before = home.listHome();
  const Result setup = runSetup(home, {"--unattended"});
  QCOMPARE(setup.code, 1);
  QCOMPARE(setup.err, messageText(kRunningInstall) + "\n");
  QCOMPARE(setup.err, QString("Veldra/Cが起動中です。終了させてからｲﾝｽﾄｰﾙを続行してください。\n"));
  QCOMPARE(home.listHome(), before);
  const Result removal = runSetup(home, {"/r", "--unattended"});
  QCOMPARE(removal.code, 1);
  QCOMPARE(removal.err,
           QString("Veldra/Cが起動中です。終了させてから再度ｱﾝｲﾝｽﾄｰﾙを行ってください。\n"));
  QVERIFY(QFileInfo(home.installDir() + "/VeldraC").isFile());
}

void SetupCliTest::missingWorkbenchEndsWithThree() {
  SetupTestHome home;
  QVERIFY(QFile::remove(home.installDir() + "/VeldraC"));
  const Result setup = runSetup(home, {"--unattended"});
  QCOMPARE(setup.code, 3);
  QCOMPARE(setup.err, "VeldraC.EXEが見つかりません。" +
                          QFileInfo(home.installDir()).canonicalFilePath() +
                          " に存在する必要かあります。\n");
}

void SetupCliTest::unknownOptionIsRefused() {
  SetupTestHome home;
  const Result result = runSetup(home, {"--unattended", "--no-desktp"});
  QCOMPARE(result.code, 1);
  QVERIFY(result.err.startsWith("VDSetup: unknown option --no-desktp\nUsage: VDSetup"));
  QVERIFY(!QFileInfo::exists(home.dataHome()));
}

QTEST_GUILESS_MAIN(SetupCliTest)
#include "setup_cli_test.moc"
