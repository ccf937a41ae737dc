// Where a tag jump goes: the file and line named by an output line
// ("main.c(120): ...", "\"a b.c\":7", "[name] ... (12)") or an include directive.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace veldra {

struct JumpTarget {
  QString file;
  int line = 1;
  bool include = false;  // from an #include directive: relative to the current directory
};

std::optional<JumpTarget> jumpTargetOfLine(const QString& line);

// The dialog "ﾌｧｲﾙ選択": one of several group files of the same name; empty when
// cancelled.
QString chooseJumpFile(const QStringList& candidates, QWidget* parent);

}  // namespace veldra
