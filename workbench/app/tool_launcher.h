// The tool launcher "Tool Launch": a small tool window with ten buttons in two rows
// of five, each showing a registered tool's icon and starting it.
#pragma once

#include <QList>
#include <QWidget>
#include <array>

#include "core/registered_items.h"

class QToolButton;

namespace veldra {

inline constexpr int kLauncherButtons = 10;
inline constexpr int kLauncherColumns = 5;

class ToolLauncher : public QWidget {
  Q_OBJECT
 public:
  explicit ToolLauncher(QWidget* parent = nullptr);

  // Shows the tools (buttons beyond the list are disabled).
  void setTools(const QList<RegisteredItem>& tools);
  QToolButton* button(int index) const { return buttons_[size_t(index)]; }

 signals:
  void toolRequested(int index);
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::array<QToolButton*, kLauncherButtons> buttons_{};
};

}  // namespace veldra
