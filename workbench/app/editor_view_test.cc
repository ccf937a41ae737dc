// The editor: moving to a line (clamped, selection kept), automatic indentation.
#include <QtTest>

#include "app/editor_view.h"

using namespace veldra;

class EditorViewTest : public QObject {
  Q_OBJECT

 private slots:
  void goToLineClampsToTheDocument_data() {
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("line 0") << 0 << 1;
    QTest::newRow("negative") << -5 << 1;
    QTest::newRow("inside") << 3 << 3;
    QTest::newRow("last") << 5 << 5;
    QTest::newRow("past the end") << 99 << 5;
  }
  void goToLineClampsToTheDocument() {
    QFETCH(int, requested);
    QFETCH(int, expected);
    EditorView view;
    view.setPlainText(QStringLiteral("a\nbb\nccc\ndddd\neeeee"));
    view.moveCursor(QTextCursor::End);
    QSignalSpy moved(&view, &EditorView::caretMoved);
    view.goToLine(requested);
    QCOMPARE(view.caretLine(), expected);
    QCOMPARE(view.caretColumn(), 1);
    QVERIFY(!view.textCursor().hasSelection());
    QCOMPARE(moved.last().at(0).toInt(), expected);
  }

  void goToLineExtendsAnExistingSelection() {
    EditorView view;
    view.setPlainText(QStringLiteral("one\ntwo\nthree\nfour\n"));
    QTextCursor c = view.textCursor();
    c.setPosition(1);
    c.setPosition(2, QTextCursor::KeepAnchor);
    view.setTextCursor(c);
    view.goToLine(3);
    QCOMPARE(view.textCursor().selectedText(),
             QStringLiteral("ne") + QChar(0x2029) + QStringLiteral("two") + QChar(0x2029));
    view.goToLine(1, false);  // the selection is still there: extended back to line 1
    QCOMPARE(view.textCursor().selectionStart(), 0);
  }

  void leadingIndentTakesBlanksTabsAndFullWidthBlanks() {
    QCOMPARE(leadingIndent(QStringLiteral("\t  \u3000x  y")), QStringLiteral("\t  \u3000"));
    QCOMPARE(leadingIndent(QStringLiteral("x")), QString());
    QCOMPARE(leadingIndent(QString(300, QLatin1Char(' '))).size(), 256);
  }

  void enterCopiesThePreviousIndent() {
    EditorView view;
    view.setPlainText(QStringLiteral("\t  if (x) {"));
    view.moveCursor(QTextCursor::End);
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(view.toPlainText(), QStringLiteral("\t  if (x) {\n\t  "));
    view.setAutoIndent(false);
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(view.toPlainText(), QStringLiteral("\t  if (x) {\n\t  \n"));
  }

  void lineTextOutsideTheDocumentIsEmpty() {
    EditorView view;
    view.setPlainText(QStringLiteral("first\nsecond"));
    QCOMPARE(view.lineText(2), QStringLiteral("second"));
    QCOMPARE(view.lineText(0), QString());
    QCOMPARE(view.lineText(3), QString());
  }
};

QTEST_MAIN(EditorViewTest)
#include "editor_view_test.moc"
