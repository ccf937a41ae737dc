#include "core/temp_file.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

#include "core/constants.h"

namespace veldra {

namespace {

constexpr int kNameSpace = 1 << (4 * kTempHexDigits);

struct Registry {
  QMutex mutex;
  QSet<QString> paths;
};

Registry& registry() {
  static Registry* r = [] {
    auto* created = new Registry;
    std::atexit(removeAllTempFiles);
    return created;
  }();
  return *r;
}

// O_EXCL refuses an existing name, and with it an existing link of any kind.
bool createExclusive(const QString& path) {
  QByteArray native = QFile::encodeName(path);
  int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace

QString createTempFile(const QString& prefix) {
  return createTempFileFrom(prefix,
                            static_cast<int>(QRandomGenerator::global()->bounded(kNameSpace)));
}

QString createTempFileFrom(const QString& prefix, int start) {
  QString dir = QDir::tempPath();
  if (dir.isEmpty()) dir = QStringLiteral(".");
  QString head = prefix.left(kTempPrefixChars);
  for (int i = 0; i < kNameSpace; ++i) {
    int number = (start + i) % kNameSpace;
    QString name =
        head + QStringLiteral("%1").arg(number, kTempHexDigits, 16, QLatin1Char('0')).toUpper() +
        QLatin1String(kTempSuffix);
    QString path = QDir(dir).absoluteFilePath(name);
    if (createExclusive(path)) {
      Registry& r = registry();
      QMutexLocker lock(&r.mutex);
      r.paths.insert(path);
      return path;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

bool removeTempFile(const QString& path) {
  Registry& r = registry();
  {
    QMutexLocker lock(&r.mutex);
    if (!r.paths.remove(path)) return false;
  }
  return QFile::remove(path) || !QFile::exists(path);
}

void removeAllTempFiles() {
  Registry& r = registry();
  QMutexLocker lock(&r.mutex);
  for (const QString& path : std::as_const(r.paths)) QFile::remove(path);
  r.paths.clear();
}

QStringList liveTempFiles() {
  Registry& r = registry();
  QMutexLocker lock(&r.mutex);
  QStringList out;
  for (const QString& path : std::as_const(r.paths)) {
    if (QFile::exists(path)) out.append(path);
  }
  return out;
}

QString TempFileSet::create(const QString& prefix) {
  QString path = createTempFile(prefix);
  if (!path.isEmpty()) paths_.append(path);
  return path;
}

void TempFileSet::removeAll() {
  for (const QString& path : std::as_const(paths_)) removeTempFile(path);
  paths_.clear();
}

}  // namespace veldra
