// A most-recent-first list of texts kept in one profile section as numbered
// entries ("item1", "item2", ... or "file1", ...): the tools' input histories
// ("ExecHist" for command lines, "FSearchHist" for search texts) and the recent
// groups ("GroupList").
#pragma once

#include <QSettings>
#include <QStringList>

#include "core/constants.h"

namespace veldra {

class HistoryList {
 public:
  explicit HistoryList(QString section, QString entryPrefix = QStringLiteral("item"),
                       int capacity = kRegisteredItemsMax)
      : section_(std::move(section)), prefix_(std::move(entryPrefix)), capacity_(capacity) {}

  // Empty entries and later copies of an entry are skipped.
  void load(QSettings& settings);
  // Writes the texts and removes the numbered entries beyond them.
  void save(QSettings& settings) const;
  // Puts `text` first; an equal older entry goes, the oldest beyond capacity goes.
  void add(const QString& text);
  void remove(const QString& text) { texts_.removeAll(text); }
  const QStringList& texts() const { return texts_; }

 private:
  QString entryKey(int number) const;

  QString section_;
  QString prefix_;
  int capacity_;
  QStringList texts_;
};

}  // namespace veldra
