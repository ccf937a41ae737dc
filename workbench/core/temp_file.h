// Temporary files of the workbench: created exclusively in QDir::tempPath(), named
// from the first three characters of a prefix, four hex digits and ".tmp", and
// deleted on every path (by their owner, and at the latest when the program ends).
#pragma once

#include <QString>
#include <QStringList>

namespace veldra {

// Creates a new, empty temporary file and returns its full name, or an empty text
// when none could be made. The file is registered for deletion at program end.
QString createTempFile(const QString& prefix);

// The same, trying the numbers from `start` upwards (wrapping) instead of from a
// random one; lets tests place obstacles in the way.
QString createTempFileFrom(const QString& prefix, int start);

// Deletes a file that createTempFile made (and forgets it). Returns false when the
// file was not ours or could not be removed.
bool removeTempFile(const QString& path);

// Deletes every temporary file still registered; called when the program ends.
void removeAllTempFiles();

// The temporary files that still exist and are registered (for tests and exit).
QStringList liveTempFiles();

// A set of temporary files owned by one operation; deletes them when destroyed.
class TempFileSet {
 public:
  TempFileSet() = default;
  TempFileSet(const TempFileSet&) = delete;
  TempFileSet& operator=(const TempFileSet&) = delete;
  ~TempFileSet() { removeAll(); }

  // Makes a new temporary file owned by this set; empty on failure.
  QString create(const QString& prefix);
  void adopt(const QString& path) { paths_.append(path); }
  // Hands a file over to the caller, who deletes it with removeTempFile.
  void release(const QString& path) { paths_.removeAll(path); }
  void removeAll();
  const QStringList& paths() const { return paths_; }

 private:
  QStringList paths_;
};

}  // namespace veldra
