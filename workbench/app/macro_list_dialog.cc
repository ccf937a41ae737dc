#include "app/macro_list_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_limits.h"
#include "core/macro_file.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

// "ﾏｸﾛ入力": name and value of one macro; false when cancelled.
bool askMacro(QWidget* parent, Macro* macro) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("ﾏｸﾛ入力"));
  auto* name = new QLineEdit(macro->name, &dialog);
  auto* value = new QLineEdit(macro->value, &dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(QStringLiteral("ﾏｸﾛ名称(&N) : "), name);
  form->addRow(QStringLiteral("値(&V) :"), value);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted || name->text().trimmed().isEmpty()) return false;
  *macro = Macro{name->text().trimmed(), value->text()};
  return true;
}

}  // namespace

MacroListDialog::MacroListDialog(const QString& macroFile,
                                 std::function<bool(QByteArray*)> extractor, QWidget* parent)
    : QDialog(parent),
      macroFile_(macroFile),
      extract_(std::move(extractor)),
      list_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("ﾏｸﾛ定義一覧"));
  auto* edit = new QPushButton(QStringLiteral("変更(&E)..."), this);
  auto* add = new QPushButton(QStringLiteral("追加(&A)..."), this);
  auto* remove = new QPushButton(QStringLiteral("削除(&D)"), this);
  auto* resetButton = new QPushButton(QStringLiteral("リセット(&R)"), this);
  auto* extractButton = new QPushButton(QStringLiteral("定義抽出(&M)..."), this);
  auto* close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {edit, add, remove, resetButton, extractButton, close})
    buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  connect(edit, &QPushButton::clicked, this, [this] { editEntry(list_->currentRow()); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { editEntry(list_->currentRow()); });
  connect(add, &QPushButton::clicked, this, [this] { editEntry(-1); });
  connect(remove, &QPushButton::clicked, this, [this] { delete list_->currentItem(); });
  connect(resetButton, &QPushButton::clicked, this, &MacroListDialog::reset);
  connect(extractButton, &QPushButton::clicked, this, [this] {
    const QString message = this->extract();
    if (!message.isEmpty()) QMessageBox::warning(this, windowTitle(), message);
  });
  connect(close, &QPushButton::clicked, this, [this] {
    const QString message = closeAndWrite();
    if (!message.isEmpty()) QMessageBox::warning(this, windowTitle(), message);
    accept();
  });
  reset();
}

void MacroListDialog::reset() {
  list_->clear();
  if (macroFile_.isEmpty() || !QFile::exists(macroFile_)) return;
  QString message;
  for (const Macro& m : readMacroFile(macroFile_, &message)) list_->addItem(macroListText(m));
}

QStringList MacroListDialog::entries() const {
  QStringList out;
  for (int row = 0; row < list_->count(); ++row) out.append(list_->item(row)->text());
  return out;
}

void MacroListDialog::editEntry(int row) {
  Macro macro = row >= 0 ? macroFromListText(list_->item(row)->text()) : Macro{};
  if (!askMacro(this, &macro)) return;
  if (row >= 0) {
    list_->item(row)->setText(macroListText(macro));
  } else {
    addCandidates({macroListText(macro)});
  }
}

QString MacroListDialog::addCandidates(const QStringList& candidates) {
  QStringList list = entries();
  const QStringList refused = mergeMacroCandidates(&list, candidates);
  list_->clear();
  list_->addItems(list);
  return refusedMacrosMessage(refused);
}

QString MacroListDialog::extract(const std::function<QStringList(const QStringList&)>& choose) {
  QByteArray output;
  if (!extract_ || !extract_(&output)) {
    QApplication::beep();
    return {};
  }
  QStringList candidates;
  for (const QByteArray& line : output.split('\n')) {
    QByteArray piece = line.left(kMacroCandidateLineMax);
    if (piece.endsWith('\r')) piece.chop(1);
    if (!piece.isEmpty()) candidates.append(decodeText(piece));
  }
  const QStringList chosen = choose ? choose(candidates) : chooseMacroCandidates(candidates, this);
  return addCandidates(chosen.mid(0, kMacroCandidatesMax));
}

QString MacroListDialog::closeAndWrite() {
  QList<Macro> macros;
  for (const QString& entry : entries()) macros.append(macroFromListText(entry));
  return macroFile_.isEmpty() ? QString() : writeMacroFile(macroFile_, macros);
}

QStringList chooseMacroCandidates(const QStringList& candidates, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("定義一覧"));
  auto* list = new QListWidget(&dialog);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->addItems(candidates);
  auto* all = new QPushButton(QStringLiteral("全て選択(&S)"), &dialog);
  auto* add = new QPushButton(QStringLiteral("追加(&A)"), &dialog);
  auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &dialog);
  QObject::connect(all, &QPushButton::clicked, list, &QListWidget::selectAll);
  QObject::connect(add, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(
      new QLabel(QStringLiteral("#if-#elif-#endif, #ifdef,#ifndef で使用されている"), &dialog));
  layout->addWidget(new QLabel(QStringLiteral("ﾏｸﾛ一覧です"), &dialog));
  layout->addWidget(list);
  layout->addWidget(
      new QLabel(QStringLiteral("選択されている内容をﾏｸﾛ定義に追加します。"), &dialog));
  auto* row = new QHBoxLayout;
  for (QPushButton* b : {all, add, cancel}) row->addWidget(b);
  layout->addLayout(row);
  if (dialog.exec() != QDialog::Accepted) return {};
  QStringList out;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) out.append(list->item(i)->text());
  }
  return out;
}

}  // namespace veldra
