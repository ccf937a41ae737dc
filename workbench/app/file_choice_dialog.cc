#include "app/file_choice_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace veldra {

QString chooseJumpFile(const QStringList& candidates, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("ﾌｧｲﾙ選択"));
  auto* list = new QListWidget(&dialog);
  list->addItems(candidates);
  list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(
      new QLabel(QStringLiteral("ｸﾞﾙｰﾌﾟの中に候補のﾌｧｲﾙが、複数存在します。"), &dialog));
  layout->addWidget(new QLabel(QStringLiteral("対象を選択して下さい。"), &dialog));
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return {};
  return list->currentItem()->text();
}

}  // namespace veldra
