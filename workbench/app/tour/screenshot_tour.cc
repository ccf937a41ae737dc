// Drives the real workbench through one analysis and saves screenshots of the
// main window, the analysis dialog (idle and running) and the result after a tag
// jump. Run by scripts/screenshots.sh under a virtual X server.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "app/analysis_dialog.h"
#include "app/analysis_options_sheet.h"
#include "app/build_options_sheet.h"
#include "app/build_window.h"
#include "app/commands.h"
#include "app/document_window.h"
#include "app/editor_view.h"
#include "app/group_manager_bar.h"
#include "app/main_frame.h"
#include "app/options_sheet.h"
#include "app/tool_commands.h"
#include "core/tag_jump.h"

using namespace veldra;

namespace {

void settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool saveScreen(const QString& dir, const QString& name) {
  const QString path = QDir(dir).filePath(name);
  const bool ok = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

// Shows each page of the modal sheet that `open` brings up and saves it.
template <typename Sheet>
bool grabSheetPages(const QString& dir, const QString& stem, const std::function<void()>& open) {
  bool ok = true;
  QTimer::singleShot(600, [&] {
    auto* sheet = qobject_cast<Sheet*>(QApplication::activeModalWidget());
    if (!sheet) {
      ok = false;
      return;
    }
    for (int page = 0; page < sheet->tabs()->count(); ++page) {
      sheet->tabs()->setCurrentIndex(page);
      settle(300);
      ok = saveScreen(dir, QStringLiteral("%1-%2.png").arg(stem).arg(page + 1)) && ok;
    }
    sheet->reject();
  });
  open();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s PROGRAM_DIR GROUP_FILE OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const QString programDir = QString::fromLocal8Bit(argv[1]);
  const QString group = QString::fromLocal8Bit(argv[2]);
  const QString out = QString::fromLocal8Bit(argv[3]);

  // File names with line numbers in the trees, so that the tag jump has targets.
  QSettings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC"))
      .setValue(QStringLiteral("An Opt/Flags"), QStringLiteral("0,0,1,0,63,63,1,0,0,0,0"));
  MainFrame frame;
  frame.setProgramDirectory(programDir);
  frame.setGeometry(20, 20, 1200, 740);
  frame.show();
  frame.restoreFromProfile(group);
  frame.groupManager()->show();
  settle(800);
  bool ok = saveScreen(out, QStringLiteral("1-main.png"));

  QTimer::singleShot(600, [&] {
    auto* dialog = qobject_cast<AnalysisDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    ok = saveScreen(out, QStringLiteral("2-dialog.png")) && ok;
    dialog->accept();
    // The engine finishes quickly on the sample: show the running state as drawn.
    ok = dialog->grab().save(QDir(out).filePath(QStringLiteral("3-dialog-running.png"))) && ok;
  });
  frame.action(kCmdAnalysisTree)->trigger();
  settle(600);
  ok = saveScreen(out, QStringLiteral("4-result.png")) && ok;

  DocumentWindow* result = frame.activeDocument();
  if (!result) return 1;
  EditorView* editor = result->editor();
  for (int line = 1; line <= editor->lineCount(); ++line) {
    const auto target = parseTagLine(editor->lineText(line));
    if (target && !target->include) {
      editor->goToLine(line);
      break;
    }
  }
  frame.action(kCmdTagJump)->trigger();
  settle(600);
  ok = saveScreen(out, QStringLiteral("5-jumped.png")) && ok;
  frame.action(kCmdWindowTwo)->trigger();
  settle(400);
  ok = saveScreen(out, QStringLiteral("6-side-by-side.png")) && ok;
  frame.mdiArea()->closeAllSubWindows();

  ok = grabSheetPages<OptionsSheet>(out, QStringLiteral("7-options"),
                                    [&] { frame.action(kCmdOptions)->trigger(); }) &&
       ok;
  ok =
      grabSheetPages<AnalysisOptionsSheet>(out, QStringLiteral("8-analysis-options"),
                                           [&] { frame.action(kCmdAnalysisOptions)->trigger(); }) &&
      ok;
  // The build group beside the sample: F7 runs make, its lines fill "ﾋﾞﾙﾄﾞ".
  const QString buildGroup = QFileInfo(group).dir().filePath(QStringLiteral("build.vgp"));
  if (!frame.groupManager()->open(buildGroup)) return 1;
  ok = grabSheetPages<BuildOptionsSheet>(out, QStringLiteral("9-build-options"),
                                         [&] { frame.action(kCmdBuildOptions)->trigger(); }) &&
       ok;
  QEventLoop building;
  QObject::connect(frame.tools(), &ToolCommands::buildFinished, &building, &QEventLoop::quit);
  frame.action(kCmdBuild)->trigger();
  building.exec();
  frame.tools()->buildWindow()->resize(frame.tools()->buildWindow()->width(), 220);
  settle(600);
  ok = saveScreen(out, QStringLiteral("10-build-window.png")) && ok;
  frame.action(kCmdRun)->trigger();
  settle(1500);
  ok = saveScreen(out, QStringLiteral("11-run-captured.png")) && ok;
  frame.mdiArea()->closeAllSubWindows();
  return ok ? 0 : 1;
}
