// The macro definition list: file in, extraction candidates, refusals, file out;
// the function list dialog's file round trip.
#include <QTemporaryDir>
#include <QtTest>

#include "app/function_list_dialog.h"
#include "app/macro_list_dialog.h"

using namespace veldra;

class MacroListDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void extractionAddsNewNamesAndRefusesKnownOnes() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("calc.mls"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#Macro Defined List V100-00\nDEBUG,1\nUNIX,\n");
    f.close();

    QByteArray engineOutput = "WIN32\r\nDEBUG\nLEVEL = [3]\n\n";
    MacroListDialog dialog(file, [&](QByteArray* out) {
      *out = engineOutput;
      return true;
    });
    QCOMPARE(dialog.entries(), (QStringList{"DEBUG = [1]", "UNIX"}));
    QStringList offered;
    const QString refused = dialog.extract([&](const QStringList& candidates) {
      offered = candidates;
      return candidates;  // "全て選択" then "追加"
    });
    QCOMPARE(refused, QStringLiteral("DEBUGは、既に定義されているため、一覧に追加できません"));
    QCOMPARE(offered, (QStringList{"WIN32", "DEBUG", "LEVEL = [3]"}));
    QCOMPARE(dialog.entries(), (QStringList{"DEBUG = [1]", "UNIX", "WIN32", "LEVEL = [3]"}));

    QCOMPARE(dialog.addCandidates({QStringLiteral("UNIX = [2]")}),
             QStringLiteral("UNIX = [2]は、既に定義されているため、一覧に追加できません"));
    QCOMPARE(dialog.addCandidates({QStringLiteral("UNIX"), QStringLiteral("WIN32")}),
             QStringLiteral("一覧に追加できない定義がありました。"));

    QCOMPARE(dialog.closeAndWrite(), QString());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(
        f.readAll(),
        QByteArray("#Macro Defined List V100-00\r\nDEBUG,1\r\nUNIX,\r\nWIN32,\r\nLEVEL,3\r\n"));
  }

  void aFailedExtractionChangesNothing() {
    MacroListDialog dialog(QString(), [](QByteArray*) { return false; });
    bool asked = false;
    dialog.extract([&](const QStringList& c) {
      asked = true;
      return c;
    });
    QVERIFY(!asked);
    QVERIFY(dialog.entries().isEmpty());
  }

  void functionListKeepsItsNamesOnAForeignFile() {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("ok.fls"));
    FunctionListDialog dialog{QString()};
    dialog.addName(QStringLiteral("main"));
    dialog.addName(QStringLiteral("  "));
    dialog.addName(QStringLiteral("usage"));
    QCOMPARE(dialog.save(good), QString());
    const QString foreign = dir.filePath(QStringLiteral("bad.fls"));
    QFile f(foreign);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a list\nx\n");
    f.close();
    QCOMPARE(dialog.load(foreign), QStringLiteral("ﾌｧｲﾙ(%1)のﾌｧｲﾙﾌｫｰﾏｯﾄが不正です｡").arg(foreign));
    QCOMPARE(dialog.names(), (QStringList{"main", "usage"}));
    FunctionListDialog reread(good);
    QCOMPARE(reread.names(), (QStringList{"main", "usage"}));
  }
};

QTEST_MAIN(MacroListDialogTest)
#include "macro_list_dialog_test.moc"
