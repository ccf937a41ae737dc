#include "core/group_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "core/text_codec.h"

using namespace veldra;

class GroupFileTest : public QObject {
  Q_OBJECT

 private:
  static GroupFileData parse(const QByteArray& bytes, bool expectHeader = true) {
    bool ok = false;
    GroupFileData d = parseGroupFile(bytes, &ok);
    if (ok != expectHeader) qWarning("header check gave %d", ok);
    return d;
  }

 private slots:
  void writesHeaderSettingsAndFilesWithCrLf() {
    GroupFileData d;
    d.files = {"main.c", "sub/x.c"};
    d.build.makeUtility = QStringLiteral("make");
    d.build.makeOptions = QStringLiteral("-k");
    d.build.runFlags = {1, 0, 1};
    QCOMPARE(formatGroupFile(d), QByteArray("# Veldra Group V01-02-A\r\n"
                                            "#Makefile=\r\n#MakeUtil=make\r\n#MakeOpt=-k\r\n"
                                            "#RunCmd=\r\n#RunOpt=\r\n#RunFlags=1,0,1\r\n"
                                            "main.c\r\nsub/x.c\r\n"));
    bool ok = false;
    GroupFileData back = parseGroupFile(formatGroupFile(d), &ok);
    QVERIFY(ok);
    QCOMPARE(back.files, d.files);
    QCOMPARE(back.build, d.build);
  }

  void settingsLinesParseLeniently() {
    GroupFileData d = parse(
        "# Veldra Group V01-02-A\n"
        "#makefile = \"a b.mk\"  \n"
        "#MAKEUTIL=\t\"make\" x\n"
        "#RunOpt=\n"
        "#Unknown=1\n"
        "#bad line\n"
        "\n"
        "a.c\r\n");
    QCOMPARE(d.build.makeFile, QStringLiteral("a b.mk"));
    QCOMPARE(d.build.makeUtility, QStringLiteral("make\" x"));  // text after the mark keeps it
    QCOMPARE(d.files, QList<QByteArray>{"a.c"});
  }

  void emptyRunFlagsAreZero() {
    GroupFileData d = parse("# Veldra Group V01-02-A\n#RunFlags=1,1,1\n#RunFlags=\nx.c\n");
    QCOMPARE(d.build.runFlags, (std::array<qint64, 3>{0, 0, 0}));
  }

  void otherVersionTakesHashLinesAsFiles() {
    GroupFileData d = parse("# Veldra Group V01-01\n#Makefile=m\nb.c\n");
    QCOMPARE(d.files, (QList<QByteArray>{"#Makefile=m", "b.c"}));
    QVERIFY(d.build.makeFile.isEmpty());
  }

  void foreignFirstLineIsRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.vgp"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# Veldra Grou\nmain.c\n");
    f.close();
    GroupReadResult r = readGroupFile(path);
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("ｸﾞﾙｰﾌﾟﾌｧｲﾙ(%1)の内容が不正です。ｸﾞﾙｰﾌﾟﾌｧｲﾙ以外のﾌｧｲﾙが"
                                       "指定された可能性があります。")
                            .arg(path));
    GroupReadResult missing = readGroupFile(dir.filePath(QStringLiteral("none.vgp")));
    QVERIFY(!missing.ok);
    QVERIFY(missing.message.startsWith(QStringLiteral("ファイルの読込みに失敗しました。 : ")));
  }

  void namesThatAreNotShiftJisSurviveLoadAndSave() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("n.vgp"));
    const QByteArray odd("\x81\x7f\xff\xfe.c");           // invalid in Shift-JIS and UTF-8
    const QByteArray sjis("\x8a\xd6\x90\x94.c");          // 関数.c in Shift-JIS
    const QByteArray utf8("\xe9\x96\xa2\xe6\x95\xb0.c");  // 関数.c in UTF-8
    GroupFileData d;
    d.files = {odd, sjis, utf8};
    QCOMPARE(writeGroupFile(path, d), QString());
    GroupReadResult r = readGroupFile(path);
    QVERIFY(r.ok);
    QCOMPARE(r.data.files, d.files);
    QCOMPARE(fileNameFromBytes(sjis), QStringLiteral("関数.c"));
    QCOMPARE(fileNameFromBytes(utf8), QStringLiteral("関数.c"));
  }

  void extensionAndMacroFileNames() {
    QCOMPARE(groupPathWithExtension(QStringLiteral("/src/proj")), QStringLiteral("/src/proj.vgp"));
    QCOMPARE(groupPathWithExtension(QStringLiteral("/src/p.x")), QStringLiteral("/src/p.x"));
    QCOMPARE(groupPathWithExtension(QStringLiteral("/home/u/.cache/proj")),
             QStringLiteral("/home/u/.cache/proj.vgp"));
    // Only the file name's own first dot counts; folder names keep theirs.
    QCOMPARE(macroFileNameFor(QStringLiteral("/src/app.old/proj.vgp")),
             QStringLiteral("/src/app.old/proj.mls"));
    QCOMPARE(macroFileNameFor(QStringLiteral("/home/u/.cache/proj.v1.vgp")),
             QStringLiteral("/home/u/.cache/proj.mls"));
    QCOMPARE(macroFileNameFor(QStringLiteral("/src/proj.vgp")), QStringLiteral("/src/proj.mls"));
  }

  void hostileInputNeverCrashes() {
    // Binary, long lines, lone CRs and NULs: the parser returns, in linear time.
    QRandomGenerator rng(15);
    for (int round = 0; round < 300; ++round) {
      QByteArray bytes(static_cast<qsizetype>(rng.bounded(4000)), '\0');
      for (char& c : bytes) c = static_cast<char>(rng.bounded(256));
      if (round % 2 == 0) bytes.prepend("# Veldra Group V01-02-A\n#RunFlags=");
      bool ok = false;
      GroupFileData d = parseGroupFile(bytes, &ok);
      QCOMPARE(ok, round % 2 == 0);
      for (const QByteArray& f : d.files) QVERIFY(!f.isEmpty() && !f.contains('\n'));
    }
    QByteArray longLines = "# Veldra Group V01-02-A\r\n";
    for (int i = 0; i < 100; ++i) longLines += QByteArray(100000, 'a' + i % 26) + "\r\n";
    bool ok = false;
    GroupFileData d = parseGroupFile(longLines, &ok);
    QCOMPARE(d.files.size(), 100);
    QCOMPARE(d.files.last().size(), 100000);
  }

  void hundredThousandFilesLoadQuickly() {
    QTemporaryDir dir;
    GroupFileData d;
    for (int i = 0; i < 100000; ++i)
      d.files.append("/work/src/module" + QByteArray::number(i) + ".c");
    const QString path = dir.filePath(QStringLiteral("big.vgp"));
    QCOMPARE(writeGroupFile(path, d), QString());
    QElapsedTimer t;
    t.start();
    GroupReadResult r = readGroupFile(path);
    qInfo("loading 100000 files took %lld ms", static_cast<long long>(t.elapsed()));
    QVERIFY(r.ok);
    QCOMPARE(r.data.files.size(), 100000);
  }
};

QTEST_GUILESS_MAIN(GroupFileTest)
#include "group_file_test.moc"
