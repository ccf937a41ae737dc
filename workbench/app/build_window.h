// The build output window "ﾋﾞﾙﾄﾞ": the lines of the last build as they arrive. A
// double click on a line that names a file and line asks for a jump there.
#pragma once

#include <QDockWidget>
#include <QStringList>

class QListWidget;

namespace veldra {

class BuildWindow : public QDockWidget {
  Q_OBJECT
 public:
  explicit BuildWindow(QWidget* parent = nullptr);

  void clear();
  void appendLine(const QString& line);
  QStringList lines() const;
  QListWidget* list() const { return list_; }

 signals:
  void lineActivated(const QString& line);

 private:
  QListWidget* list_;
};

}  // namespace veldra
