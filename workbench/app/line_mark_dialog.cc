#include "app/line_mark_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/line_marks.h"

namespace veldra {

LineMarkDialog::LineMarkDialog(LineMarks* marks, QWidget* parent)
    : QDialog(parent), marks_(marks), list_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("行ﾏｰｸ一覧"));
  auto* jump = new QPushButton(QStringLiteral("ｼﾞｬﾝﾌﾟ(&J)"), this);
  auto* add = new QPushButton(QStringLiteral("追加(&A)"), this);
  auto* remove = new QPushButton(QStringLiteral("削除(&D)"), this);
  auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this);
  jump->setDefault(true);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {jump, add, remove, cancel}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  list_->setMinimumWidth(420);

  auto choose = [this] {
    chosen_ = list_->currentRow();
    if (chosen_ >= 0) accept();
  };
  connect(jump, &QPushButton::clicked, this, choose);
  connect(list_, &QListWidget::itemDoubleClicked, this, choose);
  connect(add, &QPushButton::clicked, this, &LineMarkDialog::addRequested);
  connect(remove, &QPushButton::clicked, this, [this] {
    marks_->remove(list_->currentRow());
    refresh();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  refresh();
}

void LineMarkDialog::refresh() {
  list_->clear();
  for (const LineMark& m : marks_->marks()) list_->addItem(LineMarks::listText(m));
  list_->setCurrentRow(list_->count() - 1);
}

}  // namespace veldra
