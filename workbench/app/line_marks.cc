#include "app/line_marks.h"

#include "app/app_limits.h"
#include "core/constants.h"

namespace veldra {

namespace {

const QString kSection = QStringLiteral("Marks");

QString entryName(int n) { return QStringLiteral("im%1").arg(n); }

bool parseMark(const QString& value, LineMark* mark) {
  const QString sep1 = QLatin1String(kItemSeparator);
  const QString sep2 = QLatin1String(kOptionSeparator);
  const qsizetype a = value.indexOf(sep1);
  if (a < 0) return false;
  const qsizetype b = value.indexOf(sep2, a + sep1.size());
  const QString numbers = value.mid(a + sep1.size(), b < 0 ? -1 : b - a - sep1.size());
  bool okLine = false;
  bool okSecond = false;
  mark->path = value.left(a);
  mark->line = numbers.section(QLatin1Char(':'), 0, 0).toLong(&okLine);
  mark->second = numbers.section(QLatin1Char(':'), 1, 1).toLong(&okSecond);
  mark->text = b < 0 ? QString() : value.mid(b + sep2.size());
  return okLine && okSecond && mark->line > 0;
}

}  // namespace

bool LineMarks::add(const QString& path, long line, const QString& lineText) {
  if (marks_.size() >= kMaxLineMarks) return false;
  marks_.append(LineMark{path, line, 0, lineText.left(kMarkTextMax)});
  return true;
}

void LineMarks::remove(int index) {
  if (index >= 0 && index < marks_.size()) marks_.removeAt(index);
}

QString LineMarks::listText(const LineMark& mark) {
  return QStringLiteral("%1 - %2 : %3").arg(mark.path).arg(mark.line).arg(mark.text);
}

void LineMarks::load(QSettings& settings) {
  marks_.clear();
  settings.beginGroup(kSection);
  for (int n = 1; marks_.size() < kMaxLineMarks; ++n) {
    const QString value = settings.value(entryName(n)).toString();
    LineMark mark;
    if (value.isEmpty()) break;
    if (parseMark(value, &mark)) marks_.append(mark);  // a malformed entry is skipped
  }
  settings.endGroup();
}

void LineMarks::save(QSettings& settings) const {
  settings.beginGroup(kSection);
  settings.remove(QString());
  int n = 1;
  for (const LineMark& m : marks_) {
    settings.setValue(entryName(n++), QStringLiteral("%1%2%3:%4%5%6")
                                          .arg(m.path, QLatin1String(kItemSeparator))
                                          .arg(m.line)
                                          .arg(m.second)
                                          .arg(QLatin1String(kOptionSeparator), m.text));
  }
  settings.setValue(entryName(n), QString());
  settings.endGroup();
}

}  // namespace veldra
