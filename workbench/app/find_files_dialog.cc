#include "app/find_files_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/constants.h"

namespace veldra {

FindFilesDialog::FindFilesDialog(const QStringList& history, const FindOptions& last,
                                 bool selectionAvailable, QWidget* parent)
    : QDialog(parent),
      text_(new QComboBox),
      selected_(new QRadioButton(QStringLiteral("選択されたﾌｧｲﾙ(&P)"))),
      word_(new QCheckBox(QStringLiteral("単語単位で捜す(&W)"))),
      case_(new QCheckBox(QStringLiteral("大文字小文字を区別する(&C)"))),
      namesOnly_(new QCheckBox(QStringLiteral("ﾌｧｲﾙ名一覧だけ作成する"))),
      fullPath_(new QCheckBox(QStringLiteral("ﾌｧｲﾙ名をﾌﾙﾊﾟｽで表示する"))) {
  setWindowTitle(QStringLiteral("ﾌｧｲﾙから検索"));
  text_->setEditable(true);
  text_->addItems(history);
  text_->setCurrentText(last.text);
  text_->lineEdit()->setMaxLength(kFindTextMax);
  text_->setMinimumWidth(320);
  auto* label = new QLabel(QStringLiteral("検索する文字列(&N):"));
  label->setBuddy(text_);
  auto* which = new QGroupBox(QStringLiteral("対象ﾌｧｲﾙ"));
  auto* whichLayout = new QVBoxLayout(which);
  auto* all = new QRadioButton(QStringLiteral("全てのﾌｧｲﾙ(&A)"));
  whichLayout->addWidget(selected_);
  whichLayout->addWidget(all);
  selected_->setEnabled(selectionAvailable);
  (selectionAvailable ? selected_ : all)->setChecked(true);
  word_->setChecked(last.word);
  case_->setChecked(last.caseSensitive);
  namesOnly_->setChecked(last.namesOnly);
  fullPath_->setChecked(last.fullPath);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (!text_->currentText().isEmpty()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(text_, 0, 1);
  grid->addWidget(which, 1, 0, 1, 2);
  int row = 2;
  for (QCheckBox* box : {word_, case_, namesOnly_, fullPath_}) grid->addWidget(box, row++, 0, 1, 2);
  grid->addWidget(buttons, row, 0, 1, 2);
}

FindOptions FindFilesDialog::options() const {
  FindOptions o;
  o.text = text_->currentText().left(kFindTextMax);
  o.word = word_->isChecked();
  o.caseSensitive = case_->isChecked();
  o.namesOnly = namesOnly_->isChecked();
  o.fullPath = fullPath_->isChecked();
  return o;
}

bool FindFilesDialog::selectedOnly() const { return selected_->isChecked(); }

FindProgressDialog::FindProgressDialog(FileSearch* search, QWidget* parent)
    : QDialog(parent), search_(search), file_(new QLabel), count_(new QLabel) {
  setWindowTitle(QStringLiteral("検索中"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("検索中 : ")), 0, 0);
  grid->addWidget(file_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("見つかった数 : ")), 1, 0);
  grid->addWidget(count_, 1, 1);
  auto* stop = new QPushButton(QStringLiteral("中断"));
  connect(stop, &QPushButton::clicked, this, &QDialog::reject);
  grid->addWidget(stop, 2, 0, 1, 2, Qt::AlignCenter);
  file_->setMinimumWidth(360);
  count_->setText(QStringLiteral("0"));
  // Zero-interval timer: a slice of searching per event-loop turn.
  connect(&timer_, &QTimer::timeout, this, &FindProgressDialog::slice);
  timer_.start(0);
  connect(this, &QDialog::finished, &timer_, &QTimer::stop);
}

void FindProgressDialog::slice() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < kFindSliceMs && search_->step()) {
  }
  lines_ += search_->takeLines();
  file_->setText(search_->currentFile());
  count_->setText(QString::number(search_->hits()));
  if (search_->done()) accept();
}

}  // namespace veldra
