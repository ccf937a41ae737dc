// The recent groups: profile section "GroupList", entries "file1" ... "file10".
#pragma once

#include <QSettings>
#include <QStringList>

namespace veldra {

class RecentList {
 public:
  void load(QSettings& settings);
  void save(QSettings& settings) const;
  // Puts `path` first, dropping an older copy of it and the eleventh entry.
  void add(const QString& path);
  void remove(const QString& path);
  const QStringList& paths() const { return paths_; }

 private:
  QStringList paths_;
};

}  // namespace veldra
