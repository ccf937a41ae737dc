#include "created_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace setup {
namespace {

// The generated MIME database is two levels deep (mime/<media>/<type>.xml).
constexpr int kCacheDepthLimit = 4;

bool pathExists(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool isRealDir(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Removes a tree without following links; gives up below the depth limit.
bool removeTree(const QString& path, int depth) {
  if (!isRealDir(path)) return ::unlink(QFile::encodeName(path).constData()) == 0;
  if (depth >= kCacheDepthLimit) return false;
  bool ok = true;
  for (const QString& name : CreatedPaths::entriesOf(path)) {
    ok = removeTree(path + QLatin1Char('/') + name, depth + 1) && ok;
  }
  return ::rmdir(QFile::encodeName(path).constData()) == 0 && ok;
}

void removeMissing(QStringList& paths) {
  paths.erase(std::remove_if(paths.begin(), paths.end(),
                             [](const QString& path) { return !pathExists(path); }),
              paths.end());
}

}  // namespace

CreatedPaths::CreatedPaths(QStringList dirs, QStringList caches)
    : dirs_(std::move(dirs)), caches_(std::move(caches)) {
  forgetMissing();
}

bool CreatedPaths::makeDir(const QString& dir) {
  const QString clean = QDir::cleanPath(dir);
  if (isRealDir(clean)) return true;
  const QString parent = QFileInfo(clean).path();
  if (parent == clean || !makeDir(parent)) return false;
  if (::mkdir(QFile::encodeName(clean).constData(), 0755) != 0) return isRealDir(clean);
  if (!dirs_.contains(clean)) dirs_.append(clean);
  return true;
}

QStringList CreatedPaths::entriesOf(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name);
}

void CreatedPaths::noteNewCaches(const QString& dir, const QStringList& before) {
  for (const QString& name : entriesOf(dir)) {
    const QString path = dir + QLatin1Char('/') + name;
    if (!before.contains(name) && !caches_.contains(path)) caches_.append(path);
  }
}

void CreatedPaths::removeCachesIn(const QString& dir) {
  const QString inside = dir + QLatin1Char('/');
  for (const QString& path : caches_) {
    if (path.startsWith(inside)) removeTree(path, 0);
  }
  forgetMissing();
}

void CreatedPaths::removeEmptyDirs() {
  QStringList deepestFirst = dirs_;
  std::sort(deepestFirst.begin(), deepestFirst.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  for (const QString& dir : deepestFirst) {
    if (isRealDir(dir) && entriesOf(dir).isEmpty()) ::rmdir(QFile::encodeName(dir).constData());
  }
  forgetMissing();
}

void CreatedPaths::forgetMissing() {
  removeMissing(dirs_);
  removeMissing(caches_);
}

}  // namespace setup
