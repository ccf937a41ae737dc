#pragma once

#include <QString>
#include <QStringList>

namespace setup {

// What setup brought into being besides its own marked files: directories it
// had to make, and caches that a desktop tool built for it (they did not exist
// before). Uninstall removes these and nothing else besides the marked files.
class CreatedPaths {
 public:
  CreatedPaths() = default;
  CreatedPaths(QStringList dirs, QStringList caches);

  // Creates the directory and its missing ancestors, remembering each one made.
  bool makeDir(const QString& dir);

  // Names in the directory now; compare with a later listing through noteNewCaches.
  static QStringList entriesOf(const QString& dir);
  // Remembers as caches the entries of the directory that were not among `before`.
  void noteNewCaches(const QString& dir, const QStringList& before);

  const QStringList& dirs() const { return dirs_; }
  const QStringList& caches() const { return caches_; }

  // Removes the remembered caches inside `dir`: files, and directories with
  // their generated content, at most a few levels deep.
  void removeCachesIn(const QString& dir);
  // Removes each remembered directory that is empty, deepest first; one that
  // still holds something stays remembered.
  void removeEmptyDirs();

 private:
  void forgetMissing();
  QStringList dirs_;
  QStringList caches_;
};

}  // namespace setup
