// The dialog "行ﾏｰｸ一覧": the marks, jump to one, add the caret line, delete.
#pragma once

#include <QDialog>

class QListWidget;

namespace veldra {

class LineMarks;

class LineMarkDialog : public QDialog {
  Q_OBJECT
 public:
  LineMarkDialog(LineMarks* marks, QWidget* parent = nullptr);
  void refresh();
  // The mark chosen by "ｼﾞｬﾝﾌﾟ(&J)" (the dialog then closes with OK), or -1.
  int chosenIndex() const { return chosen_; }

 signals:
  void addRequested();

 private:
  LineMarks* marks_;
  QListWidget* list_;
  int chosen_ = -1;
};

}  // namespace veldra
