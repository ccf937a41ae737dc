#include "app/analysis_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_limits.h"
#include "app/app_messages.h"
#include "core/analysis_kind.h"
#include "core/engine_run.h"
#include "core/temp_file.h"

namespace veldra {

namespace {

// One animation at a time in the whole program: a second run is refused.
int runningAnimations = 0;

QPixmap animationFrame(int frame) {
  static QList<QPixmap> frames;  // loaded once per program run
  if (frames.isEmpty()) {
    for (int i = 0; i < kAnimationFrames; ++i)
      frames.append(QPixmap(QStringLiteral(":/icons/anim%1.png").arg(i)));
  }
  return frames.at(frame % kAnimationFrames);
}

QString kindTitle(int kind) {
  const AnalysisKindInfo* info = analysisKindInfo(kind);
  return info ? QString::fromUtf8(info->title) : QString();
}

}  // namespace

AnalysisDialog::AnalysisDialog(int kind, AnalysisContext context, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      context_(std::move(context)),
      run_(new AnalysisRun(this)),
      icon_(new QLabel(this)),
      all_(new QRadioButton(QStringLiteral("全てのﾌｧｲﾙ(&A)"), this)),
      selected_(new QRadioButton(QStringLiteral("選択されたﾌｧｲﾙ(&S)"), this)),
      animation_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("解析実行[%1]").arg(kindTitle(kind)));
  auto* title = new QLabel(kindTitle(kind), this);
  icon_->setFixedSize(kDialogIconSize, kDialogIconSize);
  showKindIcon();

  auto* target = new QGroupBox(QStringLiteral("ｸﾞﾙｰﾌﾟ(ﾀｰｹﾞｯﾄ)"), this);
  auto* targetLayout = new QVBoxLayout(target);
  targetLayout->addWidget(all_);
  targetLayout->addWidget(selected_);
  selected_->setEnabled(context_.selectionAvailable);
  (context_.selectionAvailable ? selected_ : all_)->setChecked(true);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QDialogButtonBox::Ok);
  buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &AnalysisDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &AnalysisDialog::reject);

  auto* head = new QHBoxLayout;
  head->addWidget(icon_);
  head->addWidget(title, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(target);
  layout->addWidget(buttons);

  animation_->setInterval(kAnimationMs);
  connect(animation_, &QTimer::timeout, this, &AnalysisDialog::nextFrame);
  connect(run_, &AnalysisRun::finished, this, &AnalysisDialog::onFinished);
}

AnalysisDialog::~AnalysisDialog() {
  if (animation_->isActive()) --runningAnimations;
  if (!result_.isEmpty()) removeTempFile(result_);
}

bool AnalysisDialog::isRunning() const { return run_->isRunning(); }

QString AnalysisDialog::commandLine() const { return run_->commandLine(); }

QString AnalysisDialog::takeResultFile() {
  QString out = result_;
  result_.clear();
  return out;
}

void AnalysisDialog::showKindIcon() {
  icon_->setPixmap(QPixmap(QStringLiteral(":/icons/kind%1.png").arg(kind_)));
}

void AnalysisDialog::nextFrame() {
  frame_ = (frame_ + 1) % kAnimationFrames;
  icon_->setPixmap(animationFrame(frame_));
}

void AnalysisDialog::setRunning(bool running) {
  ok_->setEnabled(!running);
  all_->setEnabled(!running);
  selected_->setEnabled(!running && context_.selectionAvailable);
  if (running) {
    ++runningAnimations;
    frame_ = 0;
    icon_->setPixmap(animationFrame(frame_));
    animation_->start();
    emit runStarted();
  } else {
    if (animation_->isActive()) --runningAnimations;
    animation_->stop();
    showKindIcon();
    emit runEnded();
  }
}

void AnalysisDialog::accept() {
  if (run_->isRunning()) return;
  if (runningAnimations > 0) {
    QMessageBox::warning(this, windowTitle(), msg::kAlreadyRunning.str());
    return;
  }
  AnalysisRequest request;
  request.kind = kind_;
  request.files = context_.files ? context_.files(selected_->isChecked()) : QList<QByteArray>();
  request.workingDirectory = context_.workingDirectory;
  request.options = context_.options;
  request.macroFile = context_.macroFile;
  request.programDir = context_.programDir;
  const QString failure = run_->start(request);
  if (!failure.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), failure);
    return;  // the dialog stays open and idle: the user may retry or cancel
  }
  setRunning(true);
}

void AnalysisDialog::reject() {
  if (run_->isRunning()) {
    run_->cancel();  // onFinished closes the dialog once the engine has ended
    return;
  }
  QDialog::reject();
}

void AnalysisDialog::onFinished(bool completed) {
  setRunning(false);
  if (!completed) {
    QDialog::reject();
    return;
  }
  result_ = run_->takeResultFile();
  QDialog::accept();
}

}  // namespace veldra
