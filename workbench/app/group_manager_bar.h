// The group manager: a dockable bar with the group's file list, its own toolbar
// and search box; it opens, saves and closes group files and hands the file list
// to analyses.
#pragma once

#include <QDockWidget>
#include <QList>
#include <QSettings>
#include <QStringList>
#include <functional>

#include "core/display_options.h"
#include "core/group_model.h"
#include "core/recent_list.h"

class QLineEdit;
class QListView;
class QMenu;

namespace veldra {

class GroupListModel;

class GroupManagerBar : public QDockWidget {
  Q_OBJECT
 public:
  explicit GroupManagerBar(QWidget* parent = nullptr);

  // Questions and messages go through the frame (tests answer them).
  using Asker = std::function<int(const QString& text, int buttons)>;
  void setAsker(Asker asker) { asker_ = std::move(asker); }
  void setRecentMenu(QMenu* menu);

  // Operations of the group menu and the bar's own toolbar.
  bool open(const QString& path);
  void openWithDialog();
  bool save();
  bool saveAs(const QString& path);
  void saveAsWithDialog();
  bool closeGroup();
  void addFilesWithDialog();
  // Adds names as the add-files dialog does (duplicates reported, missing files
  // offered for creation).
  void addFiles(const QStringList& paths);
  void removeSelected();
  void sortWithDialog();
  void sort(int code);  // 0 ascending, 1 descending, 2 by extension; +100 ignores case
  void startSearch();
  void showBar();
  // "ｸﾞﾙｰﾌﾟが変更されています。保存しますか?": false when the caller must stop.
  bool maybeSave();

  // Offers to add files when the group is empty; true when it holds files.
  bool ensureFiles();
  bool hasSelection() const;
  // The names for the engine, in list order: all, or only the selected ones.
  QList<QByteArray> engineFiles(bool selectedOnly) const;
  QStringList files() const;
  // Group entries whose file name (without directory) is `name`.
  QStringList findByFileName(const QString& name) const;

  QString groupPath() const { return model_.groupFileName(); }
  // The group file's directory when its name has one, else "".
  QString groupDirectory() const { return model_.groupDirectory(); }
  // The macro definition file; an untitled group gets a temporary one.
  QString macroFileName() { return model_.ensureMacroFileName(); }
  bool isModified() const { return model_.isModified(); }
  GroupModel& model() { return model_; }
  QListView* list() const { return list_; }
  GroupListModel* listModel() const { return listModel_; }
  // Selects the first entry whose shown name contains `text`, as typing in the
  // search box does; false when none does.
  bool searchFor(const QString& text);

  void saveRecent(QSettings& settings) const;
  // The list's colours and font, the full-path display and the topmost state.
  void applyDisplayOptions(const DisplayOptions& options);

 signals:
  void openFileRequested(const QString& path);

 private:
  int ask(const QString& text, int buttons);
  void refreshList();
  void addRecent(const QString& path);
  void updateRecentMenu();
  QList<int> selectedRows() const;

  QListView* list_;
  GroupListModel* listModel_;
  QLineEdit* search_;
  QMenu* recentMenu_ = nullptr;
  GroupModel model_;
  RecentList recent_;
  QString lastAddDir_;
  Asker asker_;
  // Names with their directories, as the display options last said.
  bool fullPath_;
};

}  // namespace veldra
