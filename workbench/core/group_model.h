// The group manager's state: the ordered file list, the group and macro definition
// file names, the build options of the group, and the modified and loaded flags.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "core/build_options.h"

namespace veldra {

// Sort codes: the choice plus 100 when case is ignored.
enum GroupSort { kSortNameAscending = 0, kSortNameDescending = 1, kSortExtension = 2 };
inline constexpr int kSortIgnoreCase = 100;

class GroupModel : public QObject {
  Q_OBJECT

 public:
  explicit GroupModel(QObject* parent = nullptr);
  // Deletes a temporary macro definition file made for an untitled group.
  ~GroupModel() override;

  // Opens a group file (".vgp" appended when the path has no "."). On success the
  // group takes the name, its directory becomes the current directory. Returns an
  // empty text or the message to show (the group is then unchanged).
  QString open(const QString& path);
  // Writes the group to its file; an untitled group needs saveAs.
  QString save();
  // Writes the group under a new name and carries its macro definitions along.
  QString saveAs(const QString& path);
  // Clears the list, the names and the loaded flag.
  void close();

  struct AddResult {
    int added = 0;
    QStringList duplicates;
    QStringList failed;  // missing files that could not be created
    // The message to show afterwards ("" when there is none).
    QString message() const;
  };
  // Appends the files that are not yet in the group. A missing file is offered to
  // `confirmCreate` (which shows the question) and created empty on true.
  AddResult addFiles(const QStringList& paths,
                     const std::function<bool(const QString&)>& confirmCreate);
  void removeRows(QList<int> rows);
  void sort(int code);

  int count() const { return static_cast<int>(files_.size()); }
  bool isEmpty() const { return files_.isEmpty(); }
  // The file names as stored (bytes of the file system), and as shown.
  const QList<QByteArray>& files() const { return files_; }
  QString fileName(int row) const;
  // The names handed to the engine: all, or the given rows in list order.
  QList<QByteArray> engineFiles(const QList<int>& selectedRows = {}) const;

  QString groupFileName() const { return groupFile_; }
  QString groupDirectory() const { return groupDir_; }
  QString caption() const;
  bool isModified() const { return modified_; }
  bool isLoaded() const { return loaded_; }

  // The macro definition file name, "" until one is known.
  QString macroFileName() const { return macroFile_; }
  // The macro definition file name; an untitled group gets a temporary one.
  QString ensureMacroFileName();

  const BuildOptions& buildOptions() const { return build_; }
  void setBuildOptions(const BuildOptions& options);

 signals:
  // The list, a name or the modified flag changed.
  void changed();

 private:
  void takeName(const QString& path);
  QString carryMacroFile(const QString& newMacroFile);
  void setModified(bool modified);
  void dropTemporaryMacroFile();

  QList<QByteArray> files_;
  QString groupFile_;
  QString groupDir_;
  QString macroFile_;
  bool macroIsTemporary_ = false;
  BuildOptions build_;
  bool loaded_ = false;
  bool modified_ = false;
};

}  // namespace veldra
