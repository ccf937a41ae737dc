// The group manager's list as a model for a list view: one row per group file,
// shown with its full path or its name alone. The shown names are made once per
// refresh, so drawing, searching and selecting never decode names again; a group
// of ten thousand files costs one pass per change and nothing per row drawn.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace veldra {

class GroupModel;

class GroupListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit GroupListModel(const GroupModel* group, QObject* parent = nullptr);

  // Takes the group's list again (after it changed); `fullPath` as the option says.
  void refresh(bool fullPath);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The first row from `from` on (wrapping round) whose shown name contains
  // `text`, ignoring case; -1 when none does.
  int findContaining(const QString& text, int from = 0) const;
  const QStringList& shownNames() const { return shown_; }

 private:
  const GroupModel* group_;
  QStringList shown_;
};

}  // namespace veldra
