#include "app/group_manager_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "app/app_limits.h"
#include "app/app_messages.h"
#include "app/commands.h"
#include "app/group_list_model.h"
#include "app/option_values.h"
#include "core/constants.h"
#include "core/profile_values.h"
#include "core/tag_jump.h"
#include "core/temp_file.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

// The add-files dialog's filter from the registered file types ("item1", ...:
// a name, "#$1_#" and patterns separated by ";").
QString fileTypeFilter() {
  QSettings settings = openProfile();
  QStringList filters;
  for (int n = 1; n <= kRegisteredItemsMax; ++n) {
    const QString item =
        readText(settings, QStringLiteral("RegistExt"), QStringLiteral("item%1").arg(n), QString());
    const qsizetype sep = item.indexOf(QLatin1String(kItemSeparator));
    if (sep < 0) break;
    QString patterns = item.mid(sep + int(qstrlen(kItemSeparator)));
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(item.left(sep), patterns);
  }
  if (filters.isEmpty()) {
    filters << QStringLiteral("C/C++ Source Files(*.c;*.cpp) (*.c *.cpp)")
            << QStringLiteral("C/C++ Header Files(*.h;*.hxx;*.hpp) (*.h *.hxx *.hpp)")
            << QStringLiteral("All Files(*.*) (*)");
  }
  return filters.join(QStringLiteral(";;"));
}

QString groupFilter() { return QStringLiteral("Veldra Group(*.vgp) (*.vgp);;All Files(*.*) (*)"); }

}  // namespace

GroupManagerBar::GroupManagerBar(QWidget* parent)
    : QDockWidget(parent),
      list_(new QListView(this)),
      listModel_(new GroupListModel(&model_, this)),
      search_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("GroupManager"));
  list_->setModel(listModel_);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Every row is one line of the same font: the view need not measure each of
  // ten thousand rows to lay them out.
  list_->setUniformItemSizes(true);
  search_->setPlaceholderText(QStringLiteral("検索"));
  auto* bar = new QToolBar(this);
  bar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(bar);
  layout->addWidget(search_);
  layout->addWidget(list_, 1);
  setWidget(body);
  // The bar's buttons are the frame's actions (same ids), added once the frame
  // has made them; see setRecentMenu.
  bar->setObjectName(QStringLiteral("GroupManagerToolBar"));

  connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    emit openFileRequested(model_.fileName(index.row()));
  });
  connect(search_, &QLineEdit::textEdited, this, &GroupManagerBar::searchFor);

  QSettings settings = openProfile();
  recent_.load(settings);
  fullPath_ = DisplayOptions::load(settings).fullPath;
  connect(&model_, &GroupModel::changed, this, [this] { setWindowTitle(model_.caption()); });
  setWindowTitle(model_.caption());
}

void GroupManagerBar::setRecentMenu(QMenu* menu) {
  recentMenu_ = menu;
  // Now the frame's actions exist: put the group manager's buttons on its toolbar.
  auto* bar = widget()->findChild<QToolBar*>(QStringLiteral("GroupManagerToolBar"));
  if (bar && bar->actions().isEmpty() && parentWidget()) {
    for (int id : groupManagerButtons()) {
      if (id == kCmdNone) {
        bar->addSeparator();
        continue;
      }
      for (QAction* a : parentWidget()->actions()) {
        if (a->data().toInt() == id) bar->addAction(a);
      }
    }
  }
  updateRecentMenu();
}

int GroupManagerBar::ask(const QString& text, int buttons) {
  if (asker_) return asker_(text, buttons);
  return QMessageBox::question(this, windowTitle(), text, QMessageBox::StandardButtons(buttons));
}

// ----- state shown

void GroupManagerBar::refreshList() { listModel_->refresh(fullPath_); }

bool GroupManagerBar::searchFor(const QString& text) {
  const int row = listModel_->findContaining(text);
  if (row < 0) return false;
  const QModelIndex index = listModel_->index(row);
  list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  list_->scrollTo(index);
  return true;
}

QStringList GroupManagerBar::files() const {
  QStringList out;
  out.reserve(model_.count());
  for (int row = 0; row < model_.count(); ++row) out.append(model_.fileName(row));
  return out;
}

QList<int> GroupManagerBar::selectedRows() const {
  QList<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool GroupManagerBar::hasSelection() const { return list_->selectionModel()->hasSelection(); }

QList<QByteArray> GroupManagerBar::engineFiles(bool selectedOnly) const {
  if (!selectedOnly) return model_.engineFiles();
  const QList<int> rows = selectedRows();
  return rows.isEmpty() ? QList<QByteArray>() : model_.engineFiles(rows);
}

QStringList GroupManagerBar::findByFileName(const QString& name) const {
  QStringList out;
  const QStringList all = files();
  for (int row : matchingGroupRows(all, name)) out.append(all.at(row));
  return out;
}

// ----- open, save, close

bool GroupManagerBar::open(const QString& path) {
  const QString message = model_.open(path);
  if (!message.isEmpty()) {
    ask(message, QMessageBox::Ok);
    return false;
  }
  addRecent(model_.groupFileName());
  refreshList();
  return true;
}

void GroupManagerBar::openWithDialog() {
  if (!maybeSave()) return;
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("ｸﾞﾙｰﾌﾟを開く"),
                                                    groupPath(), groupFilter());
  if (!path.isEmpty()) open(path);
}

