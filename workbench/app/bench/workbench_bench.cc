// Workbench benchmarks (scripts/bench_workbench.sh): start-up to the first paint,
// opening and typing in a 10 MB source, result documents of 100 000 lines and of
// 100 MB, and a group of 10 000 files (open, search, select, one analysis). While
// a result loads or an analysis runs, a 1 ms timer records the longest time the
// event loop did not answer. Prints one line per figure.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "app/analysis_dialog.h"
#include "app/commands.h"
#include "app/document_window.h"
#include "app/editor_view.h"
#include "app/group_list_model.h"
#include "app/group_manager_bar.h"
#include "app/main_frame.h"
#include "core/constants.h"
#include "core/temp_file.h"
#include "core/text_codec.h"

using namespace veldra;

namespace {

constexpr qint64 kSourceBytes = 10LL * 1024 * 1024;
constexpr int kResultLines = 100000;
constexpr qint64 kHugeResultBytes = 100LL * 1024 * 1024;
constexpr int kGroupFiles = 10000;
constexpr int kTypedKeys = 50;

void report(const char* what, double ms, const char* note = "") {
  std::printf("%-44s %10.1f ms %s\n", what, ms, note);
  std::fflush(stdout);
}

// The longest gap between two turns of the event loop while it runs.
class StallMeter : public QObject {
 public:
  StallMeter() {
    tick_.setTimerType(Qt::PreciseTimer);
    tick_.setInterval(1);
    connect(&tick_, &QTimer::timeout, this,
            [this] { longest_ = std::max(longest_, clock_.restart()); });
    clock_.start();
    tick_.start();
  }
  qint64 longest() const { return longest_; }

 private:
  QTimer tick_;
  QElapsedTimer clock_;
  qint64 longest_ = 0;
};

// Lets the window paint what changed, as a real event loop turn would.
void paintNow(QWidget* w) {
  QApplication::processEvents();
  w->repaint();
}

QByteArray sourceLine(int n) {
  return QByteArray("static int function_") + QByteArray::number(n) +
         "(int a, int b) { return a * " + QByteArray::number(n % 97) + " + b; }  /* " +
         encodeShiftJis(u"計算の本体") + " */\n";
}

bool writeSource(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  qint64 written = 0;
  for (int n = 0; written < kSourceBytes; ++n) written += f.write(sourceLine(n));
  return true;
}

// An engine-like call tree result: box-drawing pieces in Shift-JIS.
QByteArray resultLine(int n) {
  static const QByteArray branch = encodeShiftJis(u"├─");
  static const QByteArray bar = encodeShiftJis(u"│  ");
  QByteArray line = "  ";
  for (int d = 0; d < n % 6; ++d) line += bar;
  return line + branch + "function_" + QByteArray::number(n) + "  main.c(" +
         QByteArray::number(n % 5000 + 1) + ")\n";
}

// A result file as the analysis leaves it: a temporary file the document takes.
QString writeResult(qint64 lines, qint64 bytes) {
  const QString path = createTempFile(QLatin1String(kPrefixOutput));
  QFile f(path);
  if (path.isEmpty() || !f.open(QIODevice::WriteOnly)) return {};
  qint64 written = 0;
  for (int n = 0; n < lines || written < bytes; ++n) written += f.write(resultLine(n));
  return path;
}

void benchStartUp(MainFrame& frame) {
  bool painted = false;
  QElapsedTimer sinceMain;
  sinceMain.start();
  class FirstPaint : public QObject {
   public:
    explicit FirstPaint(bool* seen) : seen_(seen) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) *seen_ = true;
      return false;
    }
    bool* seen_;
  } filter(&painted);
  qApp->installEventFilter(&filter);
  frame.show();
  frame.restoreFromProfile(QString());
  while (!painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  qApp->removeEventFilter(&filter);
  report("start-up: frame shown to first paint", double(sinceMain.nsecsElapsed()) / 1e6);
  const QByteArray t0 = qgetenv("VELDRA_BENCH_T0_NS");
  if (!t0.isEmpty()) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    report("start-up: process start to first paint", double(now - t0.toLongLong() / 1000000));
  }
}

void benchSource(MainFrame& frame, const QString& dir) {
  const QString path = QDir(dir).filePath(QStringLiteral("big.c"));
  if (!writeSource(path)) return report("10 MB source: could not be written", 0);
  QElapsedTimer clock;
  clock.start();
  DocumentWindow* d = frame.openDocument(path);
  if (!d) return report("10 MB source: open failed", 0);
  paintNow(&frame);
  report("10 MB source: open and paint", double(clock.nsecsElapsed()) / 1e6);

  EditorView* e = d->editor();
  e->goToLine(e->lineCount() / 2);
  paintNow(&frame);
  clock.restart();
  qint64 slowest = 0;
  for (int k = 0; k < kTypedKeys; ++k) {
    QElapsedTimer key;
    key.start();
    const QString text(QChar(u'a' + k % 26));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + k % 26, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + k % 26, Qt::NoModifier, text);
    QApplication::sendEvent(e, &press);
    QApplication::sendEvent(e, &release);
    paintNow(e->viewport());
    slowest = std::max(slowest, key.elapsed());
  }
  report("10 MB source: 50 typed characters", double(clock.nsecsElapsed()) / 1e6,
         qPrintable(QStringLiteral("(slowest key %1 ms)").arg(slowest)));
  d->editor()->document()->setModified(false);
  frame.mdiArea()->closeAllSubWindows();
}

