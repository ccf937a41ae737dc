#include "setup_record.h"

namespace setup {
namespace {
const QString kDirsKey = QStringLiteral("Setup/Dirs");
const QString kCachesKey = QStringLiteral("Setup/Caches");
}  // namespace

CreatedPaths loadSetupRecord(const QSettings& profile) {
  return CreatedPaths(profile.value(kDirsKey).toStringList(),
                      profile.value(kCachesKey).toStringList());
}

void saveSetupRecord(QSettings& profile, const CreatedPaths& created) {
  profile.setValue(kDirsKey, created.dirs());
  profile.setValue(kCachesKey, created.caches());
}

}  // namespace setup
