// The dialog "関数一覧登録": the function names an analysis may exclude, edited and
// kept in a function list file.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace veldra {

class FunctionListDialog : public QDialog {
  Q_OBJECT
 public:
  // Starts with the names of `path` (the exclusion list) when it can be read.
  explicit FunctionListDialog(const QString& path, QWidget* parent = nullptr);

  QStringList names() const;
  void addName(const QString& name);
  void removeSelected();
  // Returns "" or the message shown.
  QString load(const QString& path);
  QString save(const QString& path) const;
  QString path() const { return path_; }

 private:
  QString path_;
  QLineEdit* name_;
  QListWidget* list_;
};

}  // namespace veldra
