#include "app/tool_launcher.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>

#include "app/app_limits.h"

namespace veldra {

namespace {

// The icon of the tool's program: found through PATH when it is a bare name.
QIcon toolIcon(const QString& file, QStyle* style) {
  QString path = file;
  if (!path.contains(u'/')) path = QStandardPaths::findExecutable(file);
  if (!path.isEmpty() && QFileInfo::exists(path)) {
    const QIcon icon = QFileIconProvider().icon(QFileInfo(path));
    if (!icon.isNull()) return icon;
  }
  return style->standardIcon(QStyle::SP_DesktopIcon);
}

}  // namespace

ToolLauncher::ToolLauncher(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(QStringLiteral("Tool Launch"));
  setObjectName(QStringLiteral("ToolLauncher"));
  auto* grid = new QGridLayout(this);
  grid->setSpacing(2);
  grid->setContentsMargins(2, 2, 2, 2);
  for (int i = 0; i < kLauncherButtons; ++i) {
    auto* b = new QToolButton;
    b->setIconSize(QSize(kDialogIconSize, kDialogIconSize));
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this, [this, i] { emit toolRequested(i); });
    grid->addWidget(b, i / kLauncherColumns, i % kLauncherColumns);
    buttons_[size_t(i)] = b;
  }
  setTools({});
}

void ToolLauncher::setTools(const QList<RegisteredItem>& tools) {
  for (int i = 0; i < kLauncherButtons; ++i) {
    QToolButton* b = buttons_[size_t(i)];
    const bool present = i < tools.size();
    b->setEnabled(present);
    b->setToolTip(present ? tools[i].title : QString());
    b->setIcon(present ? toolIcon(tools[i].value, style()) : QIcon());
  }
}

void ToolLauncher::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit visibilityChanged(true);
}

void ToolLauncher::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

}  // namespace veldra
