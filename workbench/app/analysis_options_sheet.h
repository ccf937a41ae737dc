// The sheet "解析ｵﾌﾟｼｮﾝ": pages "共通設定", "関数一覧/ﾂﾘｰ", "ｽﾃｯﾌﾟ数", "HTML" and
// "ﾄﾞｷｭﾒﾝﾄ一括" over a copy of the analysis option record.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/analysis_options.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QTabWidget;

namespace veldra {

class AnalysisOptionsSheet : public QDialog {
  Q_OBJECT
 public:
  // `groupEntry` is the settings group the combo box shows first (0 ... 3).
  AnalysisOptionsSheet(const AnalysisOptions& options, int groupEntry, QWidget* parent = nullptr);

  // The edited record; lastPage is the page shown.
  AnalysisOptions options() const;
  int groupEntry() const;
  QTabWidget* tabs() const { return tabs_; }
  QComboBox* groupCombo() const { return combo_; }

  // "#define 設定(&D)..." and "ﾘｽﾄ登録..." (which returns the list file chosen).
  void setEditors(std::function<void()> macros,
                  std::function<QString(const QString&)> functionList);

 private:
  QWidget* commonPage();
  QWidget* treePage();
  QWidget* countPage();
  QWidget* maskPage(quint32 mask, std::array<QCheckBox*, 6>* boxes);
  void showGroup(int group);
  void keepGroup();

  AnalysisOptions options_;
  QTabWidget* tabs_;
  QRadioButton* ascii_ = nullptr;
  QCheckBox* noBrace_ = nullptr;
  QCheckBox* preprocessor_ = nullptr;
  QComboBox* combo_ = nullptr;
  std::array<QCheckBox*, 4> tree_{};
  QCheckBox* individual_ = nullptr;
  QRadioButton* perFunction_ = nullptr;
  std::array<QCheckBox*, 6> html_{};
  std::array<QCheckBox*, 6> allDocs_{};
  int shownGroup_ = 0;
  std::function<void()> editMacros_;
  std::function<QString(const QString&)> editFunctionList_;
};

}  // namespace veldra
