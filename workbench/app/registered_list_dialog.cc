#include "app/registered_list_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "core/constants.h"
#include "core/messages.h"

namespace veldra {

const RegisteredListKind kToolListKind{"ﾂｰﾙの登録",
                                       "ﾂｰﾙの指定",
                                       "ﾀｲﾄﾙ(&T) :   ",
                                       "ﾌｧｲﾙ(&F) :  ",
                                       "ｵﾌﾟｼｮﾝ(&O) : ",
                                       "実行ﾌｧｲﾙの選択",
                                       "Executable Files(*.exe) (*.exe);;All Files(*.*) (*)",
                                       nullptr};
const RegisteredListKind kHelpListKind{"ﾍﾙﾌﾟの登録",
                                       "ﾍﾙﾌﾟの指定",
                                       "ﾀｲﾄﾙ(&T) :   ",
                                       "ﾌｧｲﾙ(&F) :  ",
                                       nullptr,
                                       "ﾍﾙﾌﾟﾌｧｲﾙの選択",
                                       "Help Files(*.hlp) (*.hlp);;All Files(*.*) (*)",
                                       nullptr};
const RegisteredListKind kFileTypeListKind{
    "ﾌｧｲﾙﾀｲﾌﾟの登録",
    "ﾌｧｲﾙﾀｲﾌﾟの指定",
    "名称(&N) :   ",
    "拡張子(&E) :  ",
    nullptr,
    nullptr,
    nullptr,
    "拡張子は、； で区切り複数指定可能です。\n\"*.txt；*.log\" の様に＊付きで指定して下さい。"};

RegisteredItemDialog::RegisteredItemDialog(const RegisteredListKind& kind,
                                           const RegisteredItem& item, QWidget* parent)
    : QDialog(parent), title_(new QLineEdit(item.title)), value_(new QLineEdit(item.value)) {
  setWindowTitle(QString::fromUtf8(kind.itemTitle));
  auto* grid = new QGridLayout;
  auto addRow = [grid](int row, const char* label, QLineEdit* edit) {
    auto* l = new QLabel(QString::fromUtf8(label));
    l->setBuddy(edit);
    grid->addWidget(l, row, 0);
    grid->addWidget(edit, row, 1);
  };
  addRow(0, kind.titleLabel, title_);
  addRow(1, kind.valueLabel, value_);
  if (kind.browseTitle != nullptr) {
    auto* browse = new QPushButton(QStringLiteral("参照(&B)..."));
    const QString title = QString::fromUtf8(kind.browseTitle);
    const QString filter = QString::fromUtf8(kind.browseFilter);
    connect(browse, &QPushButton::clicked, this, [this, title, filter] {
      const QString path = QFileDialog::getOpenFileName(this, title, value_->text(), filter);
      if (!path.isEmpty()) value_->setText(path);
    });
    grid->addWidget(browse, 1, 2);
  }
  if (kind.optionsLabel != nullptr) {
    options_ = new QLineEdit(item.options);
    addRow(2, kind.optionsLabel, options_);
  }
  if (kind.hint != nullptr) grid->addWidget(new QLabel(QString::fromUtf8(kind.hint)), 3, 0, 1, 3);
  auto* buttons = okCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  resize(480, sizeHint().height());
}

RegisteredItem RegisteredItemDialog::item() const {
  return {title_->text(), value_->text(), options_ ? options_->text() : QString()};
}

RegisteredListDialog::RegisteredListDialog(const RegisteredListKind& kind,
                                           const RegisteredList& list, QWidget* parent)
    : QDialog(parent), kind_(kind), list_(list), view_(new QListWidget(this)) {
  setWindowTitle(QString::fromUtf8(kind.listTitle));
  editor_ = [this](RegisteredItem* item) {
    RegisteredItemDialog dialog(kind_, *item, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    *item = dialog.item();
    return true;
  };
  auto* buttons = new QVBoxLayout;
  auto add = [this, buttons](const char* label, auto fn) {
    auto* b = new QPushButton(QString::fromUtf8(label));
    connect(b, &QPushButton::clicked, this, fn);
    buttons->addWidget(b);
  };
  add("新規(&N)...", [this] { addNew(); });
  add("変更(&H)...", [this] { changeSelected(); });
  add("削除(&R)", [this] { removeSelected(); });
  add("上へ移動(&U)", [this] { moveSelected(-1); });
  add("下へ移動(&D)", [this] { moveSelected(1); });
  buttons->addStretch();
  auto* box = okCancelButtons(this);
  buttons->addWidget(box);
  box->setOrientation(Qt::Vertical);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
  connect(view_, &QListWidget::itemDoubleClicked, this, [this] { changeSelected(); });
  refresh(0);
}

void RegisteredListDialog::warn(const QString& text) {
  if (warner_) {
    warner_(text);
  } else {
    QMessageBox::warning(this, QStringLiteral("VeldraC"), text);
  }
}

void RegisteredListDialog::refresh(int row) {
  view_->clear();
  for (const RegisteredItem& item : list_.items()) view_->addItem(item.title);
  if (view_->count() > 0) view_->setCurrentRow(std::clamp(row, 0, view_->count() - 1));
}

void RegisteredListDialog::addNew() {
  if (list_.items().size() >= kRegisteredItemsMax) {
    warn(msg::kItemsMax.str().arg(kRegisteredItemsMax));
    return;
  }
  RegisteredItem item;
  // The item dialog comes back with its text until the item is accepted or cancelled.
  while (editor_(&item)) {
    const QString message = list_.add(item);
    if (message.isEmpty()) {
      refresh(int(list_.items().size()) - 1);
      return;
    }
    warn(message);
  }
}

void RegisteredListDialog::changeSelected() {
  const int row = view_->currentRow();
  if (row < 0 || row >= list_.items().size()) return;
  RegisteredItem item = list_.items()[row];
  while (editor_(&item)) {
    const QString message = list_.replace(row, item);
    if (message.isEmpty()) {
      refresh(row);
      return;
    }
    warn(message);
  }
}

void RegisteredListDialog::removeSelected() {
  const int row = view_->currentRow();
  if (row < 0 || row >= list_.items().size()) return;
  list_.remove(row);
  refresh(row);
}

void RegisteredListDialog::moveSelected(int step) {
  const int row = view_->currentRow();
  const int to = row + step;
  if (row < 0 || to < 0 || to >= list_.items().size()) return;
  list_.move(row, to);
  refresh(to);
}

}  // namespace veldra
