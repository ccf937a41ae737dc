// End to end through the main frame: group files, analyses with the real engine
// and with fake ones, tag jumps, line marks and the hand-over between instances.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "app/analysis_dialog.h"
#include "app/commands.h"
#include "app/document_window.h"
#include "app/editor_view.h"
#include "app/group_manager_bar.h"
#include "app/main_frame.h"
#include "app/single_instance.h"
#include "core/temp_file.h"

using namespace veldra;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// A stand-in engine: a shell script named like the engine in its own directory.
QString fakeEngine(const QTemporaryDir& dir, const QByteArray& body) {
  const QString program = dir.filePath(QStringLiteral("mora"));
  writeFile(program, "#!/bin/sh\n" + body + "\n");
  QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return dir.path();
}

// Presses OK in the analysis dialog as soon as it is shown, and, when asked,
// Cancel a moment after the engine started.
void driveAnalysisDialog(bool cancel, bool* sawRunning) {
  QTimer::singleShot(0, [cancel, sawRunning] {
    auto* dialog = qobject_cast<AnalysisDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->accept();
    *sawRunning = dialog->isRunning();
    if (cancel) QTimer::singleShot(200, dialog, [dialog] { dialog->reject(); });
  });
}

// An engine that writes a large Shift-JIS result: F10 lines with box pieces.
constexpr int kLargeOutputLines = 200000;
const QByteArray kLargeOutput =
    "yes 'main.c(3): \x84\xa5\x84\x9f x' | head -n " + QByteArray::number(kLargeOutputLines);

