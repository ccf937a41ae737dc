#include "app/function_list_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "core/function_list_file.h"

namespace veldra {

namespace {

QString listFilter() { return QStringLiteral("Function List(*.fls) (*.fls);;All Files(*.*) (*)"); }

}  // namespace

FunctionListDialog::FunctionListDialog(const QString& path, QWidget* parent)
    : QDialog(parent), path_(path), name_(new QLineEdit(this)), list_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("関数一覧登録"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* add = new QPushButton(QStringLiteral("追加(&A)"), this);
  auto* remove = new QPushButton(QStringLiteral("削除(&D)"), this);
  auto* saveButton = new QPushButton(QStringLiteral("保存(&S)..."), this);
  auto* loadButton = new QPushButton(QStringLiteral("読込み(&R)..."), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(name_, 0, 0);
  layout->addWidget(add, 0, 1);
  layout->addWidget(list_, 1, 0, 4, 1);
  layout->addWidget(remove, 1, 1);
  layout->addWidget(saveButton, 2, 1);
  layout->addWidget(loadButton, 3, 1);
  layout->addWidget(buttons, 5, 0, 1, 2);

  auto report = [this](const QString& message) {
    if (!message.isEmpty()) QMessageBox::warning(this, windowTitle(), message);
  };
  connect(add, &QPushButton::clicked, this, [this] {
    addName(name_->text());
    name_->clear();
  });
  connect(remove, &QPushButton::clicked, this, &FunctionListDialog::removeSelected);
  connect(saveButton, &QPushButton::clicked, this, [this, report] {
    QString p = QFileDialog::getSaveFileName(this, QString(), path_, listFilter());
    if (p.isEmpty()) return;
    if (QFileInfo(p).suffix().isEmpty()) p += QStringLiteral(".fls");
    report(save(p));
  });
  connect(loadButton, &QPushButton::clicked, this, [this, report] {
    const QString p = QFileDialog::getOpenFileName(this, QString(), path_, listFilter());
    if (!p.isEmpty()) report(load(p));
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (QFileInfo::exists(path)) load(path);
}

QStringList FunctionListDialog::names() const {
  QStringList out;
  for (int row = 0; row < list_->count(); ++row) out.append(list_->item(row)->text());
  return out;
}

void FunctionListDialog::addName(const QString& name) {
  if (!name.trimmed().isEmpty()) list_->addItem(name.trimmed());
}

void FunctionListDialog::removeSelected() { qDeleteAll(list_->selectedItems()); }

QString FunctionListDialog::load(const QString& path) {
  QStringList loaded;
  const QString message = readFunctionList(path, &loaded);
  if (!message.isEmpty()) return message;  // the list stays as it was
  list_->clear();
  list_->addItems(loaded);
  path_ = path;
  return {};
}

QString FunctionListDialog::save(const QString& path) const {
  return writeFunctionList(path, names());
}

}  // namespace veldra
