#include "core/group_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include "core/constants.h"
#include "core/group_file.h"
#include "core/messages.h"
#include "core/temp_file.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

// The key a sort compares: the file name, or its extension first.
struct SortKey {
  QString primary;
  QString name;
};

SortKey sortKeyOf(const QByteArray& entry, bool byExtension, bool ignoreCase) {
  QString path = fileNameFromBytes(entry);
  QString name = path.mid(path.lastIndexOf(u'/') + 1);
  if (ignoreCase) {
    path = path.toCaseFolded();
    name = name.toCaseFolded();
  }
  qsizetype dot = name.lastIndexOf(u'.');
  QString extension = dot < 0 ? QString() : name.mid(dot + 1);
  return {byExtension ? extension : name, name + u'\0' + path};
}

}  // namespace

GroupModel::GroupModel(QObject* parent) : QObject(parent) {}

GroupModel::~GroupModel() { dropTemporaryMacroFile(); }

void GroupModel::dropTemporaryMacroFile() {
  if (macroIsTemporary_ && !macroFile_.isEmpty()) removeTempFile(macroFile_);
  macroIsTemporary_ = false;
}

void GroupModel::setModified(bool modified) {
  modified_ = modified;
  emit changed();
}

void GroupModel::takeName(const QString& path) {
  QFileInfo info(path);
  groupFile_ = path;
  groupDir_ = info.absolutePath();
  macroFile_ = macroFileNameFor(path);
  loaded_ = true;
  QDir::setCurrent(groupDir_);
}

QString GroupModel::open(const QString& path) {
  const QString name = groupPathWithExtension(path);
  GroupReadResult read = readGroupFile(name);
  if (!read.ok) return read.message;
  dropTemporaryMacroFile();
  files_ = std::move(read.data.files);
  build_ = read.data.build;
  takeName(name);
  setModified(false);
  return {};
}

QString GroupModel::save() {
  if (groupFile_.isEmpty()) return msg::kWriteFailed.str();
  if (files_.isEmpty()) return msg::kGroupEmpty.str();
  QString failure = writeGroupFile(groupFile_, {files_, build_});
  if (!failure.isEmpty()) return failure;
  loaded_ = true;
  setModified(false);
  return {};
}

// Copies (a loaded group's) or moves (a temporary) macro definition file to the
// name that belongs to the new group file, so one group never has two.
QString GroupModel::carryMacroFile(const QString& newMacroFile) {
  const QString old = macroFile_;
  if (old.isEmpty() || old == newMacroFile || !QFile::exists(old)) return {};
  if (QFile::exists(newMacroFile)) QFile::remove(newMacroFile);
  if (!QFile::copy(old, newMacroFile)) return msg::kWriteFailed.str();
  if (macroIsTemporary_) dropTemporaryMacroFile();
  return {};
}

QString GroupModel::saveAs(const QString& path) {
  if (files_.isEmpty()) return msg::kGroupEmpty.str();
  QString failure = writeGroupFile(path, {files_, build_});
  if (!failure.isEmpty()) return failure;
  failure = carryMacroFile(macroFileNameFor(path));
  dropTemporaryMacroFile();
  takeName(path);
  setModified(false);
  return failure;
}

void GroupModel::close() {
  dropTemporaryMacroFile();
  files_.clear();
  groupFile_.clear();
  groupDir_.clear();
  macroFile_.clear();
  build_ = {};
  loaded_ = false;
  setModified(false);
}

QString GroupModel::AddResult::message() const {
  if (!failed.isEmpty()) return msg::kCreateFailed.str();
  if (duplicates.size() == 1) return msg::kDuplicateOne.str().arg(duplicates.first());
  if (duplicates.size() > 1) return msg::kDuplicateMany.str();
  return {};
}

GroupModel::AddResult GroupModel::addFiles(
    const QStringList& paths, const std::function<bool(const QString&)>& confirmCreate) {
  AddResult result;
  QSet<QByteArray> present(files_.cbegin(), files_.cend());
  for (const QString& path : paths) {
    const QByteArray entry = fileNameToBytes(path);
    if (present.contains(entry)) {
      result.duplicates.append(path);
      continue;
    }
    if (!QFileInfo::exists(path)) {
      if (!confirmCreate || !confirmCreate(path)) continue;
      QFile created(path);
      if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        result.failed.append(path);
        continue;
      }
    }
    present.insert(entry);
    files_.append(entry);
    ++result.added;
  }
  if (result.added > 0) setModified(true);
  return result;
}

void GroupModel::removeRows(QList<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  QList<QByteArray> kept;
  kept.reserve(files_.size());
  qsizetype next = 0;
  for (qsizetype i = 0; i < files_.size(); ++i) {
    if (next < rows.size() && rows[next] == i) {
      ++next;
      continue;
    }
    kept.append(files_[i]);
  }
  if (kept.size() == files_.size()) return;
  files_ = std::move(kept);
  setModified(true);
}

void GroupModel::sort(int code) {
  const bool ignoreCase = code >= kSortIgnoreCase;
  const int choice = code % kSortIgnoreCase;
  QList<std::pair<SortKey, QByteArray>> keyed;
  keyed.reserve(files_.size());
  for (const QByteArray& f : files_) {
    keyed.append({sortKeyOf(f, choice == kSortExtension, ignoreCase), f});
  }
  std::stable_sort(keyed.begin(), keyed.end(), [choice](const auto& a, const auto& b) {
    int c = a.first.primary.compare(b.first.primary);
    if (c == 0) c = a.first.name.compare(b.first.name);
    return choice == kSortNameDescending ? c > 0 : c < 0;
  });
  QList<QByteArray> sorted;
  sorted.reserve(keyed.size());
  for (auto& [key, file] : keyed) sorted.append(std::move(file));
  if (sorted == files_) return;
  files_ = std::move(sorted);
  setModified(true);
}

QString GroupModel::fileName(int row) const {
  if (row < 0 || row >= files_.size()) return {};
  return fileNameFromBytes(files_[row]);
}

QList<QByteArray> GroupModel::engineFiles(const QList<int>& selectedRows) const {
  if (selectedRows.isEmpty()) return files_;
  QList<int> rows = selectedRows;
  std::sort(rows.begin(), rows.end());
  QList<QByteArray> out;
  for (int row : rows) {
    if (row >= 0 && row < files_.size()) out.append(files_[row]);
  }
  return out;
}

QString GroupModel::caption() const {
  QString name = groupFile_.isEmpty() ? QStringLiteral("無題") : QFileInfo(groupFile_).fileName();
  if (modified_) name += QStringLiteral(" *");
  return QStringLiteral("Group Manager - [") + name + u']';
}

QString GroupModel::ensureMacroFileName() {
  if (macroFile_.isEmpty()) {
    macroFile_ = createTempFile(QLatin1String(kPrefixMacro));
    macroIsTemporary_ = !macroFile_.isEmpty();
  }
  return macroFile_;
}

void GroupModel::setBuildOptions(const BuildOptions& options) {
  if (options == build_) return;
  build_ = options;
  setModified(true);
}

}  // namespace veldra
