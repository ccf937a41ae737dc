#include "core/find_in_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include "core/constants.h"
#include "core/profile_values.h"
#include "core/text_codec.h"

namespace veldra {

namespace {

const QString kSection = QStringLiteral("FSearch");

// Letters and digits of any script and the underscore make up a word: a match
// counts as a word when neither neighbour is one of them. Japanese text has no
// blanks between words, so a whole-word search there finds only runs of the text
// set off by punctuation, blanks or characters of no word class.
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

bool isWordAt(QStringView text, qsizetype at, qsizetype length) {
  if (at > 0 && isWordChar(text[at - 1])) return false;
  const qsizetype end = at + length;
  return end >= text.size() || !isWordChar(text[end]);
}

bool isAscii(QStringView text) {
  for (QChar c : text) {
    if (c.unicode() > 0x7F) return false;
  }
  return true;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Whether the ASCII text occurs in the bytes, ignoring ASCII case: a quick test that
// spares decoding the files that cannot hold it.
bool containsAsciiIgnoringCase(const QByteArray& bytes, const QByteArray& lower) {
  if (bytes.size() < lower.size()) return false;
  const char first = lower[0];
  const char upper = (first >= 'a' && first <= 'z') ? char(first - 'a' + 'A') : first;
  const char* p = bytes.constData();
  const char* end = p + bytes.size() - lower.size() + 1;
  for (; p < end; ++p) {
    if (*p != first && *p != upper) continue;
    qsizetype i = 1;
    while (i < lower.size() && asciiLower(p[i]) == lower[i]) ++i;
    if (i == lower.size()) return true;
  }
  return false;
}

// Position of the next match at or after `from` that satisfies the word rule, or -1.
qsizetype nextMatch(QStringView text, qsizetype from, const FindOptions& o) {
  const Qt::CaseSensitivity cs = o.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (qsizetype at = text.indexOf(o.text, from, cs); at >= 0;
       at = text.indexOf(o.text, at + 1, cs)) {
    if (!o.word || isWordAt(text, at, o.text.size())) return at;
  }
  return -1;
}

}  // namespace

FindOptions FindOptions::load(QSettings& settings) {
  FindOptions o;
  o.text = readText(settings, kSection, QStringLiteral("Key"), {}).left(kFindTextMax);
  const QList<qint64> f =
      readPackedNumbers(settings, kSection, QStringLiteral("Flags"), {0, 0, 0, 1});
  o.word = f[0] != 0;
  o.caseSensitive = f[1] != 0;
  o.namesOnly = f[2] != 0;
  o.fullPath = f[3] != 0;
  return o;
}

void FindOptions::save(QSettings& settings) const {
  settings.setValue(kSection + QStringLiteral("/Key"), text);
  writePackedNumbers(settings, kSection, QStringLiteral("Flags"),
                     {word, caseSensitive, namesOnly, fullPath});
}

bool looksBinary(const QByteArray& bytes) {
  const qsizetype probe = std::min<qsizetype>(bytes.size(), kBinaryProbeBytes);
  return std::memchr(bytes.constData(), 0, size_t(probe)) != nullptr;
}

int findInText(const QString& name, const QByteArray& bytes, const FindOptions& options,
               QStringList* out) {
  return TextFinder(options).find(name, bytes, out);
}

TextFinder::TextFinder(FindOptions options)
    : options_(std::move(options)),
      utf8_(options_.text.toUtf8()),
      shiftJis_(encodeShiftJis(options_.text)) {
  if (isAscii(options_.text)) asciiLower_ = options_.text.toLatin1().toLower();
}

// False when the file surely does not hold the text in either encoding.
bool TextFinder::mayContain(const QByteArray& bytes) const {
  if (options_.caseSensitive) return utf8_.indexIn(bytes) >= 0 || shiftJis_.indexIn(bytes) >= 0;
  if (!asciiLower_.isEmpty()) return containsAsciiIgnoringCase(bytes, asciiLower_);
  return true;
}

int TextFinder::find(const QString& name, const QByteArray& bytes, QStringList* out) const {
  const FindOptions& options = options_;
  if (options.text.isEmpty() || bytes.isEmpty() || !mayContain(bytes)) return 0;
  const QString text = decodeText(bytes);
  int hits = 0;
  qsizetype lineStart = 0;
  int lineNumber = 1;
  for (qsizetype at = nextMatch(text, 0, options); at >= 0;) {
    // Count the lines up to the match, one pass over the text in all.
    for (qsizetype nl = text.indexOf(u'\n', lineStart); nl >= 0 && nl < at;
         nl = text.indexOf(u'\n', lineStart)) {
      lineStart = nl + 1;
      ++lineNumber;
    }
    qsizetype lineEnd = text.indexOf(u'\n', at);
    if (lineEnd < 0) lineEnd = text.size();
    ++hits;
    if (options.namesOnly) {
      out->append(name);
      return hits;
    }
    QStringView line = QStringView(text).sliced(lineStart, lineEnd - lineStart);
    if (line.endsWith(u'\r')) line.chop(1);
    out->append(name + QStringLiteral("(%1): ").arg(lineNumber) + line.toString());
    at = lineEnd < text.size() ? nextMatch(text, lineEnd + 1, options) : -1;
  }
  return hits;
}

FileSearch::FileSearch(QList<QByteArray> files, FindOptions options, QString baseDir)
    : files_(std::move(files)),
      options_(std::move(options)),
      finder_(options_),
      baseDir_(std::move(baseDir)) {}

bool FileSearch::step() {
  if (done()) return false;
  const QString stored = fileNameFromBytes(files_[next_++]);
  const QString path = baseDir_.isEmpty() ? stored : QDir(baseDir_).filePath(stored);
  current_ = options_.fullPath ? QFileInfo(path).absoluteFilePath() : QFileInfo(stored).fileName();
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return true;
  const QByteArray bytes = file.readAll();
  if (looksBinary(bytes)) {
    ++binary_;
    return true;
  }
  hits_ += finder_.find(current_, bytes, &lines_);
  return true;
}

QStringList FileSearch::takeLines() {
  QStringList out;
  out.swap(lines_);
  return out;
}

}  // namespace veldra
