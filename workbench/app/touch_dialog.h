// The dialog "ﾀｲﾑｽﾀﾝﾌﾟ変更(Touch)": the current time or a typed one, for the selected
// or all files of the group. OK is refused with the message of an invalid field.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <array>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace veldra {

class TouchDialog : public QDialog {
  Q_OBJECT
 public:
  TouchDialog(bool selectionAvailable, QWidget* parent = nullptr);

  // The time chosen (valid after accept).
  QDateTime when() const { return when_; }
  bool selectedOnly() const;
  // Fields year, month, day, hour, minute, second, for tests.
  QLineEdit* field(int index) const { return fields_[size_t(index)]; }
  QRadioButton* specifiedButton() const { return specified_; }
  void setWarner(std::function<void(const QString&)> warner) { warner_ = std::move(warner); }

  void accept() override;

 private:
  QRadioButton* specified_;
  QRadioButton* selected_;
  std::array<QLineEdit*, 6> fields_{};
  QDateTime when_;
  std::function<void(const QString&)> warner_;
};

}  // namespace veldra
