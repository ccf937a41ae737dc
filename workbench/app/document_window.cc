#include "app/document_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QVBoxLayout>

#include "app/app_messages.h"
#include "app/editor_view.h"
#include "app/result_loader.h"
#include "core/text_codec.h"

namespace veldra {

DocumentWindow::DocumentWindow(int untitledNumber, QWidget* parent)
    : QWidget(parent),
      editor_(new EditorView(this)),
      untitledName_(msg::kUntitled.str() + QString::number(untitledNumber)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(editor_);
  setFocusProxy(editor_);
  source_.encoding = TextEncoding::ShiftJis;
  connect(editor_->document(), &QTextDocument::modificationChanged, this,
          &QWidget::setWindowModified);
  updateCaption();
}

bool DocumentWindow::load(const QString& path, QString* error) {
  SourceText text;
  if (!readSourceFile(path, &text, error)) return false;
  source_ = text;
  path_ = QFileInfo(path).absoluteFilePath();
  editor_->setPlainText(text.text);
  editor_->document()->setModified(false);
  updateCaption();
  return true;
}

void DocumentWindow::setResultBytes(const QByteArray& bytes) {
  // The engine writes Shift-JIS (its line pieces are Shift-JIS box-drawing
  // characters) unless the sources were UTF-8; the same rule tells them apart.
  source_ = SourceText{};
  source_.encoding = isMultiByteUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
  editor_->setPlainText(decodeText(bytes));
  editor_->document()->setModified(false);
  updateCaption();
}

bool DocumentWindow::loadResultFile(const QString& path) {
  source_ = SourceText{};
  source_.encoding = TextEncoding::ShiftJis;
  editor_->clear();
  loader_ = new ResultLoader(editor_, path, this);
  connect(loader_, &ResultLoader::progress, this, &DocumentWindow::loadProgress);
  connect(loader_, &ResultLoader::finished, this, [this] {
    source_.encoding = loader_->isUtf8() ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    loader_->deleteLater();
    emit loadFinished();
  });
  const bool ok = loader_->start();
  if (!ok) delete loader_;
  updateCaption();
  return ok;
}

bool DocumentWindow::isLoading() const { return loader_ && !loader_->isDone(); }

QString DocumentWindow::title() const {
  return path_.isEmpty() ? untitledName_ : QFileInfo(path_).fileName();
}

void DocumentWindow::updateCaption() { setWindowTitle(title() + QStringLiteral("[*]")); }

bool DocumentWindow::saveTo(const QString& target) {
  const QString path = target.isEmpty() ? path_ : target;
  // A result still being read is saved whole.
  if (isLoading()) loader_->finishNow();
  // Bytes that neither encoding reproduces would be lost by writing over them.
  if (!source_.exact && path == path_) {
    QMessageBox::warning(this, title(), msg::kCannotKeepEncoding.str().arg(path));
    return false;
  }
  QString error;
  if (!writeSourceFile(path, encodeSource(editor_->toPlainText(), source_.encoding, source_.crlf),
                       &error)) {
    QMessageBox::warning(this, title(), msg::kSaveFailed.str().arg(path, error));
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  source_.exact = true;
  editor_->document()->setModified(false);
  updateCaption();
  emit saved(path_);
  return true;
}

bool DocumentWindow::maybeSave() {
  if (!editor_->document()->isModified()) return true;
  const auto answer = QMessageBox::question(
      this, QStringLiteral("VeldraC"), msg::kDocumentModified.str().arg(title()),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::No) return true;
  if (!isUntitled()) return saveTo(QString());
  // An untitled document needs a name: the frame's save-as asks for it.
  emit saveAsRequested(this);
  return !editor_->document()->isModified();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (maybeSave()) {
    // A result still being read stops now and its file goes with it; the
    // window itself is deleted only later.
    delete loader_;
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace veldra
