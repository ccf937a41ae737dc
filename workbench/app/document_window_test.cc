// Result documents read from the event loop: the whole text arrives, the window
// answers meanwhile, and the output file is deleted however the loading ends.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "app/document_window.h"
#include "app/editor_view.h"
#include "core/constants.h"
#include "core/temp_file.h"
#include "core/text_codec.h"

using namespace veldra;

namespace {

// A call-tree-like Shift-JIS result of about `bytes` bytes.
QByteArray treeBytes(qint64 bytes) {
  const QByteArray line = "  \x84\xa5\x84\x9f function  main.c(12)\n";
  return line.repeated(int(bytes / line.size()) + 1);
}

// The result as the analysis leaves it: a registered temporary output file.
QString resultFile(const QByteArray& bytes) {
  const QString path = createTempFile(QLatin1String(kPrefixOutput));
  QFile f(path);
  if (path.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
  return path;
}

}  // namespace

class DocumentWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void smallResultIsCompleteAtOnce() {
    const QByteArray bytes = "main\n  \x84\xa5\x84\x9f calc  calc.c(3)\n";
    const QString path = resultFile(bytes);
    DocumentWindow d(1);
    QSignalSpy finished(&d, &DocumentWindow::loadFinished);
    QVERIFY(d.loadResultFile(path));
    QVERIFY(!d.isLoading());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(d.editor()->toPlainText(), decodeText(bytes));
    QCOMPARE(d.editor()->lineText(2), QStringLiteral("  ├─ calc  calc.c(3)"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!d.editor()->isReadOnly());
    QVERIFY(!d.editor()->document()->isModified());
    QCOMPARE(d.encoding(), TextEncoding::ShiftJis);
  }

  // Eight megabytes cannot be appended within one turn of the event loop: the
  // document fills over several turns, reporting its progress, read-only
  // meanwhile, and ends with the whole text, the caret at the top and no file.
  void largeResultFillsFromTheEventLoop() {
    const QByteArray bytes = treeBytes(8 << 20);
    const QString path = resultFile(bytes);
    DocumentWindow d(1);
    QSignalSpy progress(&d, &DocumentWindow::loadProgress);
    QSignalSpy finished(&d, &DocumentWindow::loadFinished);
    QVERIFY(d.loadResultFile(path));
    QVERIFY(d.isLoading());
    QVERIFY(d.editor()->isReadOnly());
    QVERIFY(!d.editor()->document()->isModified());
    QVERIFY(d.editor()->lineCount() > 1);  // the first turn's text is shown at once
    QVERIFY(QFile::exists(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 120000);
    QVERIFY(progress.count() >= 1);
    int last = 0;
    for (const QList<QVariant>& args : progress) {
      QVERIFY(args.at(0).toInt() >= last);
      last = args.at(0).toInt();
    }
    QVERIFY(last < 100);
    QCOMPARE(d.editor()->lineCount(), bytes.count('\n') + 1);
    QCOMPARE(d.editor()->toPlainText(), decodeText(bytes));
    QCOMPARE(d.editor()->caretLine(), 1);
    QVERIFY(!d.editor()->isReadOnly());
    QVERIFY(!d.editor()->document()->isModified());
    QVERIFY(d.editor()->document()->isUndoRedoEnabled());
    QVERIFY(!QFile::exists(path));
  }

  void closingWhileLoadingDeletesTheFile() {
    const QString path = resultFile(treeBytes(8 << 20));
    auto* d = new DocumentWindow(1);
    QVERIFY(d->loadResultFile(path));
    QVERIFY(d->isLoading());
    delete d;
    QVERIFY(!QFile::exists(path));
    QVERIFY(!liveTempFiles().contains(path));
    QTest::qWait(50);  // no turn of a deleted loader may run
  }

  void savingWhileLoadingWritesTheWholeResult() {
    const QByteArray bytes = treeBytes(8 << 20);
    const QString path = resultFile(bytes);
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("tree.txt"));
    DocumentWindow d(1);
    QVERIFY(d.loadResultFile(path));
    QVERIFY(d.isLoading());
    QVERIFY(d.saveTo(saved));
    QVERIFY(!d.isLoading());
    QFile f(saved);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), bytes);
    QVERIFY(!QFile::exists(path));
  }

  void unreadableResultLeavesAnEmptyDocument() {
    DocumentWindow d(1);
    QVERIFY(!d.loadResultFile(QStringLiteral("/nonexistent/Vdr0000.tmp")));
    QVERIFY(!d.isLoading());
    QCOMPARE(d.editor()->toPlainText(), QString());
  }
};

QTEST_MAIN(DocumentWindowTest)
#include "document_window_test.moc"