QStringList engineTempFiles() {
  QStringList out;
  const QStringList names = QDir(QDir::tempPath())
                                .entryList({QStringLiteral("VdL*.tmp"), QStringLiteral("VdC*.tmp"),
                                            QStringLiteral("Vdr*.tmp")},
                                           QDir::Files);
  for (const QString& n : names) out.append(n);
  return out;
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC")).clear();
    QVERIFY(sources_.isValid());
    for (const char* name : {"calc.h", "lexer.c", "main.c", "parser.c", "report.c"}) {
      const QString from =
          QStringLiteral(VELDRA_SOURCE_DIR "/examples/calc/") + QLatin1String(name);
      QVERIFY(QFile::copy(from, sources_.filePath(QLatin1String(name))));
    }
    group_ = sources_.filePath(QStringLiteral("calc.vgp"));
    QByteArray body =
        "# Veldra Group V01-02-A\r\n#Makefile=\r\n#MakeUtil=\r\n#MakeOpt=\r\n"
        "#RunCmd=\r\n#RunOpt=\r\n#RunFlags=0,0,0\r\n";
    for (const char* name : {"main.c", "lexer.c", "parser.c", "report.c"})
      body += QFile::encodeName(sources_.filePath(QLatin1String(name))) + "\r\n";
    writeFile(group_, body);
    before_ = engineTempFiles();
  }

  void init() {
    frame_ = new MainFrame;
    frame_->setProgramDirectory(QStringLiteral(VELDRA_PROGRAM_DIR));
    frame_->setAsker([this](const QString& text, int) {
      asked_.append(text);
      return int(QMessageBox::No);
    });
    asked_.clear();
    QVERIFY(frame_->groupManager()->open(group_));
  }

  void cleanup() {
    frame_->mdiArea()->closeAllSubWindows();
    delete frame_;
    frame_ = nullptr;
  }

  void opensTheGroupFile() {
    GroupManagerBar* g = frame_->groupManager();
    QCOMPARE(g->files().size(), 4);
    QCOMPARE(g->files().first(), sources_.filePath(QStringLiteral("main.c")));
    QCOMPARE(g->windowTitle(), QStringLiteral("Group Manager - [calc.vgp]"));
    g->addFiles({sources_.filePath(QStringLiteral("calc.h"))});
    QCOMPARE(g->windowTitle(), QStringLiteral("Group Manager - [calc.vgp *]"));
    g->addFiles({sources_.filePath(QStringLiteral("calc.h"))});
    QCOMPARE(g->files().size(), 5);
    QCOMPARE(asked_.value(0), QStringLiteral("指定されたﾌｧｲﾙ(%1)は既にｸﾞﾙｰﾌﾟに登録されています。")
                                  .arg(sources_.filePath(QStringLiteral("calc.h"))));
  }

  // Analyses 1, 2 and 6 with the real engine, through the menu's action.
  void runsAnalysesWithTheEngine_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("function list")
        << int(kCmdAnalysisList) << QStringList{QStringLiteral("main"), QStringLiteral("main.c")};
    QTest::newRow("call tree") << int(kCmdAnalysisTree) << QStringList{QStringLiteral("main")};
    QTest::newRow("step count") << int(kCmdAnalysisCount) << QStringList{QStringLiteral("main.c")};
  }
  void runsAnalysesWithTheEngine() {
    QFETCH(int, command);
    QFETCH(QStringList, expected);
    bool running = false;
    driveAnalysisDialog(false, &running);
    const int before = frame_->documents().size();
    frame_->action(command)->trigger();
    QVERIFY(running);
    QCOMPARE(frame_->documents().size(), before + 1);
    DocumentWindow* result = frame_->activeDocument();
    QVERIFY(result->isUntitled());
    const QString text = result->editor()->toPlainText();
    for (const QString& word : expected) QVERIFY2(text.contains(word), qPrintable(text.left(400)));
    QVERIFY2(!text.contains(QStringLiteral("FIE")), qPrintable(text.left(400)));
    QCOMPARE(engineTempFiles(), before_);
    QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("ﾚﾃﾞｨ"));
  }

  void cancelEndsASlowEngine() {
    QTemporaryDir programs;
    frame_->setProgramDirectory(fakeEngine(programs, "sleep 30"));
    bool running = false;
    driveAnalysisDialog(true, &running);
    QElapsedTimer clock;
    clock.start();
    frame_->action(kCmdAnalysisTree)->trigger();
    QVERIFY(running);
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(frame_->documents().isEmpty());
    QCOMPARE(engineTempFiles(), before_);
    QVERIFY(liveTempFiles().isEmpty());
  }

  void emptyEngineOutputGivesAnEmptyDocument() {
    QTemporaryDir programs;
    frame_->setProgramDirectory(fakeEngine(programs, "exit 0"));
    bool running = false;
    driveAnalysisDialog(false, &running);
    frame_->action(kCmdAnalysisList)->trigger();
    QCOMPARE(frame_->documents().size(), 1);
    QCOMPARE(frame_->activeDocument()->editor()->toPlainText(), QString());
    QVERIFY(frame_->activeDocument()->isUntitled());
  }

  // A result of several megabytes fills its document after the dialog closed:
  // the status bar shows the progress, the text arrives whole, F10 works on it
  // and the output file is gone at the end.
  void largeResultLoadsFromTheEventLoop() {
    QTemporaryDir programs;
    frame_->setProgramDirectory(fakeEngine(programs, kLargeOutput));
    QStringList statuses;
    connect(frame_->statusBar(), &QStatusBar::messageChanged, frame_,
            [&statuses](const QString& text) { statuses.append(text); });
    bool running = false;
    driveAnalysisDialog(false, &running);
    frame_->action(kCmdAnalysisTree)->trigger();
    DocumentWindow* result = frame_->activeDocument();
    QVERIFY(result && result->isUntitled());
    QVERIFY(result->isLoading());
    QTRY_VERIFY_WITH_TIMEOUT(!result->isLoading(), 120000);
    QCOMPARE(result->editor()->lineCount(), kLargeOutputLines + 1);
    QCOMPARE(result->editor()->lineText(kLargeOutputLines), QStringLiteral("main.c(3): ├─ x"));
    QCOMPARE(statuses.value(0), QStringLiteral("解析中......"));
    const auto loading = statuses.filter(QStringLiteral("解析結果を読込み中...... "));
    QVERIFY(!loading.isEmpty());
    QVERIFY(loading.first().endsWith(u'%'));
    QCOMPARE(statuses.last(), QStringLiteral("ﾚﾃﾞｨ"));
    QCOMPARE(engineTempFiles(), before_);

    frame_->action(kCmdFileBottom)->trigger();
    QCOMPARE(result->editor()->caretLine(), kLargeOutputLines + 1);
    result->editor()->goToLine(kLargeOutputLines / 2);
    QVERIFY(frame_->tagJump());
    QCOMPARE(frame_->activeDocument()->path(), sources_.filePath(QStringLiteral("main.c")));
    QCOMPARE(frame_->activeDocument()->editor()->caretLine(), 3);
  }

  void closingWhileAResultLoadsLeavesNoFile() {
    QTemporaryDir programs;
    frame_->setProgramDirectory(fakeEngine(programs, kLargeOutput));
    bool running = false;
    driveAnalysisDialog(false, &running);
    frame_->action(kCmdAnalysisList)->trigger();
    QVERIFY(frame_->activeDocument() && frame_->activeDocument()->isLoading());
    frame_->mdiArea()->closeAllSubWindows();
    QVERIFY(frame_->documents().isEmpty());
    QCOMPARE(engineTempFiles(), before_);
    QVERIFY(liveTempFiles().isEmpty());
  }

  // The browser question of an HTML result comes once the page is complete:
  // saving it earlier would write half a page.
  void htmlQuestionWaitsForTheWholePage() {
    QTemporaryDir programs;
    frame_->setProgramDirectory(fakeEngine(programs, kLargeOutput));
    int linesWhenAsked = -1;
    frame_->setAsker([this, &linesWhenAsked](const QString& text, int) {
      asked_.append(text);
      if (DocumentWindow* d = frame_->activeDocument()) linesWhenAsked = d->editor()->lineCount();
      return int(QMessageBox::No);
    });
    bool running = false;
    driveAnalysisDialog(false, &running);
    frame_->action(kCmdAnalysisHtml)->trigger();
    QVERIFY(asked_.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(asked_.size(), 1, 120000);
    QCOMPARE(asked_.first(), QStringLiteral("ﾌﾞﾗｳｻﾞを起動しますか?"));
    QCOMPARE(linesWhenAsked, kLargeOutputLines + 1);
  }

  void missingEngineLeavesTheDialogOpen() {
    QTemporaryDir programs;  // no engine in it
    frame_->setProgramDirectory(programs.path());
    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* dialog = qobject_cast<AnalysisDialog*>(QApplication::activeModalWidget());
      QTimer::singleShot(0, [&shown, dialog] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
          shown = box->text();
          box->accept();
        }
        QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
      });
      dialog->accept();
    });
    frame_->action(kCmdAnalysisList)->trigger();
    QCOMPARE(shown, QStringLiteral("解析ﾓｼﾞｭｰﾙの実行に失敗しました。"));
    QVERIFY(frame_->documents().isEmpty());
    QVERIFY(liveTempFiles().isEmpty());
  }

  void tagJumpFromAnOutputLine() {
    DocumentWindow* result = frame_->newDocument();
    result->editor()->setPlainText(QStringLiteral("header\nmain.c(3): int main\n"));
    result->editor()->goToLine(2);
    frame_->action(kCmdTagJump)->trigger();
    DocumentWindow* target = frame_->activeDocument();
    QVERIFY(target != result);
    QCOMPARE(target->path(), sources_.filePath(QStringLiteral("main.c")));
    QCOMPARE(target->editor()->caretLine(), 3);
    QCOMPARE(frame_->positionText(), QStringLiteral("    3 行,      1 桁"));
    frame_->action(kCmdTagBack)->trigger();
    QCOMPARE(frame_->activeDocument(), result);
  }

  void tagJumpOnIncludeAndOnAMissingFile() {
    QDir::setCurrent(sources_.path());
    DocumentWindow* doc = frame_->newDocument();
    doc->editor()->setPlainText(
        QStringLiteral("#include \"calc.h\"\n#include <stdio.h>\ngone.c(5): x\n"));
    doc->editor()->goToLine(1);
    QVERIFY(frame_->tagJump());
    QCOMPARE(frame_->activeDocument()->path(), sources_.filePath(QStringLiteral("calc.h")));
    frame_->mdiArea()->setActiveSubWindow(frame_->mdiArea()->subWindowList().first());
    doc->editor()->goToLine(2);
    QVERIFY(!frame_->tagJump());
    QCOMPARE(asked_.value(0), QStringLiteral("ｼﾞｬﾝﾌﾟ先のﾌｧｲﾙ(stdio.h)が見つかりません"));
    doc->editor()->goToLine(3);
    QVERIFY(!frame_->tagJump());
    QCOMPARE(asked_.value(1), QStringLiteral("ｼﾞｬﾝﾌﾟ先のﾌｧｲﾙ(gone.c)が見つかりません"));
  }

  void thirteenthMarkIsRefused() {
    frame_->lineMarks() = LineMarks();
    DocumentWindow* doc = frame_->openDocument(sources_.filePath(QStringLiteral("main.c")));
    QVERIFY(doc);
    for (int i = 1; i <= 12; ++i) {
      doc->editor()->goToLine(i);
      QVERIFY(frame_->addLineMark());
    }
    QVERIFY(!frame_->addLineMark());
    QCOMPARE(asked_.value(0), QStringLiteral("行ﾏｰｸは、(12)件までしか登録できません."));
    QCOMPARE(frame_->lineMarks().marks().size(), 12);
  }

  void readOnlySourceIsNotOverwritten() {
    const QString path = sources_.filePath(QStringLiteral("locked.c"));
    writeFile(path, "int x;\n");
    QFile::setPermissions(path, QFile::ReadOwner);
    DocumentWindow* doc = frame_->openDocument(path);
    QVERIFY(doc);
    doc->editor()->setPlainText(QStringLiteral("changed\n"));
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    QVERIFY(!doc->saveTo(QString()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("int x;\n"));
  }

  // Flat toolbars need the newer common controls; the colour dialog's custom
  // colours come from the profile and go back to it at close.
  void displayOptionsFromTheProfile_data() {
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("flat");
    QTest::newRow("default: raised") << QString() << QString() << false;
    QTest::newRow("flat") << QStringLiteral("1") << QString() << true;
    QTest::newRow("flat, old controls") << QStringLiteral("1") << QStringLiteral("1003") << false;
  }
  void displayOptionsFromTheProfile() {
    QFETCH(QString, flags);
    QFETCH(QString, mode);
    QFETCH(bool, flat);
    QSettings settings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"));
    if (!flags.isEmpty()) settings.setValue(QStringLiteral("TBOpt/Flags"), flags);
    if (!mode.isEmpty()) settings.setValue(QStringLiteral("cmndll/mode"), mode);
    const QString colours = QStringLiteral("255,65280,16711680,1,2,3,4,5,6,7,8,9,10,11,12,13");
    settings.setValue(QStringLiteral("CustomColor/Color"), colours);
    settings.sync();
    {
      MainFrame frame;
      QCOMPARE(QColorDialog::customColor(1), QColor(0, 255, 0));
      const auto buttons = frame.toolbar(kCmdViewStandardBar)->findChildren<QToolButton*>();
      QVERIFY(buttons.size() > 5);
      for (QToolButton* b : buttons) QCOMPARE(b->autoRaise(), flat);
      // Turning the option over from the sheet redraws the buttons the same way.
      DisplayOptions edited = frame.displayOptions();
      edited.flatToolbars = !edited.flatToolbars;
      frame.setDisplayOptions(edited);
      const bool flatNow = edited.flatToolbars && mode.isEmpty();
      for (QToolButton* b : buttons) QCOMPARE(b->autoRaise(), flatNow);
      QColorDialog::setCustomColor(0, QColor(0x10, 0x20, 0x30));
      QVERIFY(frame.close());
    }
    settings.sync();
    QCOMPARE(settings.value(QStringLiteral("CustomColor/Color")).toString(),
             QStringLiteral("3153936,65280,16711680,1,2,3,4,5,6,7,8,9,10,11,12,13"));
    settings.remove(QStringLiteral("TBOpt"));
    settings.remove(QStringLiteral("cmndll"));
    settings.remove(QStringLiteral("CustomColor"));
  }

  void secondInstanceHandsOverAGroup() {
    SingleInstance first(QStringLiteral("VeldraC-test-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(first.listen());
    connect(&first, &SingleInstance::handedOver, frame_, &MainFrame::handOver);
    frame_->groupManager()->closeGroup();
    QVERIFY(frame_->groupManager()->files().isEmpty());
    SingleInstance second(
        QStringLiteral("VeldraC-test-%1").arg(QCoreApplication::applicationPid()));
    bool handed = false;
    // The first instance answers from the event loop; the second waits for it.
    QTimer::singleShot(
        0, [&] { handed = second.handOver(QStringLiteral("calc.vgp"), sources_.path()); });
    QTRY_VERIFY(handed);
    QTRY_COMPARE(frame_->groupManager()->files().size(), 4);
    QVERIFY(frame_->groupManager()->isVisible() || !frame_->isVisible());
  }

 private:
  QTemporaryDir sources_;
  QString group_;
  QStringList before_;
  MainFrame* frame_ = nullptr;
  QStringList asked_;
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
