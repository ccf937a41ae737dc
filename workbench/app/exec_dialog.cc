#include "app/exec_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialog_buttons.h"

namespace veldra {

ExecDialog::ExecDialog(const QStringList& history, const ExecRequest& last, QWidget* parent)
    : QDialog(parent),
      line_(new QComboBox),
      capture_(new QCheckBox(QStringLiteral("ｺﾝｿｰﾙ出力の取り込み(&O)"))),
      shell_(new QCheckBox(QStringLiteral("ｺﾏﾝﾄﾞｼｪﾙ経由で実行(&S)"))),
      minimised_(new QCheckBox(QStringLiteral("ｱｲｺﾝ化状態で実行(&I)"))) {
  setWindowTitle(QStringLiteral("ﾌﾟﾛｸﾞﾗﾑの実行"));
  line_->setEditable(true);
  line_->addItems(history);
  line_->setCurrentText(last.commandLine);
  line_->setMinimumWidth(360);
  capture_->setChecked(last.capture);
  shell_->setChecked(last.shell);
  minimised_->setChecked(last.minimised);
  auto* label = new QLabel(QStringLiteral("ｺﾏﾝﾄﾞﾗｲﾝ (&L):   "));
  label->setBuddy(line_);
  auto* browse = new QPushButton(QStringLiteral("参照(&B)..."));
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("実行ﾌｧｲﾙの選択"), QString(),
        QStringLiteral("Executable Files(*.exe) (*.exe);;All Files(*.*) (*)"));
    if (!path.isEmpty()) line_->setCurrentText(path);
  });
  auto* buttons = okCancelButtons(this);
  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(line_, 0, 1);
  grid->addWidget(browse, 0, 2);
  grid->addWidget(capture_, 1, 0, 1, 3);
  grid->addWidget(shell_, 2, 0, 1, 3);
  grid->addWidget(minimised_, 3, 0, 1, 3);
  grid->addWidget(buttons, 4, 0, 1, 3);
}

ExecRequest ExecDialog::request() const {
  return {line_->currentText().trimmed(), capture_->isChecked(), shell_->isChecked(),
          minimised_->isChecked()};
}

}  // namespace veldra
