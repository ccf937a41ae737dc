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
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_limits.h"
#include "app/app_messages.h"
#include "app/commands.h"
#include "core/constants.h"
#include "core/group_file.h"
#include "core/profile_values.h"
#include "core/temp_file.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

QSettings profile() { return QSettings(QStringLiteral("Pellwick"), QStringLiteral("VeldraC")); }

const QString kRecentSection = QStringLiteral("GroupList");

// The add-files dialog's filter from the registered file types ("item1", ...:
// a name, "#$1_#" and patterns separated by ";").
QString fileTypeFilter() {
  QSettings settings = profile();
  QStringList filters;
  for (int n = 1; n <= kRegisteredItemsMax; ++n) {
    const QString item = readText(settings, QStringLiteral("RegistExt"),
                                  QStringLiteral("item%1").arg(n), QString());
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

QString groupFilter() {
  return QStringLiteral("Veldra Group(*.vgp) (*.vgp);;All Files(*.*) (*)");
}

}  // namespace

GroupManagerBar::GroupManagerBar(QWidget* parent)
    : QDockWidget(parent), list_(new QListWidget(this)), search_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("GroupManager"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
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

  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    emit openFileRequested(files().value(list_->row(item)));
  });
  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const auto found = list_->findItems(text, Qt::MatchContains);
    if (found.isEmpty()) return;
    list_->clearSelection();
    list_->setCurrentItem(found.first());
  });

  QSettings settings = profile();
  for (int n = 1; n <= kRecentGroups; ++n) {
    const QString p = settings.value(kRecentSection + QStringLiteral("/file%1").arg(n)).toString();
    if (!p.isEmpty()) recent_.append(p);
  }
  updateCaption();
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

void GroupManagerBar::updateCaption() {
  const QString name = path_.isEmpty() ? msg::kUntitled.str() : QFileInfo(path_).fileName();
  setWindowTitle(QStringLiteral("Group Manager - [%1%2]")
                     .arg(name, modified_ ? QStringLiteral(" *") : QString()));
}

void GroupManagerBar::setModified(bool modified) {
  modified_ = modified;
  updateCaption();
}

void GroupManagerBar::refreshList() {
  QSettings settings = profile();
  const QList<qint64> flags = readPackedNumbers(settings, QStringLiteral("GroupOpt"),
                                                QStringLiteral("GroupFlags"), {1, 1, 0, 100, 1, 0});
  const bool fullPath = flags.value(0, 1) != 0;
  QStringList shown;
  shown.reserve(files_.size());
  for (const QByteArray& f : files_) {
    const QString name = fileNameFromBytes(f);
    shown.append(fullPath ? name : QFileInfo(name).fileName());
  }
  list_->setUpdatesEnabled(false);
  list_->clear();
  list_->addItems(shown);
  list_->setUpdatesEnabled(true);
}

QStringList GroupManagerBar::files() const {
  QStringList out;
  out.reserve(files_.size());
  for (const QByteArray& f : files_) out.append(fileNameFromBytes(f));
  return out;
}

bool GroupManagerBar::hasSelection() const { return !list_->selectedItems().isEmpty(); }

QList<QByteArray> GroupManagerBar::engineFiles(bool selectedOnly) const {
  if (!selectedOnly) return files_;
  QList<QByteArray> out;
  for (int row = 0; row < list_->count(); ++row) {
    if (list_->item(row)->isSelected()) out.append(files_.at(row));
  }
  return out;
}

QStringList GroupManagerBar::findByFileName(const QString& name) const {
  QStringList out;
  for (const QString& f : files()) {
    if (QFileInfo(f).fileName() == name) out.append(f);
  }
  return out;
}

QString GroupManagerBar::groupDirectory() const {
  if (!path_.contains(QLatin1Char('/'))) return {};
  return QFileInfo(path_).absolutePath();
}

