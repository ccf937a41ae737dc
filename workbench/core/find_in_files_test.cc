// Find in files: result lines the tag jump understands, word and case matching on
// UTF-8 and Shift-JIS text, names only, binary files skipped, the profile form.
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "core/find_in_files.h"
#include "core/history_list.h"
#include "core/tag_jump.h"
#include "core/text_codec.h"

using namespace veldra;

namespace {

QStringList find(const QByteArray& bytes, FindOptions o) {
  QStringList out;
  findInText(QStringLiteral("f.c"), bytes, o, &out);
  return out;
}

FindOptions text(const QString& t, bool word = false, bool caseSensitive = false) {
  FindOptions o;
  o.text = t;
  o.word = word;
  o.caseSensitive = caseSensitive;
  return o;
}

}  // namespace

class FindInFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void resultLinesNameFileAndLine() {
    const QStringList out =
        find("int x;\r\nint count = 0;\r\n\r\ncount++; count--;\nend", text("count"));
    QCOMPARE(out, (QStringList{QStringLiteral("f.c(2): int count = 0;"),
                               QStringLiteral("f.c(4): count++; count--;")}));
    const auto target = parseTagLine(out[1]);
    QVERIFY(target.has_value());
    QCOMPARE(target->file, QStringLiteral("f.c"));
    QCOMPARE(target->line, 4);
    QCOMPARE(find("abc", text("abc")), QStringList{QStringLiteral("f.c(1): abc")});
  }

  void caseAndWordRules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("word");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<int>("hits");
    QTest::newRow("case ignored") << QByteArray("Count\nCOUNT\n") << "count" << false << false << 2;
    QTest::newRow("case kept") << QByteArray("Count\ncount\n") << "count" << false << true << 1;
    QTest::newRow("word inside a name")
        << QByteArray("counter\ncount_x\n") << "count" << true << false << 0;
    QTest::newRow("word set off") << QByteArray("x=count;\n(count)\n") << "count" << true << false
                                  << 2;
    QTest::newRow("second occurrence is a word")
        << QByteArray("recount count\n") << "count" << true << false << 1;
    QTest::newRow("utf8 japanese")
        << QByteArray("// 関数の一覧\n// 関数\n") << "関数" << false << true << 2;
    QTest::newRow("utf8 japanese word")
        << QByteArray("// 関数の一覧\n// 関数\n") << "関数" << true << true << 1;
    QTest::newRow("wide letters ignore case")
        << QByteArray("ＡＢＣ\n") << "ａｂｃ" << false << false << 1;
  }
  void caseAndWordRules() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, needle);
    QFETCH(bool, word);
    QFETCH(bool, caseSensitive);
    QFETCH(int, hits);
    QStringList out;
    QCOMPARE(findInText(QStringLiteral("f"), bytes, text(needle, word, caseSensitive), &out), hits);
    QCOMPARE(out.size(), hits);
  }

  // Shift-JIS text is decoded before matching: "表" (0x95 0x5C) holds a byte that
  // looks like a backslash, "ソ" (0x83 0x5C) too; neither fools the search.
  void shiftJisFilesAreSearchedAsText() {
    const QByteArray sjis = encodeShiftJis(u"/* 表示 */\nint ソース;\n\\\n");
    QCOMPARE(find(sjis, text(QStringLiteral("表示"))),
             QStringList{QStringLiteral("f.c(1): /* 表示 */")});
    QCOMPARE(find(sjis, text(QStringLiteral("ソース"), false, true)),
             QStringList{QStringLiteral("f.c(2): int ソース;")});
    QCOMPARE(find(sjis, text(QStringLiteral("\\"))), QStringList{QStringLiteral("f.c(3): \\")});
  }

  void namesOnlyListsEachFileOnce() {
    FindOptions o = text(QStringLiteral("a"));
    o.namesOnly = true;
    QCOMPARE(find("a\na\na\n", o), QStringList{QStringLiteral("f.c")});
    QVERIFY(find("b\n", o).isEmpty());
  }

  void searchOverFilesSkipsBinaryAndMissingOnes() {
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
      QFile f(dir.filePath(QLatin1String(name)));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    };
    write("a.c", "key\n");
    write("b.o", QByteArray("key\0\x01\x02", 6) + "key\n");
    write("c.c", "none\nkey here\n");
    FindOptions o = text(QStringLiteral("key"));
    o.fullPath = false;
    FileSearch search({"a.c", "b.o", "gone.c", "c.c"}, o, dir.path());
    QStringList lines;
    int steps = 0;
    while (search.step()) {
      ++steps;
      lines += search.takeLines();
    }
    QCOMPARE(steps, 4);
    QCOMPARE(lines,
             (QStringList{QStringLiteral("a.c(1): key"), QStringLiteral("c.c(2): key here")}));
    QCOMPARE(search.hits(), 2);
    QCOMPARE(search.skippedBinary(), 1);
    o.fullPath = true;
    FileSearch full({"a.c"}, o, dir.path());
    full.step();
    QCOMPARE(full.takeLines(), QStringList{dir.filePath(QStringLiteral("a.c")) + "(1): key"});
  }

  void optionsAndHistoryKeepTheirProfileForm() {
    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("p.ini")), QSettings::IniFormat);
    QCOMPARE(FindOptions::load(s), FindOptions{});
    QVERIFY(FindOptions::load(s).fullPath);
    FindOptions o = text(QStringLiteral("needle"), true, true);
    o.namesOnly = true;
    o.fullPath = false;
    o.save(s);
    QCOMPARE(s.value(QStringLiteral("FSearch/Flags")).toString(), QStringLiteral("1,1,1,0"));
    QCOMPARE(s.value(QStringLiteral("FSearch/Key")).toString(), QStringLiteral("needle"));
    QCOMPARE(FindOptions::load(s), o);

    HistoryList history(QStringLiteral("FSearchHist"));
    for (int i = 0; i < 12; ++i) history.add(QString::number(i));
    history.add(QStringLiteral("5"));
    history.save(s);
    HistoryList back(QStringLiteral("FSearchHist"));
    back.load(s);
    QCOMPARE(back.texts().size(), 10);
    QCOMPARE(back.texts().first(), QStringLiteral("5"));
    QCOMPARE(back.texts().count(QStringLiteral("5")), 1);
    QCOMPARE(back.texts().last(), QStringLiteral("2"));
  }
};

QTEST_GUILESS_MAIN(FindInFilesTest)
#include "find_in_files_test.moc"
