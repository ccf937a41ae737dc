#include "app/editor_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>

#include "app/app_limits.h"

namespace veldra {

QString leadingIndent(const QString& line) {
  const int limit = std::min<int>(line.size(), kAutoIndentScan);
  int n = 0;
  while (n < limit) {
    const QChar c = line.at(n);
    if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QChar(0x3000)) break;
    ++n;
  }
  return line.left(n);
}

EditorView::EditorView(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setTabSize(kDefaultTabSize);
  connect(this, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { emit caretMoved(caretLine(), caretColumn()); });
}

int EditorView::caretLine() const { return textCursor().blockNumber() + 1; }

int EditorView::caretColumn() const { return textCursor().positionInBlock() + 1; }

int EditorView::lineCount() const { return document()->blockCount(); }

QString EditorView::lineText(int line) const {
  const QTextBlock block = document()->findBlockByNumber(line - 1);
  return block.isValid() ? block.text() : QString();
}

void EditorView::setTabSize(int characters) {
  setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * characters);
}

void EditorView::goToLine(int line, bool extend) {
  line = std::clamp(line, 1, lineCount());
  const QTextBlock block = document()->findBlockByNumber(line - 1);
  QTextCursor cursor = textCursor();
  const bool keepSelection = extend || cursor.hasSelection();
  cursor.setPosition(block.position(),
                     keepSelection ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
  setTextCursor(cursor);
  if (!keepSelection) centerCursor();
  emit caretMoved(caretLine(), caretColumn());
}

void EditorView::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QPlainTextEdit::keyPressEvent(event);
  if (enter && autoIndent_ && !isReadOnly()) insertIndentOfPreviousLine();
}

void EditorView::insertIndentOfPreviousLine() {
  const QTextBlock previous = textCursor().block().previous();
  if (!previous.isValid()) return;
  const QString indent = leadingIndent(previous.text());
  if (!indent.isEmpty()) insertPlainText(indent);
}

void EditorView::contextMenuEvent(QContextMenuEvent* event) {
  if (contextMenu_) {
    contextMenu_->exec(event->globalPos());
    return;
  }
  QPlainTextEdit::contextMenuEvent(event);
}

}  // namespace veldra
