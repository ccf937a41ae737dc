#include "core/engine_run.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "core/analysis_kind.h"
#include "core/result_reader.h"

using namespace veldra;

class EngineRunTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir fakeDir_;

  // A program folder whose "mora" is a shell script.
  QString fakeEngine(const QString& name, const QByteArray& body) {
    const QString dir = fakeDir_.filePath(name);
    QDir().mkpath(dir);
    QFile f(dir + QStringLiteral("/mora"));
    if (f.open(QIODevice::WriteOnly)) f.write("#!/bin/sh\n" + body);
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return dir;
  }

  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  static AnalysisRequest request(int kind, const QString& programDir) {
    AnalysisRequest r;
    r.kind = kind;
    r.files = {"main.c", "lexer.c", "parser.c", "report.c", "calc.h"};
    r.workingDirectory = QStringLiteral(VELDRA_SOURCE_DIR "/examples/calc");
    r.programDir = programDir;
    return r;
  }

 private slots:
  void commandLineIsTheEngineOptionsAndScript() {
    QCOMPARE(engineCommandLine(QStringLiteral("/opt/v"), QStringLiteral("/tmp/VdC01AB.tmp")),
             QStringLiteral("/opt/v/mora -vd1 -nd -nh -f /tmp/VdC01AB.tmp"));
    QCOMPARE(enginePath(QString()), QStringLiteral("mora"));
  }

  void functionTreeEqualsTheEngineRunByHand() {
    const QString programDir = QStringLiteral(VELDRA_PROGRAM_DIR);
    if (!QFile::exists(enginePath(programDir))) QSKIP("mora is not built");
    AnalysisRun run;
    QSignalSpy finished(&run, &AnalysisRun::finished);
    AnalysisRequest r = request(kKindFunctionTree, programDir);
    QElapsedTimer t;
    t.start();
    QCOMPARE(run.start(r), QString());
    qInfo("preparing and starting the engine took %lld ms", static_cast<long long>(t.elapsed()));
    QCOMPARE(run.commandLine(), engineCommandLine(programDir, run.scriptFile()));
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first().first().toBool(), true);
    const QString result = run.takeResultFile();
    QVERIFY(QFileInfo(result).fileName().startsWith(QLatin1String("Vdr")));
    QVERIFY(!QFile::exists(run.scriptFile()));
    QVERIFY(!QFile::exists(run.listFile()));

    QProcess byHand;
    byHand.setWorkingDirectory(r.workingDirectory);
    byHand.start(enginePath(programDir),
                 {QStringLiteral("-vd1"), QStringLiteral("-nd"), QStringLiteral("-nh"),
                  QStringLiteral("set with file on; ftree * from main.c, lexer.c, parser.c, "
                                 "report.c, calc.h")});
    QVERIFY(byHand.waitForFinished(20000));
    const QByteArray expected = byHand.readAll();
    QVERIFY(expected.contains("[main.c]"));
    QCOMPARE(read(result), expected);
    QVERIFY(removeTempFile(result));
  }

  // A UTF-8 source listed beside a Shift-JIS one: the Japanese function
  // names reach the document whole, even when the user's environment would
  // force one encoding on every source (the comment "/* 合計*/" read as
  // Shift-JIS never closes, and the functions after it are lost).
  void utf8NamesArriveWholeInTheDocument() {
    const QString programDir = QStringLiteral(VELDRA_PROGRAM_DIR);
    if (!QFile::exists(enginePath(programDir))) QSKIP("mora is not built");
    QTemporaryDir sources;
    QVERIFY(QFile::copy(QStringLiteral(VELDRA_SOURCE_DIR "/tests/golden/inputs/jp_utf8.c"),
                        sources.filePath(QStringLiteral("jp.c"))));
    QFile sjis(sources.filePath(QStringLiteral("sj.c")));
    QVERIFY(sjis.open(QIODevice::WriteOnly));
    sjis.write("/* \x8d\x87\x8c\x76*/\nint sjisTotal(void)\n{\n    return 0;\n}\n");
    sjis.close();
    qputenv("MORA_ENCODING", "sjis");
    AnalysisRun run;
    QSignalSpy finished(&run, &AnalysisRun::finished);
    AnalysisRequest r = request(kKindFunctionList, programDir);
    r.files = {"jp.c", "sj.c"};
    r.workingDirectory = sources.path();
    QCOMPARE(run.start(r), QString());
    qunsetenv("MORA_ENCODING");
    QVERIFY(finished.wait(20000));
    const QString result = run.takeResultFile();
    ResultReader reader;
    QVERIFY(reader.open(result, nullptr));
    QString document;
    while (!reader.atEnd()) document += reader.next(1 << 16);
    QVERIFY2(document.contains(QStringLiteral("合計")), qPrintable(document));
    QVERIFY(document.contains(QStringLiteral("計算")));
    QVERIFY(document.contains(QStringLiteral("sjisTotal")));
    QVERIFY(!document.contains(QChar::ReplacementCharacter));
    QVERIFY(reader.isUtf8());
    QVERIFY(removeTempFile(result));
  }

  void cancelKillsAStubbornEngineAndDeletesEveryFile() {
    // The fake ignores SIGTERM, so cancel must escalate to SIGKILL.
    const QString dir = fakeEngine(QStringLiteral("slow"),
                                   "trap '' TERM\necho started\necho $$ > \"$0.pid\"\n"
                                   "while :; do sleep 0.05; done\n");
    AnalysisRun run;
    QSignalSpy finished(&run, &AnalysisRun::finished);
    QCOMPARE(run.start(request(kKindFunctionTree, dir)), QString());
    QTRY_VERIFY(read(dir + QStringLiteral("/mora.pid")).endsWith('\n'));
    const qint64 pid = read(dir + QStringLiteral("/mora.pid")).trimmed().toLongLong();
    QVERIFY(pid > 0);
    const QStringList owned{run.scriptFile(), run.listFile()};
    QElapsedTimer t;
    t.start();
    run.cancel();
    QVERIFY(finished.wait(5000));
    QVERIFY(t.elapsed() < 3000);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(::kill(static_cast<pid_t>(pid), 0), -1);  // the process is gone
    QVERIFY(run.takeResultFile().isEmpty());
    for (const QString& f : owned) QVERIFY2(!QFile::exists(f), qPrintable(f));
    QVERIFY(liveTempFiles().isEmpty());
  }

  void destroyingARunEndsTheEngine() {
    const QString dir =
        fakeEngine(QStringLiteral("forever"), "echo $$ > \"$0.pid\"\nexec sleep 60\n");
    qint64 pid = 0;
    {
      AnalysisRun run;
      QCOMPARE(run.start(request(kKindCount, dir)), QString());
      QTRY_VERIFY(read(dir + QStringLiteral("/mora.pid")).endsWith('\n'));
      pid = read(dir + QStringLiteral("/mora.pid")).trimmed().toLongLong();
    }
    QCOMPARE(::kill(static_cast<pid_t>(pid), 0), -1);
    QVERIFY(liveTempFiles().isEmpty());
  }

  void bothStreamsGoToTheResultAndTheExitCodeIsIgnored() {
    const QString dir =
        fakeEngine(QStringLiteral("noisy"), "echo out; echo err >&2; pwd; exit 7\n");
    AnalysisRun run;
    QSignalSpy finished(&run, &AnalysisRun::finished);
    AnalysisRequest r = request(kKindTags, dir);
    QCOMPARE(run.start(r), QString());
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), true);
    const QString result = run.takeResultFile();
    QCOMPARE(read(result), "out\nerr\n" + QFile::encodeName(r.workingDirectory) + '\n');
    removeTempFile(result);
  }

  void startFailuresGiveTheirMessagesAndLeaveNothing() {
    AnalysisRun run;
    QCOMPARE(run.start(request(kKindFunctionTree, fakeDir_.filePath(QStringLiteral("none")))),
             QStringLiteral("解析ﾓｼﾞｭｰﾙの実行に失敗しました。"));
    AnalysisRequest html = request(kKindHtml, QStringLiteral(VELDRA_PROGRAM_DIR));
    html.options.htmlMask = 64;  // no component bit among the low six
    QCOMPARE(run.start(html), QStringLiteral("出力対象がありません。解析ｵﾌﾟｼｮﾝで設定して下さい。"));
    QCOMPARE(run.start(request(0, QStringLiteral(VELDRA_PROGRAM_DIR))),
             QStringLiteral("解析ﾓｼﾞｭｰﾙの実行に失敗しました。"));
    QVERIFY(!run.isRunning());
    QVERIFY(liveTempFiles().isEmpty());
  }

  void secondStartWhileRunningIsRefused() {
    const QString dir = fakeEngine(QStringLiteral("busy"), "exec sleep 60\n");
    AnalysisRun run;
    QCOMPARE(run.start(request(kKindTags, dir)), QString());
    QCOMPARE(run.start(request(kKindTags, dir)), QStringLiteral("解析の複数実行はできません。"));
    QSignalSpy finished(&run, &AnalysisRun::finished);
    run.cancel();
    QVERIFY(finished.wait(5000));
  }

  void versionComesFromTheFirstLine() {
    QCOMPARE(versionFromOutput("  MORA Version 0.11-30 \nmore"),
             QStringLiteral("MORA Version 0.11-30 "));
    QCOMPARE(versionFromOutput("FIEU001 : no\n"), QString());
    QCOMPARE(versionFromOutput(""), QString());
    QCOMPARE(versionFromOutput(QByteArray(400, 'x')).size(), 255);
    const QString real = queryEngineVersion(QStringLiteral(VELDRA_PROGRAM_DIR));
    if (QFile::exists(enginePath(QStringLiteral(VELDRA_PROGRAM_DIR)))) {
      QVERIFY(real.startsWith(QLatin1String("MORA Version ")));
    }
    QCOMPARE(queryEngineVersion(fakeDir_.filePath(QStringLiteral("none"))), QString());
    QVERIFY(liveTempFiles().isEmpty());
  }

  void versionQueryGivesUpAfterItsRounds() {
    const QString dir = fakeEngine(QStringLiteral("mute"), "echo V1.0; exec sleep 60\n");
    QElapsedTimer t;
    t.start();
    QCOMPARE(queryEngineVersion(dir), QStringLiteral("V1.0"));
    QVERIFY(t.elapsed() >= 300 * 20 - 500);
    QVERIFY(liveTempFiles().isEmpty());
  }
};

QTEST_GUILESS_MAIN(EngineRunTest)
#include "engine_run_test.moc"
