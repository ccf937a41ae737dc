// The line marks: at most twelve (file, line, text of the line), kept in the
// profile section "Marks" between runs.
#pragma once

#include <QList>
#include <QSettings>
#include <QString>

namespace veldra {

struct LineMark {
  QString path;
  long line = 0;
  long second = 0;  // kept with the mark; 0 for marks made from the caret line
  QString text;     // the marked line, at most kMarkTextMax characters
  bool operator==(const LineMark&) const = default;
};

class LineMarks {
 public:
  // Adds a mark; false (nothing added) when the list is full.
  bool add(const QString& path, long line, const QString& lineText);
  void remove(int index);
  const QList<LineMark>& marks() const { return marks_; }

  // "%s - %ld : %s": file name, line, line text.
  static QString listText(const LineMark& mark);

  // Entries "im1", "im2", ...: path "#$1_#" "line:second" "#$2_#" text; the entry
  // after the last mark is written empty, and reading stops at the first missing
  // or empty entry.
  void load(QSettings& settings);
  void save(QSettings& settings) const;

 private:
  QList<LineMark> marks_;
};

}  // namespace veldra
