#pragma once

#include <QDialog>
#include <QLabel>

#include <functional>

#include "registrar.h"

class QCheckBox;
class QRadioButton;

namespace setup {

inline constexpr char kSetupTitle[] = "Veldra/C Setup";

// "はじめに": what the workbench does, and OK.
class IntroDialog : public QDialog {
 public:
  explicit IntroDialog(QWidget* parent = nullptr);
};

// "環境設定": which generation of common controls the machine has.
class EnvironmentDialog : public QDialog {
 public:
  EnvironmentDialog(int mode, QWidget* parent = nullptr);
  int mode() const;

 private:
  QRadioButton* oldControls_;
  QRadioButton* newControls_;
};

// The main dialog: the four registration choices and "その他". OK goes on only
// when `mayProceed` allows it; cancelling asks whether to abandon setup.
class SetupDialog : public QDialog {
 public:
  SetupDialog(const Choices& choices, int mode, std::function<bool()> mayProceed,
              QWidget* parent = nullptr);
  Choices choices() const;
  int mode() const { return mode_; }
  // Whether the dialog ended because the user abandoned setup.
  bool abandoned() const { return abandoned_; }

  void accept() override;
  void reject() override;

 private:
  void showEnvironment();

  QCheckBox* associate_;
  QCheckBox* desktop_;
  QCheckBox* menu_;
  QCheckBox* sendTo_;
  int mode_;
  std::function<bool()> mayProceed_;
  bool abandoned_ = false;
};

// The progress window: "ｾｯﾄｱｯﾌﾟ中です..." or "ｱﾝｲﾝｽﾄｰﾙ中です...".
class ProgressWindow : public QDialog {
 public:
  explicit ProgressWindow(bool uninstalling, QWidget* parent = nullptr);
};

// Message boxes with the program's title as caption.
void showWarning(QWidget* parent, int id, const QString& argument = {});
void showInformation(QWidget* parent, int id, const QString& argument = {});
bool askOkCancel(QWidget* parent, int id);

}  // namespace setup
