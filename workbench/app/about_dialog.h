// The About box: product line, version and the engine's own version.
#pragma once

#include <QDialog>

namespace veldra {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  // `engineVersion` is what the version query returned ("" when it failed).
  explicit AboutDialog(const QString& engineVersion, QWidget* parent = nullptr);
  QString engineLine() const { return engineLine_; }

 private:
  QString engineLine_;
};

}  // namespace veldra
