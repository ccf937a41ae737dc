// The dialog "ﾌｧｲﾙ選択": a tag jump names a file that several group entries share.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace veldra {

// The chosen candidate, or an empty text when the dialog was cancelled.
QString chooseJumpFile(const QStringList& candidates, QWidget* parent);

}  // namespace veldra
