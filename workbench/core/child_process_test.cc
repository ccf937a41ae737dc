// Captured children: lines arrive while the child runs, the last partial line and
// long lines are kept, exit codes are reported, the output file never outlives
// its owner, and shell text stays one argument.
#include <QEventLoop>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "core/child_process.h"
#include "core/constants.h"
#include "core/temp_file.h"

using namespace veldra;

namespace {

struct Run {
  QStringList lines;
  int exitCode = -99;
};

Run capture(const ProcessCommand& command, int watchMs = 20) {
  Run run;
  CapturedProcess child;
  child.setWatchInterval(watchMs);
  QEventLoop loop;
  QObject::connect(&child, &CapturedProcess::lineRead,
                   [&](const QString& line) { run.lines.append(line); });
  QObject::connect(&child, &CapturedProcess::finished, &loop, [&](int code) {
    run.exitCode = code;
    loop.quit();
  });
  if (!child.start(command, QStringLiteral("BdMk"))) return run;
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  return run;
}

}  // namespace

class ChildProcessTest : public QObject {
  Q_OBJECT

 private slots:
  void linesArriveWhileTheChildRuns() {
    CapturedProcess child;
    child.setWatchInterval(20);
    QStringList lines;
    connect(&child, &CapturedProcess::lineRead, [&](const QString& l) { lines.append(l); });
    QSignalSpy finished(&child, &CapturedProcess::finished);
    QVERIFY(child.start(shellCommand(QStringLiteral("echo first; sleep 1; echo second; exit 3")),
                        QStringLiteral("BdMk")));
    const QString output = child.outputFile();
    QVERIFY(output.contains(QStringLiteral("BdM")));
    QTRY_COMPARE_WITH_TIMEOUT(lines, QStringList{QStringLiteral("first")}, 900);
    QVERIFY(child.isRunning());
    QVERIFY(finished.wait(5000));
    QCOMPARE(lines, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    QCOMPARE(finished.first().first().toInt(), 3);
    QVERIFY(!QFileInfo::exists(output));
  }

  void partialAndLongLinesAreKept() {
    const Run run = capture(shellCommand(QStringLiteral(
        "printf 'a\\r\\n'; head -c 1100 /dev/zero | tr '\\\\0' x; echo; printf 'tail'")));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 5);
    QCOMPARE(run.lines[0], QStringLiteral("a"));
    QCOMPARE(run.lines[1].size(), kCaptureLineMax);
    QCOMPARE(run.lines[2].size(), kCaptureLineMax);
    QCOMPARE(run.lines[3].size(), 1100 - 2 * kCaptureLineMax);
    QCOMPARE(run.lines[4], QStringLiteral("tail"));
  }

  void bothStreamsAndNothingAtAll() {
    Run run = capture(shellCommand(QStringLiteral("echo out; echo err >&2")));
    QCOMPARE(run.lines, (QStringList{QStringLiteral("out"), QStringLiteral("err")}));
    run = capture(programCommand(QStringLiteral("true"), QString()));
    QVERIFY(run.lines.isEmpty());
    QCOMPARE(run.exitCode, 0);
    run = capture(programCommand(QStringLiteral("false"), QString()));
    QCOMPARE(run.exitCode, 1);
  }

  // The typed text reaches the shell whole: its quotes, blanks and ";" are the
  // shell's to read, nothing is pasted into another command line.
  void shellTextIsOneArgument() {
    const ProcessCommand c = shellCommand(QStringLiteral("echo 'a  b'; echo c"));
    QCOMPARE(c.program, QStringLiteral("/bin/sh"));
    QCOMPARE(c.arguments,
             (QStringList{QStringLiteral("-c"), QStringLiteral("echo 'a  b'; echo c")}));
    QCOMPARE(capture(c).lines, (QStringList{QStringLiteral("a  b"), QStringLiteral("c")}));
  }

  void commandLinesSplitLikeTheUserWroteThem() {
    const ProcessCommand make =
        makeCommand(QStringLiteral("/opt/my tools/make"), QStringLiteral("-f \"my file\" -k"),
                    QStringLiteral("Makefile"));
    QCOMPARE(make.program, QStringLiteral("/opt/my tools/make"));
    QCOMPARE(make.arguments, (QStringList{QStringLiteral("-f"), QStringLiteral("my file"),
                                          QStringLiteral("-k"), QStringLiteral("Makefile")}));
    QCOMPARE(make.commandLine, QStringLiteral("/opt/my tools/make -f \"my file\" -k Makefile"));
    QCOMPARE(makeCommand(QStringLiteral("make"), {}, {}).commandLine, QStringLiteral("make"));
    const ProcessCommand typed = splitCommand(QStringLiteral("ls -l \"a b\""));
    QCOMPARE(typed.program, QStringLiteral("ls"));
    QCOMPARE(typed.arguments, (QStringList{QStringLiteral("-l"), QStringLiteral("a b")}));
  }

  void missingProgramDoesNotStart() {
    CapturedProcess child;
    QVERIFY(!child.start(programCommand(QStringLiteral("/nonexistent/make"), {}),
                         QStringLiteral("BdMk")));
    QVERIFY(!child.isRunning());
    QVERIFY(liveTempFiles().isEmpty());
    QVERIFY(!startDetached(programCommand(QStringLiteral("/nonexistent/tool"), {})));
  }

  void destroyingARunningChildEndsItAndDeletesTheFile() {
    QString output;
    {
      CapturedProcess child;
      QVERIFY(child.start(shellCommand(QStringLiteral("sleep 30")), QStringLiteral("ExPg")));
      output = child.outputFile();
      QVERIFY(QFileInfo::exists(output));
    }
    QVERIFY(!QFileInfo::exists(output));
    QVERIFY(liveTempFiles().isEmpty());
  }
};

QTEST_GUILESS_MAIN(ChildProcessTest)
#include "child_process_test.moc"
