#include "core/build_options.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class BuildOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void commandLinesJoinOnlyWhatIsSet() {
    BuildOptions o;
    QCOMPARE(buildCommandLine(o), QString());
    QCOMPARE(runCommandLine(o), QString());
    o.makeUtility = QStringLiteral("make");
    QCOMPARE(buildCommandLine(o), QStringLiteral("make"));
    o.makeFile = QStringLiteral("calc.mk");
    QCOMPARE(buildCommandLine(o), QStringLiteral("make calc.mk"));
    o.makeOptions = QStringLiteral("-k");
    QCOMPARE(buildCommandLine(o), QStringLiteral("make -k calc.mk"));
    o.runCommand = QStringLiteral("./calc");
    QCOMPARE(runCommandLine(o), QStringLiteral("./calc"));
    o.runOptions = QStringLiteral("1+2");
    QCOMPARE(runCommandLine(o), QStringLiteral("./calc 1+2"));
  }

  void environmentDefaultsAndRoundTrip() {
    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("b.conf")), QSettings::IniFormat);
    BuildEnvironment e = BuildEnvironment::load(s);
    QVERIFY(e.showInformation && !e.skipSaveAll);
    e = {false, true};
    e.save(s);
    QCOMPARE(s.value(QStringLiteral("BdOptSc/Flags")).toString(), QStringLiteral("0,1"));
    QCOMPARE(BuildEnvironment::load(s), e);
  }
};

QTEST_GUILESS_MAIN(BuildOptionsTest)
#include "build_options_test.moc"
