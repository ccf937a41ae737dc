#include "app/touch_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "core/time_stamp.h"

namespace veldra {

namespace {
constexpr const char* kFieldLabels[] = {"年", "月", "日", "時", "分", "秒"};
}

TouchDialog::TouchDialog(bool selectionAvailable, QWidget* parent)
    : QDialog(parent),
      specified_(new QRadioButton(QStringLiteral("指定時刻に変更(&I)"))),
      selected_(new QRadioButton(QStringLiteral("選択されたﾌｧｲﾙ"))) {
  setWindowTitle(QStringLiteral("ﾀｲﾑｽﾀﾝﾌﾟ変更(Touch)"));
  auto* now = new QRadioButton(QStringLiteral("現在時刻に変更(&C)"));
  now->setChecked(true);
  auto* time = new QGroupBox(QStringLiteral("時刻"));
  auto* timeLayout = new QGridLayout(time);
  timeLayout->addWidget(now, 0, 0, 1, 12);
  timeLayout->addWidget(specified_, 1, 0, 1, 12);
  const QDateTime current = QDateTime::currentDateTime();
  const std::array<int, 6> values{current.date().year(),   current.date().month(),
                                  current.date().day(),    current.time().hour(),
                                  current.time().minute(), current.time().second()};
  for (int i = 0; i < 6; ++i) {
    auto* edit = new QLineEdit(QString::number(values[size_t(i)]));
    edit->setMaxLength(4);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    edit->setEnabled(false);
    connect(specified_, &QRadioButton::toggled, edit, &QLineEdit::setEnabled);
    fields_[size_t(i)] = edit;
    timeLayout->addWidget(edit, 2 + i / 3, (i % 3) * 2);
    timeLayout->addWidget(new QLabel(QString::fromUtf8(kFieldLabels[i])), 2 + i / 3,
                          (i % 3) * 2 + 1);
  }
  auto* which = new QGroupBox(QStringLiteral("対象ﾌｧｲﾙ"));
  auto* whichLayout = new QVBoxLayout(which);
  auto* all = new QRadioButton(QStringLiteral("全てのﾌｧｲﾙ"));
  selected_->setEnabled(selectionAvailable);
  (selectionAvailable ? selected_ : all)->setChecked(true);
  whichLayout->addWidget(selected_);
  whichLayout->addWidget(all);
  auto* buttons = okCancelButtons(this);  // OK reaches the overriding accept()
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(time);
  layout->addWidget(which);
  layout->addWidget(buttons);
}

bool TouchDialog::selectedOnly() const { return selected_->isChecked(); }

void TouchDialog::accept() {
  if (!specified_->isChecked()) {
    when_ = QDateTime::currentDateTime();
    QDialog::accept();
    return;
  }
  const StampFields f{fields_[0]->text(), fields_[1]->text(), fields_[2]->text(),
                      fields_[3]->text(), fields_[4]->text(), fields_[5]->text()};
  const QString message = checkStampFields(f, &when_);
  if (message.isEmpty()) {
    QDialog::accept();
  } else if (warner_) {
    warner_(message);
  } else {
    QMessageBox::warning(this, QStringLiteral("VeldraC"), message);
  }
}

}  // namespace veldra
