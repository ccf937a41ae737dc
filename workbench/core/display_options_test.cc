#include "core/display_options.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class DisplayOptionsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  int n_ = 0;
  QString iniWith(const QByteArray& text) {
    const QString path = dir_.filePath(QStringLiteral("d%1.conf").arg(++n_));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return path;
  }

 private slots:
  void freshProfileGivesDefaults() {
    QSettings s(iniWith(""), QSettings::IniFormat);
    DisplayOptions o = DisplayOptions::load(s);
    QCOMPARE(o.editText, kBlack);
    QCOMPARE(o.editBackground, kWhite);
    QCOMPARE(o.underlineColor, 0xFF0000u);  // blue: red in the low byte
    QCOMPARE(o.tabSize, 4);
    QCOMPARE(o.editFont.faceName, QStringLiteral("ＭＳ ゴシック"));
    QCOMPARE(o.editFont.height, -16);
    QCOMPARE(o.editFontPoint, 240);
    QVERIFY(o.autoIndent && o.cursorAcceleration && o.underline && o.maximiseChildren);
    QVERIFY(o.reopenGroup && o.frontWhenShown && o.fullPath && !o.alwaysOnTop);
    QCOMPARE(o.groupFontSize, 100);
    QCOMPARE(o.commonControlsMode, 1005);
    QCOMPARE(o.lastPage, -1);
    QVERIFY(o == DisplayOptions());
  }

  void recordRoundTrips() {
    DisplayOptions o;
    o.editText = 0x123456;
    o.tabSize = 8;
    o.maximiseChildren = false;
    o.editFont.faceName = QStringLiteral("Noto Sans Mono CJK JP");
    o.editFont.height = -20;
    o.groupFontSize = 120;
    o.alwaysOnTop = true;
    o.searchCursor = 1;
    o.flatToolbars = true;
    o.lastPage = 2;
    o.lastGroupEntry = 3;
    const QString path = iniWith("");
    {
      QSettings s(path, QSettings::IniFormat);
      o.save(s);
    }
    QSettings s(path, QSettings::IniFormat);
    QCOMPARE(DisplayOptions::load(s), o);
    QCOMPARE(s.value(QStringLiteral("GroupOpt/GroupFlags")).toString(),
             QStringLiteral("1,1,1,120,1,1"));
    QCOMPARE(s.value(QStringLiteral("EditOpt/EditFlags")).toString(), QStringLiteral("1,1,1,0"));
  }

  void olderAndOddValues() {
    QSettings s(iniWith("[EditOpt]\nEditFlags=\"0,0,0\"\nTabs=99\n"
                        "[cmndll]\nmode=1002\n"
                        "[EditFont]\nHeight=0\nFaceName=ignored\n"
                        "[GroupFont]\nFPoint=300\n"),
                QSettings::IniFormat);
    DisplayOptions o = DisplayOptions::load(s);
    QVERIFY(!o.autoIndent && !o.underline);
    QVERIFY(o.maximiseChildren);  // three values from an older version leave the fourth
    QCOMPARE(o.tabSize, 24);
    QCOMPARE(o.commonControlsMode, 1005);
    QCOMPARE(o.editFont.faceName, QStringLiteral("ＭＳ ゴシック"));  // height 0: nothing stored
    QCOMPARE(o.groupFontSize, 100);  // the group flags' default overwrites FPoint
    QSettings t(iniWith("[cmndll]\nmode=abc\n"), QSettings::IniFormat);
    QCOMPARE(DisplayOptions::load(t).commonControlsMode, 1005);
    QSettings u(iniWith("[cmndll]\nmode=1004\n"), QSettings::IniFormat);
    QCOMPARE(DisplayOptions::load(u).commonControlsMode, 1004);
  }

  void windowPlacementNeedsTenNumbers() {
    QSettings s(iniWith("[MainFrame]\nWindowPos=\"0,1,2,3,4,5,6,7,8\"\n"
                        "[TLaunchWP]\nWindowPos=2,1,-1,-1,-1,-1,10,20,300,400\n"),
                QSettings::IniFormat);
    QVERIFY(!WindowPlacement::load(s, QStringLiteral("MainFrame")));
    auto p = WindowPlacement::load(s, QStringLiteral("TLaunchWP"));
    QVERIFY(p);
    QCOMPARE(p->values[0], 2);
    QCOMPARE(p->values[9], 400);
    p->save(s, QStringLiteral("MainFrame"));
    QCOMPARE(WindowPlacement::load(s, QStringLiteral("MainFrame"))->values, p->values);
  }

  void customColorsAreSixteenOrNone() {
    QSettings s(iniWith("[CustomColor]\nColor=\"1,2,3\"\n"), QSettings::IniFormat);
    CustomColors none = CustomColors::load(s);
    for (quint32 c : none.colors) QCOMPARE(c, 0u);
    CustomColors c;
    c.colors[15] = 0xABCDEF;
    c.save(s);
    QCOMPARE(CustomColors::load(s).colors, c.colors);
  }

  void garbageProfileGivesDefaults() {
    QByteArray junk =
        "[EditOpt]\nColors=\x01\x02\nTabs=\xff\n[GroupOpt]\nGroupFlags=a,b\n"
        "[OptSec]\nFlags=1\n[EditFont]\nHeight=x\n";
    QSettings s(iniWith(junk), QSettings::IniFormat);
    QCOMPARE(DisplayOptions::load(s), DisplayOptions());
  }
};

QTEST_GUILESS_MAIN(DisplayOptionsTest)
#include "display_options_test.moc"
