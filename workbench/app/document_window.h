// One document in the frame: a source file or an untitled text (an analysis
// result, a new file) shown in an editor view.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/source_text.h"

namespace veldra {

class EditorView;
class ResultLoader;

class DocumentWindow : public QWidget {
  Q_OBJECT
 public:
  // An untitled document named "無題<number>".
  explicit DocumentWindow(int untitledNumber, QWidget* parent = nullptr);

  // Loads a source file; on failure the window keeps its text and returns false
  // with the system's error text.
  bool load(const QString& path, QString* error);
  // Shows an engine output file's bytes as an untitled, unmodified text.
  void setResultBytes(const QByteArray& bytes);
  // Shows an engine output file as an untitled, unmodified text, read a piece at
  // a time from the event loop (read-only until complete). The document owns the
  // file from now on and deletes it once read or when closed before. False when
  // the file could not be read (the document stays empty).
  bool loadResultFile(const QString& path);
  bool isLoading() const;

  // Saves to the document's file, or to `path` (which becomes its file). Shows
  // the failure and returns false when the file could not be written.
  bool saveTo(const QString& path);
  // Asks whether to save a modified document: false when the user cancels or
  // the save failed.
  bool maybeSave();

  EditorView* editor() const { return editor_; }
  QString path() const { return path_; }  // empty for an untitled document
  QString title() const;
  bool isUntitled() const { return path_.isEmpty(); }
  TextEncoding encoding() const { return source_.encoding; }

 signals:
  void saved(const QString& path);
  // An untitled document asked to be saved: the frame asks for a name.
  void saveAsRequested(DocumentWindow* document);
  // A result file being read: how much of it is shown (0 to 100), and its end.
  void loadProgress(int percent);
  void loadFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void updateCaption();

  EditorView* editor_;
  QString path_;
  QString untitledName_;
  SourceText source_;  // encoding and line ends the text is written back in
  QPointer<ResultLoader> loader_;
};

}  // namespace veldra
