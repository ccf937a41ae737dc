// The sheet "ﾋﾞﾙﾄﾞ設定": pages "ﾋﾞﾙﾄﾞ" and "実行" over the group's build options and
// "環境" over the per-user build environment.
#pragma once

#include <QDialog>
#include <array>

#include "core/build_options.h"

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace veldra {

class BuildOptionsSheet : public QDialog {
  Q_OBJECT
 public:
  BuildOptionsSheet(const BuildOptions& options, const BuildEnvironment& environment,
                    QWidget* parent = nullptr);

  BuildOptions options() const;
  BuildEnvironment environment() const;
  QTabWidget* tabs() const { return tabs_; }

 private:
  QWidget* buildPage(const BuildOptions& o);
  QWidget* runPage(const BuildOptions& o);
  QWidget* environmentPage(const BuildEnvironment& e);
  QLineEdit* browsed(const QString& text, const QString& button, const QString& title,
                     const QString& filter, QWidget* page, int row);

  QTabWidget* tabs_;
  QLineEdit* makeFile_ = nullptr;
  QLineEdit* makeUtility_ = nullptr;
  QLineEdit* makeOptions_ = nullptr;
  QLineEdit* runCommand_ = nullptr;
  QLineEdit* runOptions_ = nullptr;
  std::array<QCheckBox*, 3> runFlags_{};
  QCheckBox* information_ = nullptr;
  QCheckBox* skipSave_ = nullptr;
};

}  // namespace veldra
