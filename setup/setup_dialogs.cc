#include "setup_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "profile_defaults.h"
#include "setup_messages.h"

namespace setup {
namespace {

const char kIntroduction[] =
    "Veldra/C は、C/C++、Basic、Pascal のｿｰｽﾌﾟﾛｸﾞﾗﾑからﾄﾞｷｭﾒﾝﾄを生成するﾂｰﾙです。\n"
    "\n"
    "・関数一覧、関数呼出ﾂﾘｰ、関数逆呼出ﾂﾘｰ\n"
    "・ｱｸｼｮﾝﾀﾞｲｱｸﾞﾗﾑ（関数の構造図）\n"
    "・ｲﾝｸﾙｰﾄﾞﾂﾘｰ、#define のﾁｪｯｸ\n"
    "・ｽﾃｯﾌﾟｶｳﾝﾄ（行数、ｺｰﾄﾞ、ｺﾒﾝﾄ、空行）\n"
    "・ﾀｸﾞ一覧、ﾌｧｲﾙからの検索\n"
    "・HTML 形式のﾄﾞｷｭﾒﾝﾄ一括作成\n"
    "\n"
    "ｿｰｽﾌｧｲﾙをｸﾞﾙｰﾌﾟ(VGP)にまとめ、ｴﾃﾞｨﾀで編集しながら解析を実行できます。"
    "ﾋﾞﾙﾄﾞ、実行、ﾕｰｻﾞﾂｰﾙの起動もﾜｰｸﾍﾞﾝﾁから行えます。\n"
    "\n"
    "このｾｯﾄｱｯﾌﾟは、Veldra/C をﾃﾞｽｸﾄｯﾌﾟに登録します。";

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QDialogButtonBox* okCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(text("ｷｬﾝｾﾙ"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QMessageBox::StandardButton messageBox(QWidget* parent, QMessageBox::Icon icon, int id,
                                       const QString& argument,
                                       QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, text(kSetupTitle), messageText(id, argument), buttons, parent);
  if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) cancel->setText(text("ｷｬﾝｾﾙ"));
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

IntroDialog::IntroDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(text("はじめに"));
  auto* intro = new QPlainTextEdit(text(kIntroduction), this);
  intro->setReadOnly(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(buttons);
  intro->setMinimumSize(440, 260);
}

EnvironmentDialog::EnvironmentDialog(int mode, QWidget* parent) : QDialog(parent) {
  setWindowTitle(text("環境設定"));
  auto* group = new QGroupBox(text("あなたの環境は"), this);
  oldControls_ = new QRadioButton(text("IE3.0 以前のCMNCTL32.DLL を使用"), group);
  newControls_ = new QRadioButton(text("IE3.0, Office97等がｲﾝｽﾄｰﾙされている。"), group);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(oldControls_);
  groupLayout->addWidget(new QLabel(text("※ﾂｰﾙﾊﾞｰのﾌﾗｯﾄ化、ｶｽﾀﾏｲｽﾞはできません。"), group));
  groupLayout->addWidget(newControls_);
  (mode == kOldControlsMode ? oldControls_ : newControls_)->setChecked(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(
      new QLabel(text("Windowsの環境によって一部動作が異なる場合があります。"), this));
  layout->addWidget(new QLabel(text("環境の相違に対応するための設定です。"), this));
  layout->addWidget(okCancel(this));
}

int EnvironmentDialog::mode() const {
  return oldControls_->isChecked() ? kOldControlsMode : kNewControlsMode;
}

SetupDialog::SetupDialog(const Choices& choices, int mode, std::function<bool()> mayProceed,
                         QWidget* parent)
    : QDialog(parent), mode_(mode), mayProceed_(std::move(mayProceed)) {
  setWindowTitle(text(kSetupTitle));
  auto* heading = new QLabel(text("Ｃ言語ﾄﾞｷｭﾒﾝﾄ生成ﾂｰﾙ(Veldra/C) ｾｯﾄｱｯﾌﾟ"), this);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  heading->setFont(headingFont);
  associate_ = new QCheckBox(text("ｸﾞﾙｰﾌﾟﾌｧｲﾙ(VGP)をVeldra/Cと関連づける。"), this);
  desktop_ = new QCheckBox(text("ﾃﾞｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄを作成する。"), this);
  menu_ = new QCheckBox(text("ｽﾀｰﾄ ﾒﾆｭｰに登録する。"), this);
  sendTo_ = new QCheckBox(text("ｴｸｽﾌﾟﾛｰﾗの「送る」ﾒﾆｭｰに登録する。"), this);
  associate_->setChecked(choices.associate);
  desktop_->setChecked(choices.desktopShortcut);
  menu_->setChecked(choices.startMenu);
  sendTo_->setChecked(choices.sendTo);
  auto* more = new QPushButton(text("その他"), this);
  connect(more, &QPushButton::clicked, this, &SetupDialog::showEnvironment);

  auto* moreRow = new QHBoxLayout;
  moreRow->addStretch();
  moreRow->addWidget(more);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  for (QCheckBox* box : {associate_, desktop_, menu_, sendTo_}) layout->addWidget(box);
  layout->addLayout(moreRow);
  layout->addWidget(new QLabel(text("VDSetupを実行することで設定の変更が可能です。"), this));
  layout->addWidget(okCancel(this));
}

Choices SetupDialog::choices() const {
  return Choices{associate_->isChecked(), desktop_->isChecked(), menu_->isChecked(),
                 sendTo_->isChecked()};
}

void SetupDialog::accept() {
  if (mayProceed_ && !mayProceed_()) return;
  QDialog::accept();
}

// Cancelling is confirmed; saying no returns to the dialog.
void SetupDialog::reject() {
  if (!askOkCancel(this, kAskAbandon)) return;
  abandoned_ = true;
  QDialog::reject();
}

void SetupDialog::showEnvironment() {
  EnvironmentDialog dialog(mode_, this);
  if (dialog.exec() == QDialog::Accepted) mode_ = dialog.mode();
}

ProgressWindow::ProgressWindow(bool uninstalling, QWidget* parent) : QDialog(parent) {
  setWindowTitle(text(kSetupTitle));
  setModal(false);
  auto* label = new QLabel(text(uninstalling ? "ｱﾝｲﾝｽﾄｰﾙ中です..." : "ｾｯﾄｱｯﾌﾟ中です..."), this);
  label->setMinimumWidth(240);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
}

void showWarning(QWidget* parent, int id, const QString& argument) {
  messageBox(parent, QMessageBox::Warning, id, argument, QMessageBox::Ok);
}

void showInformation(QWidget* parent, int id, const QString& argument) {
  messageBox(parent, QMessageBox::Information, id, argument, QMessageBox::Ok);
}

bool askOkCancel(QWidget* parent, int id) {
  return messageBox(parent, QMessageBox::Question, id, {}, QMessageBox::Ok | QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

}  // namespace setup
