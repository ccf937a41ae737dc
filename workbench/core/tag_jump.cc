#include "core/tag_jump.h"

#include "core/constants.h"

namespace veldra {

namespace {

bool isSpace(QChar c) { return c == u' ' || c == u'\t'; }

qsizetype skipSpace(QStringView s, qsizetype i) {
  while (i < s.size() && isSpace(s[i])) ++i;
  return i;
}

// A decimal number at `i` after optional white space; -1 when there is none.
int numberAt(QStringView s, qsizetype i, qsizetype* end) {
  i = skipSpace(s, i);
  qsizetype start = i;
  while (i < s.size() && s[i].isDigit() && s[i].unicode() < 0x80) ++i;
  if (i == start) return -1;
  bool ok = false;
  int n = s.mid(start, i - start).toInt(&ok);
  *end = i;
  return ok ? n : -1;
}

// `... [name] (12)` at the end of a line, as the trees and lists print positions.
std::optional<TagTarget> bracketForm(QStringView s) {
  QStringView t = s.trimmed();
  if (!t.endsWith(u')')) return std::nullopt;
  qsizetype open = t.lastIndexOf(u'(');
  if (open < 0) return std::nullopt;
  qsizetype end = 0;
  int line = numberAt(t, open + 1, &end);
  if (line < 0 || skipSpace(t, end) != t.size() - 1) return std::nullopt;
  QStringView before = t.first(open).trimmed();
  if (!before.endsWith(u']')) return std::nullopt;
  qsizetype bracket = before.lastIndexOf(u'[');
  if (bracket < 0 || bracket + 2 > before.size() - 1) return std::nullopt;
  return TagTarget{before.sliced(bracket + 1, before.size() - bracket - 2).toString(), line, false};
}

// `name(12)`, `name: 12` or `"a name"(12)`.
std::optional<TagTarget> outputForm(QStringView s) {
  qsizetype i = skipSpace(s, 0);
  QString name;
  if (i < s.size() && s[i] == u'"') {
    qsizetype close = s.indexOf(u'"', i + 1);
    if (close < 0 || close - i - 1 > kTagQuotedNameMax) return std::nullopt;
    name = s.sliced(i + 1, close - i - 1).toString();
    i = close + 1;
  } else {
    qsizetype start = i;
    if (i + 1 < s.size() && s[i].isLetter() && s[i].unicode() < 0x80 && s[i + 1] == u':') i += 2;
    while (i < s.size() && s[i] != u'(' && s[i] != u':') {
      if (s[i] == u'<' || s[i] == u'>' || s[i] == u'*') return std::nullopt;
      ++i;
    }
    if (i >= s.size()) return std::nullopt;
    name = s.sliced(start, i - start).trimmed().toString();
  }
  if (name.isEmpty() || i >= s.size() || (s[i] != u'(' && s[i] != u':')) return std::nullopt;
  qsizetype end = 0;
  int line = numberAt(s, i + 1, &end);
  if (line < 0) return std::nullopt;
  return TagTarget{name, line, false};
}

// `#include "name"` or `#include <name>`.
std::optional<TagTarget> includeForm(QStringView s) {
  qsizetype i = skipSpace(s, 0);
  if (i >= s.size() || s[i] != u'#') return std::nullopt;
  i = skipSpace(s, i + 1);
  if (!s.sliced(i).startsWith(u"include")) return std::nullopt;
  i = skipSpace(s, i + 7);
  if (i >= s.size() || (s[i] != u'"' && s[i] != u'<')) return std::nullopt;
  const QChar close = s[i] == u'"' ? u'"' : u'>';
  qsizetype end = s.indexOf(close, i + 1);
  if (end <= i + 1) return std::nullopt;
  return TagTarget{s.sliced(i + 1, end - i - 1).toString(), 1, true};
}

}  // namespace

std::optional<TagTarget> parseTagLine(QStringView line) {
  QStringView s = line.first(std::min<qsizetype>(line.size(), kTagLineMax));
  qsizetype newline = s.indexOf(u'\n');
  if (newline >= 0) s = s.first(newline);
  if (s.endsWith(u'\r')) s.chop(1);
  if (auto t = bracketForm(s)) return t;
  if (auto t = outputForm(s)) return t;
  return includeForm(s);
}

bool isBareFileName(const QString& name) {
  return !name.contains(u'/') && !(name.size() >= 2 && name[1] == u':');
}

QList<int> matchingGroupRows(const QStringList& groupFiles, const QString& name) {
  QList<int> rows;
  for (qsizetype i = 0; i < groupFiles.size(); ++i) {
    const QString& f = groupFiles[i];
    if (f.mid(f.lastIndexOf(u'/') + 1) == name) rows.append(static_cast<int>(i));
  }
  return rows;
}

}  // namespace veldra
