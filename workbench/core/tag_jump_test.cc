#include "core/tag_jump.h"

#include <QtTest>

using namespace veldra;

class TagJumpTest : public QObject {
  Q_OBJECT

 private slots:
  void parsesTheLineShapes_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("number");  // 0: no target
    QTest::addColumn<bool>("include");
    QTest::newRow("find hit") << "main.c(120): int x;"
                              << "main.c" << 120 << false;
    QTest::newRow("colon") << "  src/a.c: 7 text"
                           << "src/a.c" << 7 << false;
    QTest::newRow("drive") << "C:\\src\\a.c(3)"
                           << "C:\\src\\a.c" << 3 << false;
    QTest::newRow("blank before paren") << "a b.c  ( 9)"
                                        << "a b.c" << 9 << false;
    QTest::newRow("quoted") << "\"dir/my file.c\"(12): x"
                            << "dir/my file.c" << 12 << false;
    QTest::newRow("quoted japanese") << "\"関数.c\"(5)"
                                     << "関数.c" << 5 << false;
    QTest::newRow("engine message") << "run.mora(4) : FIEU003 : Missing ,"
                                    << "run.mora" << 4 << false;
    QTest::newRow("tree position") << "   |-a          [tree_example.c] (12)"
                                   << "tree_example.c" << 12 << false;
    QTest::newRow("include quoted") << "  #  include \"calc.h\""
                                    << "calc.h" << 1 << true;
    QTest::newRow("include angle") << "#include <stdio.h>"
                                   << "stdio.h" << 1 << true;
    QTest::newRow("no number") << "main.c: text"
                               << "" << 0 << false;
    QTest::newRow("star") << "*.c(1)"
                          << "" << 0 << false;
    QTest::newRow("angle") << "a<b(1)"
                           << "" << 0 << false;
    QTest::newRow("plain") << "just words"
                           << "" << 0 << false;
    QTest::newRow("empty") << ""
                           << "" << 0 << false;
    QTest::newRow("unclosed quote") << "\"abc(1)"
                                    << "" << 0 << false;
    QTest::newRow("empty include") << "#include <>"
                                   << "" << 0 << false;
  }
  void parsesTheLineShapes() {
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(int, number);
    QFETCH(bool, include);
    std::optional<TagTarget> t = parseTagLine(line);
    if (number == 0) {
      QVERIFY2(!t, qPrintable(t ? t->file : QString()));
      return;
    }
    QVERIFY(t);
    QCOMPARE(*t, (TagTarget{file, number, include}));
  }

  void onlyTheFirst2047CharactersCount() {
    QString line = QString(2040, u'a') + QStringLiteral("(12)");
    QVERIFY(parseTagLine(line));
    line = QString(2050, u'a') + QStringLiteral("(12)");
    QVERIFY(!parseTagLine(line));
  }

  void quotedNamesAreLimited() {
    QVERIFY(parseTagLine(u'"' + QString(520, u'a') + QStringLiteral("\"(1)")));
    QVERIFY(!parseTagLine(u'"' + QString(521, u'a') + QStringLiteral("\"(1)")));
  }

  void bareNamesAreLookedUpInTheGroup() {
    QVERIFY(isBareFileName(QStringLiteral("a.c")));
    QVERIFY(!isBareFileName(QStringLiteral("src/a.c")));
    QVERIFY(!isBareFileName(QStringLiteral("C:a.c")));
    const QStringList group{QStringLiteral("/x/a.c"), QStringLiteral("/y/b.c"),
                            QStringLiteral("/z/a.c"), QStringLiteral("a.c")};
    QCOMPARE(matchingGroupRows(group, QStringLiteral("a.c")), (QList<int>{0, 2, 3}));
    QCOMPARE(matchingGroupRows(group, QStringLiteral("c.c")), QList<int>{});
  }
};

QTEST_APPLESS_MAIN(TagJumpTest)
#include "tag_jump_test.moc"
