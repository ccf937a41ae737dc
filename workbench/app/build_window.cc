#include "app/build_window.h"

#include <QFontDatabase>
#include <QListWidget>

namespace veldra {

BuildWindow::BuildWindow(QWidget* parent)
    : QDockWidget(QStringLiteral("ﾋﾞﾙﾄﾞ"), parent), list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("BuildWindow"));
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // compilers align columns
  list_->setUniformItemSizes(true);  // keeps long builds cheap to append and scroll
  setWidget(list_);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit lineActivated(item->text()); });
}

void BuildWindow::clear() { list_->clear(); }

void BuildWindow::appendLine(const QString& line) {
  list_->addItem(line);
  list_->scrollToBottom();
}

QStringList BuildWindow::lines() const {
  QStringList out;
  out.reserve(list_->count());
  for (int row = 0; row < list_->count(); ++row) out.append(list_->item(row)->text());
  return out;
}

}  // namespace veldra
