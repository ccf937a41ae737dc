#include "owned_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include <cerrno>

namespace setup {
namespace {

// Our files are a few hundred bytes; the mark sits near their start.
constexpr qint64 kMarkSearchBytes = 64 * 1024;
constexpr int kTemporaryAttempts = 100;

bool writeAll(int fd, const QByteArray& content) {
  const char* data = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    left -= written;
  }
  return true;
}

// Creates "<path>.new<n>" exclusively; returns its descriptor and name.
int createTemporaryBeside(const QString& path, QByteArray& name, mode_t mode) {
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    name = QFile::encodeName(path) + ".new" + QByteArray::number(::getpid()) + "-" +
           QByteArray::number(attempt);
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

Ownership ownershipOf(const QString& path) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
    return errno == ENOENT ? Ownership::Missing : Ownership::Foreign;
  }
  if (!S_ISREG(st.st_mode)) return Ownership::Foreign;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Ownership::Foreign;
  return file.read(kMarkSearchBytes).contains(kOwnerMark) ? Ownership::Ours : Ownership::Foreign;
}

bool writeOwned(const QString& path, const QByteArray& content, bool executable) {
  if (ownershipOf(path) == Ownership::Foreign) return false;
  const mode_t mode = executable ? 0755 : 0644;
  QByteArray temporary;
  const int fd = createTemporaryBeside(path, temporary, mode);
  if (fd < 0) return false;
  bool ok = writeAll(fd, content);
  // The mode given to open() is narrowed by the umask; a launcher must stay executable.
  ok = ok && ::fchmod(fd, mode) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0;
  if (!ok) ::unlink(temporary.constData());
  return ok;
}

bool removeOwned(const QString& path) {
  switch (ownershipOf(path)) {
    case Ownership::Missing:
      return true;
    case Ownership::Ours:
      return ::unlink(QFile::encodeName(path).constData()) == 0;
    case Ownership::Foreign:
      break;
  }
  return false;
}

}  // namespace setup
