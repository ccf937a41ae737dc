#include "app/tag_jump.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "core/constants.h"

namespace veldra {

namespace {

// A decimal number after optional white space at `pos`; -1 when there is none.
int numberAt(const QString& s, qsizetype pos) {
  while (pos < s.size() && s.at(pos).isSpace()) ++pos;
  qsizetype end = pos;
  while (end < s.size() && s.at(end).isDigit()) ++end;
  if (end == pos) return -1;
  bool ok = false;
  const int n = s.mid(pos, end - pos).toInt(&ok);
  return ok ? n : -1;
}

std::optional<JumpTarget> outputForm(const QString& text) {
  qsizetype pos = 0;
  while (pos < text.size() && text.at(pos).isSpace()) ++pos;
  QString name;
  if (pos < text.size() && text.at(pos) == QLatin1Char('"')) {
    const qsizetype close = text.indexOf(QLatin1Char('"'), pos + 1);
    if (close < 0 || close - pos - 1 > kTagQuotedNameMax) return std::nullopt;
    name = text.mid(pos + 1, close - pos - 1);
    pos = close + 1;
  } else {
    const qsizetype start = pos;
    // An optional drive letter with ":" is part of the name.
    if (pos + 1 < text.size() && text.at(pos).isLetter() && text.at(pos + 1) == QLatin1Char(':'))
      pos += 2;
    while (pos < text.size() && text.at(pos) != QLatin1Char('(') && text.at(pos) != QLatin1Char(':')) {
      const QChar c = text.at(pos);
      if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('*')) return std::nullopt;
      ++pos;
    }
    if (pos >= text.size()) return std::nullopt;
    name = text.mid(start, pos - start);
    while (name.endsWith(QLatin1Char(' '))) name.chop(1);
  }
  if (!name.isEmpty() && pos < text.size() &&
      (text.at(pos) == QLatin1Char('(') || text.at(pos) == QLatin1Char(':'))) {
    const int line = numberAt(text, pos + 1);
    if (line >= 0) return JumpTarget{name, line, false};
  }
  // "... [name] ... (12)": a bracketed name and a line number at the end.
  static const QRegularExpression bracketed(QStringLiteral("\\[([^\\]]+)\\].*\\((\\d+)\\)\\s*$"));
  const QRegularExpressionMatch m = bracketed.match(text);
  if (m.hasMatch()) return JumpTarget{m.captured(1), m.captured(2).toInt(), false};
  return std::nullopt;
}

std::optional<JumpTarget> includeForm(const QString& text) {
  static const QRegularExpression include(
      QStringLiteral("^\\s*#\\s*include\\s*(?:\"([^\"]+)\"|<([^>]+)>)"));
  const QRegularExpressionMatch m = include.match(text);
  if (!m.hasMatch()) return std::nullopt;
  return JumpTarget{m.captured(1).isEmpty() ? m.captured(2) : m.captured(1), 1, true};
}

}  // namespace

std::optional<JumpTarget> jumpTargetOfLine(const QString& line) {
  const QString text = line.left(kTagLineMax);
  if (auto target = outputForm(text)) return target;
  return includeForm(text);
}

QString chooseJumpFile(const QStringList& candidates, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("ﾌｧｲﾙ選択"));
  auto* list = new QListWidget(&dialog);
  list->addItems(candidates);
  list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("ｸﾞﾙｰﾌﾟの中に候補のﾌｧｲﾙが、複数存在します。"), &dialog));
  layout->addWidget(new QLabel(QStringLiteral("対象を選択して下さい。"), &dialog));
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return {};
  return list->currentItem()->text();
}

}  // namespace veldra
