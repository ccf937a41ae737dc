// The dialog "ﾌﾟﾛｸﾞﾗﾑの実行": a command line (with its history) and how to run it.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace veldra {

struct ExecRequest {
  QString commandLine;
  bool capture = false;
  bool shell = false;
  bool minimised = false;
};

class ExecDialog : public QDialog {
  Q_OBJECT
 public:
  ExecDialog(const QStringList& history, const ExecRequest& last, QWidget* parent = nullptr);
  ExecRequest request() const;

 private:
  QComboBox* line_;
  QCheckBox* capture_;
  QCheckBox* shell_;
  QCheckBox* minimised_;
};

}  // namespace veldra
