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
    // A link to a missing file, a link to an existing one and a plain file take the
    // first three names (wrapping past FFFF): creation skips them and writes through
    // no link.
    const QString victim = dir_.filePath(QStringLiteral("victim"));
    const QString precious = dir_.filePath(QStringLiteral("precious"));
    QFile p(precious);
    QVERIFY(p.open(QIODevice::WriteOnly));
    p.write("keep");
    p.close();
    QVERIFY(QFile::link(victim, dir_.filePath(QStringLiteral("LnkFFFE.tmp"))));
    QVERIFY(QFile::link(precious, dir_.filePath(QStringLiteral("LnkFFFF.tmp"))));
    QFile plain(dir_.filePath(QStringLiteral("Lnk0000.tmp")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString made = createTempFileFrom(QStringLiteral("Lnk"), 0xFFFE);
    QCOMPARE(QFileInfo(made).fileName(), QStringLiteral("Lnk0001.tmp"));
    QVERIFY(!QFile::exists(victim));
    QCOMPARE(QFileInfo(precious).size(), 4);
    QVERIFY(removeTempFile(made));
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
