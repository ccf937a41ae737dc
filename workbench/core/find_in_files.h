// Find in files: the search options (kept in the profile section "FSearch"), the
// matching of one file's text, and a search over many files that runs a file at a
// time so that a window can stay responsive in between.
#pragma once

#include <QByteArray>
#include <QByteArrayMatcher>
#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace veldra {

struct FindOptions {
  QString text;
  bool word = false;           // "単語単位で捜す(&W)"
  bool caseSensitive = false;  // "大文字小文字を区別する(&C)"
  bool namesOnly = false;      // "ﾌｧｲﾙ名一覧だけ作成する"
  bool fullPath = true;        // "ﾌｧｲﾙ名をﾌﾙﾊﾟｽで表示する"
  bool operator==(const FindOptions&) const = default;

  // "FSearch"/"Key" and "FSearch"/"Flags" ("%d,%d,%d,%d": word, case, names only,
  // full path; default "0,0,0,1").
  static FindOptions load(QSettings& settings);
  void save(QSettings& settings) const;
};

// Appends the result lines for one file's bytes to `out`: "NAME(LINE): TEXT" for
// every line holding the text, or NAME alone (once) with names only. The text is
// decoded as UTF-8 when valid, else as Shift-JIS. Returns the number of lines that
// hold the text. A file with a NUL byte near its start is binary and not searched.
int findInText(const QString& name, const QByteArray& bytes, const FindOptions& options,
               QStringList* out);

bool looksBinary(const QByteArray& bytes);

// A search text prepared once for many files: its UTF-8 and Shift-JIS bytes serve
// a quick test that spares decoding the files that cannot hold it.
class TextFinder {
 public:
  explicit TextFinder(FindOptions options);
  // As findInText.
  int find(const QString& name, const QByteArray& bytes, QStringList* out) const;

 private:
  bool mayContain(const QByteArray& bytes) const;

  FindOptions options_;
  QByteArrayMatcher utf8_;
  QByteArrayMatcher shiftJis_;
  QByteArray asciiLower_;  // the text in lower case when it is ASCII, else empty
};

class FileSearch {
 public:
  // `files` as the group stores them; relative names are read from `baseDir`.
  FileSearch(QList<QByteArray> files, FindOptions options, QString baseDir);

  // Searches the next file; false when every file has been searched.
  bool step();
  bool done() const { return next_ >= files_.size(); }
  // The file the last step searched, as shown.
  QString currentFile() const { return current_; }
  int hits() const { return hits_; }
  // Result lines not yet taken.
  QStringList takeLines();
  int skippedBinary() const { return binary_; }

 private:
  QList<QByteArray> files_;
  FindOptions options_;
  TextFinder finder_;
  QString baseDir_;
  QString current_;
  QStringList lines_;
  qsizetype next_ = 0;
  int hits_ = 0;
  int binary_ = 0;
};

}  // namespace veldra
