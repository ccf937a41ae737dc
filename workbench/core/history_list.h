// The input histories of the tools' combo boxes ("ExecHist" for command lines,
// "FSearchHist" for search texts): at most ten texts, the newest first, stored as
// "item1", "item2", ... in their section.
#pragma once

#include <QSettings>
#include <QStringList>

namespace veldra {

class HistoryList {
 public:
  explicit HistoryList(QString section) : section_(std::move(section)) {}

  void load(QSettings& settings);
  void save(QSettings& settings) const;
  // Puts `text` first; an equal older entry goes, the oldest beyond ten goes.
  void add(const QString& text);
  const QStringList& texts() const { return texts_; }

 private:
  QString section_;
  QStringList texts_;
};

}  // namespace veldra
