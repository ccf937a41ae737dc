#include "app/build_options_sheet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace veldra {

namespace {

const QString kExecutableFilter =
    QStringLiteral("Executable Files(*.exe) (*.exe);;All Files(*.*) (*)");

}  // namespace

BuildOptionsSheet::BuildOptionsSheet(const BuildOptions& options,
                                     const BuildEnvironment& environment, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("ﾋﾞﾙﾄﾞ設定"));
  tabs_->addTab(buildPage(options), QStringLiteral("ﾋﾞﾙﾄﾞ"));
  tabs_->addTab(runPage(options), QStringLiteral("実行"));
  tabs_->addTab(environmentPage(environment), QStringLiteral("環境"));
  layOutSheet(this, tabs_);
  resize(560, sizeHint().height());
}

// A labelled line with a "参照" button that fills it from a file dialog.
QLineEdit* BuildOptionsSheet::browsed(const QString& text, const QString& button,
                                      const QString& title, const QString& filter, QWidget* page,
                                      int row) {
  auto* grid = static_cast<QGridLayout*>(page->layout());
  auto* label = new QLabel(text);
  auto* edit = new QLineEdit;
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  if (!button.isEmpty()) {
    auto* browse = new QPushButton(button);
    connect(browse, &QPushButton::clicked, this, [this, edit, title, filter] {
      const QString path = QFileDialog::getOpenFileName(this, title, edit->text(), filter);
      if (!path.isEmpty()) edit->setText(path);
    });
    grid->addWidget(browse, row, 2);
  }
  return edit;
}

QWidget* BuildOptionsSheet::buildPage(const BuildOptions& o) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  makeFile_ =
      browsed(QStringLiteral("ﾒｲｸﾌｧｲﾙ(&F) :   "), QStringLiteral("参照(&B)..."),
              QStringLiteral("ﾒｲｸﾌｧｲﾙの選択"),
              QStringLiteral("Make Files(*.mk;*.mak) (*.mk *.mak);;All Files(*.*) (*)"), page, 0);
  makeUtility_ = browsed(QStringLiteral("ﾂｰﾙ(&T) :   "), QStringLiteral("参照(&C)..."),
                         QStringLiteral("ﾒｲｸﾕｰﾃｨﾘﾃｨの選択"), kExecutableFilter, page, 1);
  makeOptions_ = browsed(QStringLiteral("起動時ｵﾌﾟｼｮﾝ(&V) : "), {}, {}, {}, page, 2);
  makeFile_->setText(o.makeFile);
  makeUtility_->setText(o.makeUtility);
  makeOptions_->setText(o.makeOptions);
  grid->setRowStretch(3, 1);
  return page;
}

QWidget* BuildOptionsSheet::runPage(const BuildOptions& o) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  runCommand_ = browsed(QStringLiteral("ﾌﾟﾛｸﾞﾗﾑ名 (&N):     "), QStringLiteral("参照(&B)..."),
                        QStringLiteral("実行ﾌｧｲﾙの選択"), kExecutableFilter, page, 0);
  runOptions_ = browsed(QStringLiteral("実行時ﾊﾟﾗﾒｰﾀ (&P) :   "), {}, {}, {}, page, 1);
  runCommand_->setText(o.runCommand);
  runOptions_->setText(o.runOptions);
  runFlags_ = {checkBox("ｺﾏﾝﾄﾞｼｪﾙ経由で実行(&S)", o.runFlags[0] != 0),
               checkBox("ｺﾝｿｰﾙ出力の取り込み(&O)", o.runFlags[1] != 0),
               checkBox("ｱｲｺﾝ化状態で実行(&I)", o.runFlags[2] != 0)};
  for (int i = 0; i < 3; ++i) grid->addWidget(runFlags_[size_t(i)], 2 + i, 0, 1, 3);
  grid->setRowStretch(5, 1);
  return page;
}

QWidget* BuildOptionsSheet::environmentPage(const BuildEnvironment& e) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  information_ = checkBox("ﾋﾞﾙﾄﾞ前後にｲﾝﾌｫﾒｰｼｮﾝを表示する.", e.showInformation);
  skipSave_ = checkBox("ﾋﾞﾙﾄﾞ時に [全て保存] を実行しない. ", e.skipSaveAll);
  layout->addWidget(information_);
  layout->addWidget(skipSave_);
  layout->addStretch();
  return page;
}

BuildOptions BuildOptionsSheet::options() const {
  BuildOptions o;
  o.makeFile = makeFile_->text();
  o.makeUtility = makeUtility_->text();
  o.makeOptions = makeOptions_->text();
  o.runCommand = runCommand_->text();
  o.runOptions = runOptions_->text();
  for (size_t i = 0; i < runFlags_.size(); ++i) o.runFlags[i] = runFlags_[i]->isChecked() ? 1 : 0;
  return o;
}

BuildEnvironment BuildOptionsSheet::environment() const {
  BuildEnvironment e;
  e.showInformation = information_->isChecked();
  e.skipSaveAll = skipSave_->isChecked();
  return e;
}

}  // namespace veldra