void benchResult(MainFrame& frame, const char* what, qint64 lines, qint64 bytes) {
  const QString path = writeResult(lines, bytes);
  if (path.isEmpty()) return report(what, 0, "(result could not be written)");
  QElapsedTimer clock;
  clock.start();
  StallMeter stalls;
  DocumentWindow* d = frame.newDocument();
  bool done = false;
  QObject::connect(d, &DocumentWindow::loadFinished, [&done] { done = true; });
  d->loadResultFile(path);
  paintNow(&frame);
  const double firstShown = double(clock.nsecsElapsed()) / 1e6;
  while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  paintNow(&frame);
  const QString note =
      QStringLiteral("(first text shown after %1 ms, %2 lines, longest stall %3 ms)")
          .arg(firstShown, 0, 'f', 1)
          .arg(d->editor()->lineCount())
          .arg(stalls.longest());
  report(what, double(clock.nsecsElapsed()) / 1e6, qPrintable(note));
  // Closing frees the document's lines in one go, when the window is deleted.
  clock.restart();
  frame.mdiArea()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  report("  closing it", double(clock.nsecsElapsed()) / 1e6);
}

bool writeGroup(const QString& dir, QString* groupPath) {
  QByteArray body =
      "# Veldra Group V01-02-A\r\n#Makefile=\r\n#MakeUtil=\r\n#MakeOpt=\r\n"
      "#RunCmd=\r\n#RunOpt=\r\n#RunFlags=0,0,0\r\n";
  for (int n = 0; n < kGroupFiles; ++n) {
    const QString name =
        QDir(dir).filePath(QStringLiteral("unit%1.c").arg(n, 5, 10, QLatin1Char('0')));
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    f.write(sourceLine(n) + sourceLine(n + 1));
    body += QFile::encodeName(name) + "\r\n";
  }
  *groupPath = QDir(dir).filePath(QStringLiteral("many.vgp"));
  QFile g(*groupPath);
  return g.open(QIODevice::WriteOnly | QIODevice::NewOnly) && g.write(body) == body.size();
}

void benchGroup(MainFrame& frame, const QString& dir) {
  QString group;
  if (!writeGroup(dir, &group)) return report("10 000-file group: could not be written", 0);
  GroupManagerBar* bar = frame.groupManager();
  QElapsedTimer clock;
  clock.start();
  bar->open(group);
  paintNow(&frame);
  report("10 000-file group: open and paint", double(clock.nsecsElapsed()) / 1e6);

  clock.restart();
  const QString typed = QStringLiteral("unit09999");
  for (int k = 1; k <= typed.size(); ++k) bar->searchFor(typed.left(k));
  paintNow(&frame);
  report("10 000-file group: search, 9 keystrokes", double(clock.nsecsElapsed()) / 1e6);

  clock.restart();
  bar->list()->selectAll();
  const qsizetype selected = bar->engineFiles(true).size();
  paintNow(&frame);
  report("10 000-file group: select all, selected names", double(clock.nsecsElapsed()) / 1e6,
         qPrintable(QStringLiteral("(%1 names)").arg(selected)));
  bar->list()->clearSelection();

  // The function list over every file, through the menu's action.
  StallMeter stalls;
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<AnalysisDialog*>(QApplication::activeModalWidget()))
      dialog->accept();
  });
  clock.restart();
  bool done = false;
  frame.action(kCmdAnalysisList)->trigger();
  DocumentWindow* d = frame.activeDocument();
  if (!d) return report("10 000-file group: function list", 0, "(no result)");
  QObject::connect(d, &DocumentWindow::loadFinished, [&done] { done = true; });
  if (!d->isLoading()) done = true;
  while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  report("10 000-file group: function list run and shown", double(clock.nsecsElapsed()) / 1e6,
         qPrintable(QStringLiteral("(%1 lines, longest stall %2 ms)")
                        .arg(d->editor()->lineCount())
                        .arg(stalls.longest())));
  frame.mdiArea()->closeAllSubWindows();
  bar->closeGroup();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Pellwick"));
  QApplication::setApplicationName(QStringLiteral("VeldraC"));
  QTemporaryDir work;
  if (!work.isValid()) return 1;
  MainFrame frame;
  if (argc > 1) frame.setProgramDirectory(QString::fromLocal8Bit(argv[1]));
  frame.setAsker([](const QString& text, int) {
    std::printf("  (question answered No: %s)\n", qPrintable(text));
    return int(QMessageBox::No);
  });
  benchStartUp(frame);
  benchSource(frame, work.path());
  benchResult(frame, "result of 100 000 lines: open to complete", kResultLines, 0);
  benchResult(frame, "result of 100 MB: open to complete", 0, kHugeResultBytes);
  benchGroup(frame, work.path());
  frame.groupManager()->closeGroup();
  removeAllTempFiles();
  return 0;
}
