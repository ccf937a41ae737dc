// The plain-text editor of every document window: caret position, moving to a
// line, automatic indentation and the display options.
#pragma once

#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>

namespace veldra {

class EditorView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit EditorView(QWidget* parent = nullptr);

  // Caret line and column, both counted from 1.
  int caretLine() const;
  int caretColumn() const;
  int lineCount() const;
  // The text of line n (counted from 1), empty outside the document.
  QString lineText(int line) const;

  // Moves to line n, clamped to the document; extends the selection when text is
  // selected or `extend` is set, otherwise puts the caret at the line's start and
  // centres the line vertically.
  void goToLine(int line, bool extend = false);

  void setAutoIndent(bool on) { autoIndent_ = on; }
  void setTabSize(int characters);
  // The menu shown on a right click (the frame's edit commands).
  void setContextMenu(QMenu* menu) { contextMenu_ = menu; }

 signals:
  void caretMoved(int line, int column);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void insertIndentOfPreviousLine();

  bool autoIndent_ = true;
  QPointer<QMenu> contextMenu_;
};

// The leading blanks, tabs and full-width blanks of `line`, looking at no more
// than the first kAutoIndentScan characters.
QString leadingIndent(const QString& line);

}  // namespace veldra