bool GroupManagerBar::saveAs(const QString& path) {
  const QString message = model_.saveAs(path);
  if (!message.isEmpty()) {
    ask(message, QMessageBox::Ok);
    return false;
  }
  addRecent(model_.groupFileName());
  return true;
}

bool GroupManagerBar::save() {
  if (groupPath().isEmpty()) {
    saveAsWithDialog();
    return !isModified() && !groupPath().isEmpty();
  }
  const QString message = model_.save();
  if (!message.isEmpty()) ask(message, QMessageBox::Ok);
  return message.isEmpty();
}

void GroupManagerBar::saveAsWithDialog() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("ｸﾞﾙｰﾌﾟの保存"), groupPath(),
                                              groupFilter());
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".vgp");
  saveAs(path);
}

bool GroupManagerBar::maybeSave() {
  if (!isModified()) return true;
  const int answer =
      ask(msg::kSaveModified.str(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) return save();
  return true;
}

bool GroupManagerBar::closeGroup() {
  if (!maybeSave()) return false;
  model_.close();
  refreshList();
  return true;
}

// ----- the list

bool GroupManagerBar::ensureFiles() {
  if (model_.isEmpty()) addFilesWithDialog();
  return !model_.isEmpty();
}

void GroupManagerBar::addFilesWithDialog() {
  const QString start = lastAddDir_.isEmpty() ? groupDirectory() : lastAddDir_;
  const QStringList names = QFileDialog::getOpenFileNames(
      this, QStringLiteral("ｸﾞﾙｰﾌﾟにﾌｧｲﾙの追加"), start, fileTypeFilter());
  if (names.isEmpty()) return;
  lastAddDir_ = QFileInfo(names.first()).absolutePath();
  addFiles(names);
}

void GroupManagerBar::addFiles(const QStringList& paths) {
  const GroupModel::AddResult result = model_.addFiles(paths, [this](const QString& path) {
    return ask(msg::kCreateMissing.str().arg(path), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  });
  refreshList();
  const QString message = result.message();
  if (!message.isEmpty()) ask(message, QMessageBox::Ok);
}

void GroupManagerBar::removeSelected() {
  const QList<int> rows = selectedRows();
  if (rows.isEmpty()) return;
  model_.removeRows(rows);
  refreshList();
}

void GroupManagerBar::sort(int code) {
  model_.sort(code);
  refreshList();
}

void GroupManagerBar::sortWithDialog() {
  QSettings settings = openProfile();
  QDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("ｸﾞﾙｰﾌﾟ ｿｰﾄ指定"));
  QRadioButton* choices[] = {new QRadioButton(QStringLiteral("名前順(昇順)"), &dialog),
                             new QRadioButton(QStringLiteral("名前順(降順)"), &dialog),
                             new QRadioButton(QStringLiteral("拡張子順"), &dialog)};
  choices[0]->setChecked(true);
  auto* ignoreCase = new QCheckBox(QStringLiteral("ｿｰﾄ時、大文字小文字を区別しない.(&N)"), &dialog);
  ignoreCase->setChecked(
      readNumber(settings, QStringLiteral("Group"), QStringLiteral("SortOpt"), 1));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  for (QRadioButton* r : choices) layout->addWidget(r);
  layout->addWidget(ignoreCase);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return;
  int code = choices[1]->isChecked()   ? kSortNameDescending
             : choices[2]->isChecked() ? kSortExtension
                                       : kSortNameAscending;
  if (ignoreCase->isChecked()) code += kSortIgnoreCase;
  settings.setValue(QStringLiteral("Group/SortOpt"), ignoreCase->isChecked() ? 1 : 0);
  sort(code);
}

void GroupManagerBar::startSearch() {
  showBar();
  search_->setFocus();
  search_->selectAll();
}

void GroupManagerBar::showBar() {
  show();
  raise();
}

// ----- profile

void GroupManagerBar::addRecent(const QString& path) {
  recent_.add(path);
  updateRecentMenu();
}

void GroupManagerBar::updateRecentMenu() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  if (recent_.paths().isEmpty()) {
    recentMenu_->addAction(commandLabel(kCmdGroupRecent))->setEnabled(false);
    return;
  }
  int n = 0;
  for (const QString& path : recent_.paths()) {
    QString shown = path;
    if (shown.size() > 30) shown = QStringLiteral("...") + shown.right(27);  // display length 30
    QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++n % 10).arg(shown));
    connect(a, &QAction::triggered, this, [this, path] {
      if (maybeSave()) open(path);
    });
  }
}

void GroupManagerBar::saveRecent(QSettings& settings) const { recent_.save(settings); }

void GroupManagerBar::applyDisplayOptions(const DisplayOptions& options) {
  QPalette p = list_->palette();
  p.setColor(QPalette::Text, colourFromValue(options.groupText));
  p.setColor(QPalette::Base, colourFromValue(options.groupBackground));
  list_->setPalette(p);
  list_->setFont(fontFromRecord(options.groupFont, options.groupFontSize, kGroupFontUnits));
  fullPath_ = options.fullPath;
  if (isFloating()) {
    setWindowFlag(Qt::WindowStaysOnTopHint, options.alwaysOnTop);
    show();
  }
  refreshList();
}

}  // namespace veldra
