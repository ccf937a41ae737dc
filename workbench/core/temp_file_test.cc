#include "core/temp_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class TempFileTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  void initTestCase() { qputenv("TMPDIR", QFile::encodeName(dir_.path())); }

  void namesUseThreeCharactersAndFourHexDigits() {
    const QString path = createTempFile(QStringLiteral("VdLst"));
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(dir_.path()).absolutePath());
    QVERIFY(QRegularExpression(QStringLiteral("^VdL[0-9A-F]{4}\\.tmp$"))
                .match(QFileInfo(path).fileName())
                .hasMatch());
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(createTempFile(QStringLiteral("Vd")).section(u'/', -1).size(), 10);
    QVERIFY(removeTempFile(path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!removeTempFile(path));  // not ours any more
  }

  void existingFilesAndLinksAreNeverReused() {
    // Fill every name of one prefix but a handful with files and dangling links:
    // creation must skip them all and never write through a link.
    const QString victim = dir_.filePath(QStringLiteral("victim"));
    for (int i = 0; i < 65536 - 1; ++i) {
      const QString hex = QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper();
      const QString name = dir_.filePath(QStringLiteral("Lnk") + hex + QStringLiteral(".tmp"));
      if (i % 2 == 0) {
        QFile::link(victim, name);
      } else {
        QFile f(name);
        f.open(QIODevice::WriteOnly);
      }
    }
    const QString made = createTempFile(QStringLiteral("Lnk"));
    QVERIFY(made.endsWith(QLatin1String("LnkFFFF.tmp")));
    QVERIFY(createTempFile(QStringLiteral("Lnk")).isEmpty());  // the name space is full
    QVERIFY(!QFile::exists(victim));
    removeTempFile(made);
  }

  void aSetDeletesWhatItOwnsButNotWhatItReleased() {
    QString kept;
    QString owned;
    {
      TempFileSet set;
      owned = set.create(QStringLiteral("VdCmd"));
      kept = set.create(QStringLiteral("Vdr"));
      set.release(kept);
      QVERIFY(QFile::exists(owned));
    }
    QVERIFY(!QFile::exists(owned));
    QVERIFY(QFile::exists(kept));
    QVERIFY(liveTempFiles().contains(kept));
    removeAllTempFiles();
    QVERIFY(!QFile::exists(kept));
    QVERIFY(liveTempFiles().isEmpty());
  }
};

QTEST_GUILESS_MAIN(TempFileTest)
#include "temp_file_test.moc"
