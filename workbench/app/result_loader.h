// Fills an editor with an engine output file a piece at a time from the event
// loop, so a result of a hundred megabytes opens without freezing the window.
// The loader owns the (temporary) output file: it deletes it once read, or when
// it is destroyed before the end (the document was closed while loading).
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "core/result_reader.h"

#include <QPlainTextEdit>

namespace veldra {

class ResultLoader : public QObject {
  Q_OBJECT
 public:
  ResultLoader(QPlainTextEdit* editor, const QString& path, QObject* parent = nullptr);
  ~ResultLoader() override;

  // Opens the file and appends the first turn's pieces at once (a small result
  // is then complete); the rest follows from the event loop. False when the file
  // cannot be read: the editor stays empty and the file is deleted.
  bool start();
  // Appends everything still unread now (before saving the document).
  void finishNow();

  bool isDone() const { return done_; }
  bool isUtf8() const { return reader_.isUtf8(); }
  int percent() const { return reader_.percent(); }

 signals:
  void progress(int percent);
  void finished();

 private:
  void appendSlice(int budgetMs);
  void appendPiece();
  void finish();

  QPointer<QPlainTextEdit> editor_;
  QString path_;
  ResultReader reader_;
  QTimer turn_;
  bool wasUndoEnabled_ = true;
  bool done_ = false;
};

}  // namespace veldra
