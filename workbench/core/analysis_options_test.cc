#include "core/analysis_options.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "core/profile_values.h"

using namespace veldra;

class AnalysisOptionsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  int n_ = 0;

  QString iniPath() { return dir_.filePath(QStringLiteral("p%1.conf").arg(++n_)); }
  QString iniWith(const QByteArray& text) {
    const QString path = iniPath();
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return path;
  }

 private slots:
  void freshProfileGivesDefaults() {
    QSettings s(iniPath(), QSettings::IniFormat);
    AnalysisOptions o = AnalysisOptions::load(s, QStringLiteral("/opt/veldra"));
    QCOMPARE(o.lineDrawing, 0);
    QVERIFY(!o.noBraceCheck && !o.preprocessorCheck && !o.individualSettings);
    for (const TreeSettings& g : o.groups) QCOMPARE(g, (TreeSettings{false, true, false, false}));
    QCOMPARE(o.exclusionListFile, QStringLiteral("/opt/veldra/Default.fls"));
    QCOMPARE(AnalysisOptions().exclusionListFile, QStringLiteral("Default.fls"));
    QCOMPARE(o.countUnit, 0);
    QCOMPARE(o.htmlMask, 63u);
    QCOMPARE(o.allDocumentsMask, 63u);
    QCOMPARE(o.lastPage, -1);
  }

  void everyRecordRoundTrips() {
    QRandomGenerator rng(4);
    for (int round = 0; round < 50; ++round) {
      AnalysisOptions o;
      o.lineDrawing = rng.bounded(2);
      o.noBraceCheck = rng.bounded(2);
      o.preprocessorCheck = rng.bounded(2);
      for (TreeSettings& g : o.groups) {
        g = {rng.bounded(2) == 1, rng.bounded(2) == 1, rng.bounded(2) == 1, rng.bounded(2) == 1};
      }
      o.exclusionListFile = QStringLiteral("/x/関数 %1.fls").arg(round);
      o.individualSettings = rng.bounded(2);
      o.countUnit = rng.bounded(2);
      o.htmlMask = rng.bounded(64u);
      o.allDocumentsMask = rng.bounded(64u);
      o.lastPage = rng.bounded(5) - 1;
      const QString path = iniPath();
      {
        QSettings s(path, QSettings::IniFormat);
        o.save(s);
      }
      QSettings s(path, QSettings::IniFormat);
      AnalysisOptions back = AnalysisOptions::load(s, QString());
      QVERIFY(back.sameValues(o));
      QCOMPARE(back.lastPage, o.lastPage);
    }
  }

  void profileTextsHaveTheirFormats() {
    AnalysisOptions o;
    o.lineDrawing = 1;
    o.groups[kGroupTree].excludeUndefined = true;
    const QString path = iniPath();
    {
      QSettings s(path, QSettings::IniFormat);
      o.save(s);
    }
    QSettings s(path, QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("An Opt/Flags")).toString(),
             QStringLiteral("1,0,1,0,63,63,0,0,0,0,0"));
    QCOMPARE(s.value(QStringLiteral("An Opt/FFlags")).toString(),
             QStringLiteral("0,1,0,0,1,1,0,0,0,1,0,0"));
    QCOMPARE(s.value(QStringLiteral("An Opt/EFlags")).toString(), QStringLiteral("-1"));
  }

  void handEditedListsReadLikeTexts() {
    QSettings s(
        iniWith("[An%20Opt]\nFlags=1, 1,0,0,7,9,0,0,1,0,1\nFFlags=1,1,1,1,0,0,0,0,1,0,1,0\n"),
        QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("An Opt/Flags")).typeId(), QMetaType::QStringList);
    AnalysisOptions o = AnalysisOptions::load(s, QString());
    QCOMPARE(o.lineDrawing, 1);
    QCOMPARE(o.countUnit, 1);
    QCOMPARE(o.htmlMask, 7u);
    QCOMPARE(o.allDocumentsMask, 9u);
    QVERIFY(o.individualSettings && o.preprocessorCheck);
    QCOMPARE(o.groups[kGroupList], (TreeSettings{true, true, true, true}));
    QCOMPARE(o.groups[kGroupCaller], (TreeSettings{true, false, true, false}));
  }

  void malformedValuesGiveDefaults_data() {
    QTest::addColumn<QByteArray>("flags");
    QTest::newRow("too few") << QByteArray("\"1,1,1\"");
    QTest::newRow("too many") << QByteArray("\"1,1,1,1,1,1,1,1,1,1,1,1\"");
    QTest::newRow("word") << QByteArray("\"1,1,x,1,1,1,1,1,1,1,1\"");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("binary") << QByteArray("\x01\xff\xfe");
    QTest::newRow("huge") << QByteArray("99999999999999999999999,1,1,1,1,1,1,1,1,1,1");
  }
  void malformedValuesGiveDefaults() {
    QFETCH(QByteArray, flags);
    QSettings s(iniWith("[An%20Opt]\nFlags=" + flags + "\nEFlags=junk\n"), QSettings::IniFormat);
    AnalysisOptions o = AnalysisOptions::load(s, QString());
    QVERIFY(o.sameValues(AnalysisOptions()));
    QCOMPARE(o.lastPage, -1);
  }

  void unchangedOptionsWriteOnlyThePage() {
    const QString path = iniWith("[An%20Opt]\nFlags=\"0,0,0,0,63,63,0,0,0,0,0\"\nWOFile=keep\n");
    QSettings s(path, QSettings::IniFormat);
    AnalysisOptions loaded = AnalysisOptions::load(s, QString());
    AnalysisOptions current = loaded;
    current.lastPage = 3;
    current.saveIfChanged(s, loaded);
    QVERIFY(!s.contains(QStringLiteral("An Opt/FFlags")));
    QCOMPARE(s.value(QStringLiteral("An Opt/EFlags")).toString(), QStringLiteral("3"));
    current.countUnit = 1;
    current.saveIfChanged(s, loaded);
    QVERIFY(s.contains(QStringLiteral("An Opt/FFlags")));
  }

  void effectiveSettingsFollowIndividualSwitch() {
    AnalysisOptions o;
    o.groups[kGroupTree].excludeUndefined = true;
    QVERIFY(!o.effective(kGroupTree).excludeUndefined);
    o.individualSettings = true;
    QVERIFY(o.effective(kGroupTree).excludeUndefined);
    QVERIFY(!o.effective(7).excludeUndefined);
  }

  void randomProfileValuesNeverBreakTheParser() {
    QRandomGenerator rng(99);
    for (int round = 0; round < 2000; ++round) {
      QString text;
      const int len = rng.bounded(40);
      for (int i = 0; i < len; ++i) text += QChar(u",0123456789- x\t\xff"[rng.bounded(16)]);
      QList<qint64> n =
          parsePackedNumbers(round % 3 == 0 ? QVariant(text.split(u',')) : QVariant(text), 11);
      QVERIFY(n.size() <= 11);
    }
  }
};

QTEST_GUILESS_MAIN(AnalysisOptionsTest)
#include "analysis_options_test.moc"