QString GroupManagerBar::macroFileName() {
  if (macroFile_.isEmpty() && path_.isEmpty()) {
    macroFile_ = createTempFile(QLatin1String(kPrefixMacro));
    macroFileTemporary_ = true;
  }
  return macroFile_;
}

// ----- open, save, close

void GroupManagerBar::takeName(const QString& path) {
  const QString oldMacro = macroFile_;
  path_ = QFileInfo(path).absoluteFilePath();
  macroFile_ = macroFileNameFor(path_);
  // The macro definitions travel with the group to its new name.
  if (!oldMacro.isEmpty() && oldMacro != macroFile_ && QFile::exists(oldMacro)) {
    QFile::remove(macroFile_);
    if (macroFileTemporary_) {
      QFile::copy(oldMacro, macroFile_);
      removeTempFile(oldMacro);
    } else {
      QFile::copy(oldMacro, macroFile_);
    }
  }
  macroFileTemporary_ = false;
  loaded_ = true;
  QDir::setCurrent(QFileInfo(path_).absolutePath());
  addRecent(path_);
  updateCaption();
}

bool GroupManagerBar::open(const QString& given) {
  const QString path = groupPathWithExtension(given);
  const GroupReadResult result = readGroupFile(path);
  if (!result.ok) {
    ask(result.message, QMessageBox::Ok);
    return false;
  }
  files_ = result.data.files;
  build_ = result.data.build;
  macroFile_.clear();
  takeName(path);
  refreshList();
  setModified(false);
  return true;
}

void GroupManagerBar::openWithDialog() {
  if (!maybeSave()) return;
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("ｸﾞﾙｰﾌﾟを開く"),
                                                    path_, groupFilter());
  if (!path.isEmpty()) open(path);
}

bool GroupManagerBar::saveAs(const QString& path) {
  if (files_.isEmpty()) {
    ask(msg::kGroupEmpty.str(), QMessageBox::Ok);
    return false;
  }
  const QString message = writeGroupFile(path, GroupFileData{files_, build_});
  if (!message.isEmpty()) {
    ask(message, QMessageBox::Ok);
    return false;
  }
  takeName(path);
  setModified(false);
  return true;
}

bool GroupManagerBar::save() {
  if (path_.isEmpty()) {
    saveAsWithDialog();
    return !modified_ && !path_.isEmpty();
  }
  return saveAs(path_);
}

void GroupManagerBar::saveAsWithDialog() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("ｸﾞﾙｰﾌﾟの保存"), path_,
                                              groupFilter());
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".vgp");
  saveAs(path);
}

bool GroupManagerBar::maybeSave() {
  if (!modified_) return true;
  const int answer =
      ask(msg::kSaveModified.str(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) return save();
  return true;
}

bool GroupManagerBar::closeGroup() {
  if (!maybeSave()) return false;
  if (macroFileTemporary_ && !macroFile_.isEmpty()) removeTempFile(macroFile_);
  files_.clear();
  path_.clear();
  macroFile_.clear();
  macroFileTemporary_ = false;
  loaded_ = false;
  refreshList();
  setModified(false);
  return true;
}

// ----- the list

bool GroupManagerBar::ensureFiles() {
  if (files_.isEmpty()) addFilesWithDialog();
  return !files_.isEmpty();
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
  QSet<QByteArray> present(files_.cbegin(), files_.cend());
  QStringList duplicates;
  for (const QString& path : paths) {
    const QByteArray bytes = fileNameToBytes(path);
    if (present.contains(bytes)) {
      duplicates.append(path);
      continue;
    }
    if (!QFileInfo::exists(path)) {
      if (ask(msg::kCreateMissing.str().arg(path), QMessageBox::Yes | QMessageBox::No) !=
          QMessageBox::Yes)
        continue;
      QFile created(path);
      if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        ask(msg::kCreateFailed.str(), QMessageBox::Ok);
        continue;
      }
    }
    files_.append(bytes);
    present.insert(bytes);
  }
  refreshList();
  if (files_.size() > 0 && paths.size() > duplicates.size()) setModified(true);
  if (duplicates.size() == 1) ask(msg::kDuplicateOne.str().arg(duplicates.first()), QMessageBox::Ok);
  if (duplicates.size() > 1) ask(msg::kDuplicateMany.str(), QMessageBox::Ok);
}

