// The tools menu through the main frame: a real make build of the sample with its
// live output window, run with capture, find in files, time stamps, and the user
// tool list.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/build_window.h"
#include "app/commands.h"
#include "app/document_window.h"
#include "app/editor_view.h"
#include "app/group_manager_bar.h"
#include "app/main_frame.h"
#include "app/registered_list_dialog.h"
#include "app/tool_commands.h"
#include "app/tool_launcher.h"
#include "core/temp_file.h"

using namespace veldra;

namespace {

const QString kStart = QStringLiteral("--------------- ﾋﾞﾙﾄﾞ  [%1]  開始 ---------------");
const QString kEnd = QStringLiteral("ﾋﾞﾙﾄﾞ終了 [ 終了ｺｰﾄﾞ  %1  ]");

}  // namespace

class ToolCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    for (const char* name : {"calc.h", "lexer.c", "main.c", "parser.c", "report.c", "Makefile",
                             "input.txt", "build.vgp"})
      QVERIFY(QFile::copy(QStringLiteral(VELDRA_SOURCE_DIR "/examples/calc/") + QLatin1String(name),
                          dir_.filePath(QLatin1String(name))));
  }

  void init() {
    QSettings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC")).clear();
    frame_ = new MainFrame;
    frame_->setAsker([this](const QString& text, int) {
      asked_.append(text);
      return int(QMessageBox::No);
    });
    asked_.clear();
    QVERIFY(frame_->groupManager()->open(dir_.filePath(QStringLiteral("build.vgp"))));
  }

  void cleanup() {
    frame_->mdiArea()->closeAllSubWindows();
    delete frame_;
    QVERIFY(liveTempFiles().isEmpty());
  }

  // F7 runs the group's make; its lines appear in "ﾋﾞﾙﾄﾞ" between the start and end
  // lines; Ctrl+F5 then runs the program through the shell with its output captured.
  void buildsAndRunsTheSample() {
    QSignalSpy built(frame_->tools(), &ToolCommands::buildFinished);
    frame_->action(kCmdBuild)->trigger();
    BuildWindow* window = frame_->tools()->buildWindow();
    QVERIFY(window->isVisibleTo(frame_));
    QCOMPARE(window->lines().value(0), kStart.arg(QStringLiteral("make -f Makefile")));
    QVERIFY(frame_->tools()->isBuilding());
    QVERIFY(built.wait(60000));
    QCOMPARE(built.first().first().toInt(), 0);
    const QStringList lines = window->lines();
    QVERIFY2(lines.filter(QStringLiteral("-o calc")).size() == 1, qPrintable(lines.join('\n')));
    QCOMPARE(lines.last(), kEnd.arg(0));
    QVERIFY(QFileInfo(dir_.filePath(QStringLiteral("calc"))).isExecutable());

    QSignalSpy ran(frame_->tools(), &ToolCommands::captureFinished);
    frame_->action(kCmdRun)->trigger();
    DocumentWindow* output = frame_->activeDocument();
    QVERIFY(output && output->isUntitled());
    QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("ﾌﾟﾛｾｽ実行中..."));
    QVERIFY(ran.wait(10000));
    QCOMPARE(output->editor()->toPlainText(), QStringLiteral("= 7\n= 1.5"));
    QTRY_COMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("ﾚﾃﾞｨ"));
    QVERIFY(asked_.isEmpty());
  }

  // A make that prints nothing still shows both information lines and its code; a
  // failing one shows its code.
  void silentAndFailingBuilds_data() {
    QTest::addColumn<QString>("utility");
    QTest::addColumn<int>("code");
    QTest::newRow("silent") << QStringLiteral("true") << 0;
    QTest::newRow("failing") << QStringLiteral("false") << 1;
  }
  void silentAndFailingBuilds() {
    QFETCH(QString, utility);
    QFETCH(int, code);
    BuildOptions o;
    o.makeUtility = utility;
    frame_->groupManager()->model().setBuildOptions(o);
    QSignalSpy built(frame_->tools(), &ToolCommands::buildFinished);
    QVERIFY(frame_->tools()->build());
    // Closing while the build runs asks first; No keeps the frame.
    QVERIFY(!frame_->close());
    QCOMPARE(asked_, QStringList{QStringLiteral("ﾋﾞﾙﾄﾞ実行中ですが終了しますか？")});
    QVERIFY(built.wait(10000));
    QCOMPARE(frame_->tools()->buildWindow()->lines(),
             (QStringList{kStart.arg(utility), kEnd.arg(code)}));
    frame_->groupManager()->model().setBuildOptions({});
  }

  void missingSettingsAndProgramsAreReported() {
    frame_->groupManager()->model().setBuildOptions({});
    QVERIFY(!frame_->tools()->build());
    QVERIFY(!frame_->tools()->run());
    BuildOptions o;
    o.makeUtility = QStringLiteral("/nonexistent/make");
    o.makeFile = QStringLiteral("x.mk");
    frame_->groupManager()->model().setBuildOptions(o);
    QVERIFY(!frame_->tools()->build());
    QCOMPARE(asked_, (QStringList{
                         QStringLiteral("ﾋﾞﾙﾄﾞ情報が未設定です。ﾋﾞﾙﾄﾞの設定で設定して下さい。"),
                         QStringLiteral("実行情報が未設定です。ﾋﾞﾙﾄﾞの設定で設定して下さい。"),
                         QStringLiteral("コマンド(/nonexistent/make x.mk)の実行に失敗しました｡")}));
    QVERIFY(!frame_->tools()->buildWindow()->isVisibleTo(frame_));
  }

  void findInFilesOpensADocumentOnlyForHits() {
    FindOptions o;
    o.text = QStringLiteral("no such text anywhere");
    QVERIFY(!frame_->tools()->find(o, false));
    QCOMPARE(frame_->documents().size(), 0);
    QCOMPARE(
        asked_,
        QStringList{QStringLiteral("指定された条件に合致するレコードは見つかりませんでした。")});
    o.text = QStringLiteral("parse_line");
    o.fullPath = false;
    DocumentWindow* d = frame_->tools()->find(o, false);
    QVERIFY(d);
    const QStringList lines = d->editor()->toPlainText().split(u'\n');
    QVERIFY2(lines.size() >= 3, qPrintable(lines.join('\n')));
    QVERIFY(lines.first().startsWith(QStringLiteral("main.c(")));
    // The result line jumps to its place.
    d->editor()->goToLine(1);
    QVERIFY(frame_->tagJump());
    QCOMPARE(frame_->activeDocument()->title(), QStringLiteral("main.c"));
    QVERIFY(frame_->activeDocument()
                ->editor()
                ->lineText(frame_->activeDocument()->editor()->caretLine())
                .contains(QStringLiteral("parse_line")));
  }

  void touchReportsReadOnlyFilesOnce() {
    const QString readOnly = dir_.filePath(QStringLiteral("calc.h"));
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    const QDateTime when(QDate(2010, 1, 2), QTime(3, 4, 5));
    const QStringList failed = frame_->tools()->touch(when, false);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(failed, QStringList{readOnly});
    QCOMPARE(asked_.size(), 1);
    QVERIFY(asked_[0].startsWith(QStringLiteral("ﾀｲﾑｽﾀﾝﾌﾟの変更ができないﾌｧｲﾙがありました。")));
    QVERIFY(asked_[0].contains(readOnly));
    QCOMPARE(QFileInfo(dir_.filePath(QStringLiteral("main.c"))).lastModified(), when);
    QVERIFY(QFileInfo(readOnly).lastModified() != when);
  }

  void eleventhToolIsRefusedAndToolsReachTheMenu() {
    RegisteredList tools(QStringLiteral("RegistTool"), true);
    RegisteredListDialog dialog(kToolListKind, tools);
    QStringList warnings;
    dialog.setWarner([&](const QString& text) { warnings.append(text); });
    int next = 0;
    dialog.setItemEditor([&](RegisteredItem* item) {
      *item = {QStringLiteral("tool %1").arg(next), QStringLiteral("true"), QStringLiteral("-x")};
      return true;
    });
    for (next = 1; next <= 10; ++next) dialog.addNew();
    QCOMPARE(dialog.list().items().size(), 10);
    QVERIFY(warnings.isEmpty());
    dialog.addNew();
    QCOMPARE(warnings, QStringList{QStringLiteral("最大登録数は､10件です｡")});
    dialog.view()->setCurrentRow(9);
    dialog.moveSelected(-1);
    QCOMPARE(dialog.list().items()[8].title, QStringLiteral("tool 10"));

    frame_->tools()->setTools(dialog.list());
    QSettings s(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"));
    QCOMPARE(s.value(QStringLiteral("RegistTool/item1")).toString(),
             QStringLiteral("tool 1#$1_#true#$2_#-x"));
    QVERIFY(frame_->tools()->startTool(0));
    QVERIFY(frame_->tools()->launcher()->button(9)->isEnabled());
    // A tool whose program is gone reports its command line.
    RegisteredList gone(QStringLiteral("RegistTool"), true);
    QCOMPARE(gone.add({QStringLiteral("gone"), QStringLiteral("/nonexistent/tool"),
                       QStringLiteral("a b")}),
             QString());
    frame_->tools()->setTools(gone);
    QVERIFY(!frame_->tools()->startTool(0));
    QCOMPARE(asked_,
             QStringList{QStringLiteral("コマンド(/nonexistent/tool a b)の実行に失敗しました｡")});
    QVERIFY(!frame_->tools()->launcher()->button(1)->isEnabled());
  }

 private:
  QTemporaryDir dir_;
  MainFrame* frame_ = nullptr;
  QStringList asked_;
};

QTEST_MAIN(ToolCommandsTest)
#include "tool_commands_test.moc"
