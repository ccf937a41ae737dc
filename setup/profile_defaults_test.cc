#include <QFile>
#include <QTest>

#include "profile_defaults.h"
#include "setup_test_home.h"

using namespace setup;

namespace {

void makeProgram(const QString& path) {
  QVERIFY(SetupTestHome::writeFile(path, "#!/bin/sh\n"));
  QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
}

}  // namespace

class ProfileDefaultsTest : public QObject {
  Q_OBJECT
 private slots:
  void modeDefaultsAndRange_data();
  void modeDefaultsAndRange();
  void toolsOfferedOnlyWhenPresent();
  void existingToolsAreNeverOverwritten();
  void helpFromTheDataDirectories();
};

void ProfileDefaultsTest::modeDefaultsAndRange_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("mode");
  QTest::newRow("missing") << QString() << 1004;
  QTest::newRow("old") << "1003" << 1003;
  QTest::newRow("new") << "1004" << 1004;
  QTest::newRow("workbench default") << "1005" << 1004;
  QTest::newRow("below") << "1002" << 1004;
  QTest::newRow("not a number") << "abc" << 1004;
}

void ProfileDefaultsTest::modeDefaultsAndRange() {
  QFETCH(QString, stored);
  QFETCH(int, mode);
  SetupTestHome home;
  QSettings profile(home.profileFile(), QSettings::IniFormat);
  if (!stored.isNull()) profile.setValue("cmndll/mode", stored);
  QCOMPARE(commonControlsMode(profile), mode);
  writeCommonControlsMode(profile, mode);
  QCOMPARE(profile.value("cmndll/mode").toString(), QString::number(mode));
}

void ProfileDefaultsTest::toolsOfferedOnlyWhenPresent() {
  SetupTestHome home;
  const QString bin = home.root() + "/bin";
  makeProgram(bin + "/mousepad");
  makeProgram(bin + "/xcalc");
  makeProgram(bin + "/kcalc");  // earlier in the list than xcalc: it wins
  qputenv("PATH", bin.toLocal8Bit());
  QSettings profile(home.profileFile(), QSettings::IniFormat);
  writeDefaultTools(profile);
  QCOMPARE(profile.value("RegistTool/item1").toString(),
           QString("ﾒﾓ帳#$1_#" + bin + "/mousepad#$2_#"));
  QCOMPARE(profile.value("RegistTool/item2").toString(),
           QString("電卓#$1_#" + bin + "/kcalc#$2_#"));
  QVERIFY(!profile.contains("RegistTool/item3"));
}

void ProfileDefaultsTest::existingToolsAreNeverOverwritten() {
  SetupTestHome home;
  const QString bin = home.root() + "/bin";
  makeProgram(bin + "/gedit");
  makeProgram(bin + "/nautilus");
  qputenv("PATH", bin.toLocal8Bit());
  QSettings profile(home.profileFile(), QSettings::IniFormat);
  profile.setValue("RegistTool/item1", "mine#$1_#/usr/bin/vi#$2_#-R");
  profile.setValue("RegistHelp/item1", "my help#$1_#/doc/a.html");
  writeDefaultTools(profile);
  writeDefaultHelp(profile);
  QCOMPARE(profile.value("RegistTool/item1").toString(), QString("mine#$1_#/usr/bin/vi#$2_#-R"));
  QVERIFY(!profile.contains("RegistTool/item2"));
  QCOMPARE(profile.value("RegistHelp/item1").toString(), QString("my help#$1_#/doc/a.html"));
}

void ProfileDefaultsTest::helpFromTheDataDirectories() {
  SetupTestHome home;
  QSettings profile(home.profileFile(), QSettings::IniFormat);
  writeDefaultHelp(profile);
  QVERIFY(!profile.contains("RegistHelp/item1"));
  const QString page = home.root() + "/share/help/C/gnome-help/index.page";
  QVERIFY(SetupTestHome::writeFile(page, "<page/>"));
  writeDefaultHelp(profile);
  QCOMPARE(profile.value("RegistHelp/item1").toString(), QString("Windowsのﾍﾙﾌﾟ#$1_#" + page));
}

QTEST_GUILESS_MAIN(ProfileDefaultsTest)
#include "profile_defaults_test.moc"
