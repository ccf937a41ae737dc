#include "app/result_loader.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/app_limits.h"
#include "core/temp_file.h"

namespace veldra {

ResultLoader::ResultLoader(QPlainTextEdit* editor, const QString& path, QObject* parent)
    : QObject(parent), editor_(editor), path_(path) {
  turn_.setInterval(0);
  connect(&turn_, &QTimer::timeout, this, [this] { appendSlice(kResultSliceMs); });
}

ResultLoader::~ResultLoader() {
  // Destroyed with its document before the end: the editor may be gone already.
  if (!done_) removeTempFile(path_);
}

bool ResultLoader::start() {
  if (!reader_.open(path_, nullptr)) {
    done_ = true;
    removeTempFile(path_);
    return false;
  }
  // Appending a result is no edit to undo, and an undo history of a hundred
  // megabytes would double the memory it takes.
  wasUndoEnabled_ = editor_->document()->isUndoRedoEnabled();
  editor_->document()->setUndoRedoEnabled(false);
  editor_->setReadOnly(true);
  appendSlice(kResultSliceMs);
  if (!done_) turn_.start();
  return true;
}

void ResultLoader::finishNow() {
  while (!done_) appendPiece();
}

void ResultLoader::appendSlice(int budgetMs) {
  QElapsedTimer clock;
  clock.start();
  do {
    appendPiece();
  } while (!done_ && clock.elapsed() < budgetMs);
  if (!done_) emit progress(reader_.percent());
}

void ResultLoader::appendPiece() {
  const bool first = reader_.consumed() == 0;
  const QString text = reader_.next(kResultPieceBytes);
  if (!text.isEmpty()) {
    QTextCursor end(editor_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    // The result being shown is no edit: closing it meanwhile asks nothing.
    editor_->document()->setModified(false);
  }
  // The caret stays at the top, where a freshly opened document starts.
  if (first) editor_->moveCursor(QTextCursor::Start);
  if (reader_.atEnd()) finish();
}

void ResultLoader::finish() {
  done_ = true;
  turn_.stop();
  removeTempFile(path_);
  editor_->document()->setUndoRedoEnabled(wasUndoEnabled_);
  editor_->setReadOnly(false);
  editor_->document()->setModified(false);
  emit finished();
}

}  // namespace veldra
