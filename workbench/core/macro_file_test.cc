#include "core/macro_file.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace veldra;

class MacroFileTest : public QObject {
  Q_OBJECT

 private slots:
  void readingSkipsCommentsBlanksAndLeadingCommas() {
    QList<Macro> m = parseMacroFile(
        "#Macro Defined List V100-00\r\n"
        "DEBUG,1\r\n"
        "\r\n"
        "   \t\n"
        " ,orphan\n"
        "#comment,x\n"
        "NDEBUG\n"
        "PAIR,a,b");
    QCOMPARE(m, (QList<Macro>{{"DEBUG", "1"}, {"NDEBUG", ""}, {"PAIR", "a,b"}}));
  }

  void fileRoundTripsWithItsHeader() {
    const QList<Macro> m{{"WIN32", ""}, {"VER", "2"}, {"名前", "値"}};
    const QByteArray bytes = formatMacroFile(m);
    QVERIFY(bytes.startsWith("#Macro Defined List V100-00\r\nWIN32,\r\nVER,2\r\n"));
    QCOMPARE(parseMacroFile(bytes), m);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g.mls"));
    QCOMPARE(writeMacroFile(path, m), QString());
    QString message;
    QCOMPARE(readMacroFile(path, &message), m);
    QVERIFY(message.isEmpty());
    readMacroFile(dir.filePath(QStringLiteral("none.mls")), &message);
    QVERIFY(message.startsWith(QStringLiteral("ファイルの読込みに失敗しました。 : ")));
  }

  void listTextSplitsAtTheFirstSeparator() {
    QCOMPARE(macroListText({"A", "1"}), QStringLiteral("A = [1]"));
    QCOMPARE(macroListText({"A", ""}), QStringLiteral("A"));
    QCOMPARE(macroFromListText(QStringLiteral("A = [x = [y]] z")), (Macro{"A", "x = [y"}));
    QCOMPARE(macroFromListText(QStringLiteral("B")), (Macro{"B", ""}));
  }

  void candidatesWithKnownNamesAreRefused() {
    QStringList list{QStringLiteral("A = [1]"), QStringLiteral("B")};
    QStringList refused = mergeMacroCandidates(
        &list, {QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("C = [2]")});
    QCOMPARE(list, (QStringList{"A = [1]", "B", "C"}));
    QCOMPARE(refusedMacrosMessage(refused), QStringLiteral("一覧に追加できない定義がありました。"));
    QCOMPARE(refusedMacrosMessage({QStringLiteral("A")}),
             QStringLiteral("Aは、既に定義されているため、一覧に追加できません"));
    QCOMPARE(refusedMacrosMessage({}), QString());
  }
};

QTEST_GUILESS_MAIN(MacroFileTest)
#include "macro_file_test.moc"
