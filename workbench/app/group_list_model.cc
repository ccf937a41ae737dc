#include "app/group_list_model.h"

#include <QFileInfo>

#include "core/group_model.h"

namespace veldra {

GroupListModel::GroupListModel(const GroupModel* group, QObject* parent)
    : QAbstractListModel(parent), group_(group) {}

void GroupListModel::refresh(bool fullPath) {
  beginResetModel();
  shown_.clear();
  shown_.reserve(group_->count());
  for (int row = 0; row < group_->count(); ++row) {
    const QString name = group_->fileName(row);
    shown_.append(fullPath ? name : name.mid(name.lastIndexOf(u'/') + 1));
  }
  endResetModel();
}

int GroupListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(shown_.size());
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_.size()) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return shown_.at(index.row());
  return {};
}

int GroupListModel::findContaining(const QString& text, int from) const {
  const int n = int(shown_.size());
  if (text.isEmpty() || n == 0) return -1;
  from = std::clamp(from, 0, n - 1);
  for (int k = 0; k < n; ++k) {
    const int row = (from + k) % n;
    if (shown_.at(row).contains(text, Qt::CaseInsensitive)) return row;
  }
  return -1;
}

}  // namespace veldra