void GroupManagerBar::removeSelected() {
  QList<QByteArray> kept;
  for (int row = 0; row < list_->count(); ++row) {
    if (!list_->item(row)->isSelected()) kept.append(files_.at(row));
  }
  if (kept.size() == files_.size()) return;
  files_ = kept;
  refreshList();
  setModified(true);
}

void GroupManagerBar::sort(int code) {
  const bool ignoreCase = code >= 100;
  const int order = code % 100;
  const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  QStringList names = files();
  QList<int> index(names.size());
  std::iota(index.begin(), index.end(), 0);
  std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
    const QString& x = names.at(a);
    const QString& y = names.at(b);
    if (order == 2) {
      const int bySuffix = QFileInfo(x).suffix().compare(QFileInfo(y).suffix(), cs);
      if (bySuffix != 0) return bySuffix < 0;
    }
    const int byName = x.compare(y, cs);
    return order == 1 ? byName > 0 : byName < 0;
  });
  QList<QByteArray> sorted;
  sorted.reserve(files_.size());
  for (int i : index) sorted.append(files_.at(i));
  files_ = sorted;
  refreshList();
  setModified(true);
}

void GroupManagerBar::sortWithDialog() {
  QSettings settings = profile();
  QDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("ｸﾞﾙｰﾌﾟ ｿｰﾄ指定"));
  QRadioButton* choices[] = {new QRadioButton(QStringLiteral("名前順(昇順)"), &dialog),
                             new QRadioButton(QStringLiteral("名前順(降順)"), &dialog),
                             new QRadioButton(QStringLiteral("拡張子順"), &dialog)};
  choices[0]->setChecked(true);
  auto* ignoreCase = new QCheckBox(QStringLiteral("ｿｰﾄ時、大文字小文字を区別しない.(&N)"), &dialog);
  ignoreCase->setChecked(readNumber(settings, QStringLiteral("Group"), QStringLiteral("SortOpt"), 1));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  for (QRadioButton* r : choices) layout->addWidget(r);
  layout->addWidget(ignoreCase);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return;
  int code = choices[1]->isChecked() ? 1 : choices[2]->isChecked() ? 2 : 0;
  if (ignoreCase->isChecked()) code += 100;
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

bool GroupManagerBar::reopenLastGroupOption(QSettings& settings) {
  const QList<qint64> flags = readPackedNumbers(settings, QStringLiteral("GroupOpt"),
                                                QStringLiteral("GroupFlags"), {1, 1, 0, 100, 1, 0});
  return flags.value(4, 1) != 0;
}

void GroupManagerBar::addRecent(const QString& path) {
  recent_.removeAll(path);
  recent_.prepend(path);
  while (recent_.size() > kRecentGroups) recent_.removeLast();
  updateRecentMenu();
}

void GroupManagerBar::updateRecentMenu() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  if (recent_.isEmpty()) {
    recentMenu_->addAction(commandLabel(kCmdGroupRecent))->setEnabled(false);
    return;
  }
  int n = 0;
  for (const QString& path : recent_) {
    QString shown = path;
    if (shown.size() > 30) shown = QStringLiteral("...") + shown.right(27);  // display length 30
    QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++n % 10).arg(shown));
    connect(a, &QAction::triggered, this, [this, path] {
      if (maybeSave()) open(path);
    });
  }
}

void GroupManagerBar::saveRecent(QSettings& settings) const {
  for (int n = 1; n <= kRecentGroups; ++n) {
    settings.setValue(kRecentSection + QStringLiteral("/file%1").arg(n), recent_.value(n - 1));
  }
}

}  // namespace veldra
