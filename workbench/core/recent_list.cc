#include "core/recent_list.h"

#include "core/constants.h"
#include "core/profile_values.h"

namespace veldra {

namespace {
const QString kSection = QStringLiteral("GroupList");
QString entryName(int n) { return QStringLiteral("file%1").arg(n); }
}  // namespace

void RecentList::load(QSettings& settings) {
  paths_.clear();
  for (int n = 1; n <= kRecentGroups; ++n) {
    QString path = readText(settings, kSection, entryName(n), {});
    if (!path.isEmpty() && !paths_.contains(path)) paths_.append(path);
  }
}

void RecentList::save(QSettings& settings) const {
  for (int n = 1; n <= kRecentGroups; ++n) {
    const QString key = kSection + u'/' + entryName(n);
    if (n <= paths_.size()) {
      settings.setValue(key, paths_[n - 1]);
    } else {
      settings.remove(key);
    }
  }
}

void RecentList::add(const QString& path) {
  paths_.removeAll(path);
  paths_.prepend(path);
  while (paths_.size() > kRecentGroups) paths_.removeLast();
}

void RecentList::remove(const QString& path) { paths_.removeAll(path); }

}  // namespace veldra
