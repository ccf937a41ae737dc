#include "app/analysis_options_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace veldra {

namespace {

constexpr const char* kGroupNames[] = {"共通(一覧/呼出/逆呼出)", "関数一覧", "関数呼出ﾂﾘｰ",
                                       "関数逆呼出ﾂﾘｰ"};
// The component check boxes, bit 1 << index.
constexpr const char* kComponentNames[] = {"関数一覧",      "関数呼出ﾂﾘｰ", "関数逆呼出ﾂﾘｰ",
                                           "ｱｸｼｮﾝﾀﾞｲｱｸﾞﾗﾑ", "ｲﾝｸﾙｰﾄﾞﾂﾘｰ",  "ｽﾃｯﾌﾟｶｳﾝﾄ"};
constexpr const char* kFileNameLabel = "ﾌｧｲﾙ名を出力する。";
constexpr const char* kFileNameBracketLabel = "ﾌｧｲﾙ名を出力( []で括った形式 )";

}  // namespace

AnalysisOptionsSheet::AnalysisOptionsSheet(const AnalysisOptions& options, int groupEntry,
                                           QWidget* parent)
    : QDialog(parent), options_(options), tabs_(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("解析ｵﾌﾟｼｮﾝ"));
  tabs_->addTab(commonPage(), QStringLiteral("共通設定"));
  tabs_->addTab(treePage(), QStringLiteral("関数一覧/ﾂﾘｰ"));
  tabs_->addTab(countPage(), QStringLiteral("ｽﾃｯﾌﾟ数"));
  tabs_->addTab(maskPage(options.htmlMask, &html_), QStringLiteral("HTML"));
  tabs_->addTab(maskPage(options.allDocumentsMask, &allDocs_), QStringLiteral("ﾄﾞｷｭﾒﾝﾄ一括"));
  if (options.lastPage >= 0 && options.lastPage < tabs_->count())
    tabs_->setCurrentIndex(options.lastPage);
  combo_->setCurrentIndex(options.individualSettings ? std::clamp(groupEntry, 0, 3) : 0);
  layOutSheet(this, tabs_);
}

void AnalysisOptionsSheet::setEditors(std::function<void()> macros,
                                      std::function<QString(const QString&)> functionList) {
  editMacros_ = std::move(macros);
  editFunctionList_ = std::move(functionList);
}

QWidget* AnalysisOptionsSheet::commonPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* lines = new QGroupBox(QStringLiteral("表示ﾗｲﾝ(&H)"));
  auto* row = new QHBoxLayout(lines);
  auto* jis = new QRadioButton(QStringLiteral("JIS"));
  ascii_ = new QRadioButton(QStringLiteral("ASCII"));
  (options_.lineDrawing == 1 ? ascii_ : jis)->setChecked(true);
  row->addWidget(jis);
  row->addWidget(ascii_);
  row->addStretch();
  layout->addWidget(lines);
  noBrace_ = checkBox("関数解析時に\"{\" \"}\" の対応チェックをしない.", options_.noBraceCheck);
  layout->addWidget(noBrace_);
  auto* preRow = new QHBoxLayout;
  preprocessor_ = checkBox("#if-#endifをﾁｪｯｸする.", options_.preprocessorCheck);
  auto* defines = new QPushButton(QStringLiteral("#define 設定(&D)..."));
  connect(defines, &QPushButton::clicked, this, [this] {
    if (editMacros_) editMacros_();
  });
  preRow->addWidget(preprocessor_);
  preRow->addWidget(defines);
  preRow->addStretch();
  layout->addLayout(preRow);
  layout->addStretch();
  return page;
}

QWidget* AnalysisOptionsSheet::treePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  combo_ = new QComboBox;
  for (const char* name : kGroupNames) combo_->addItem(QString::fromUtf8(name));
  layout->addWidget(combo_);
  tree_[0] = checkBox("未定義関数を解析対象外とする。", false);
  tree_[1] = checkBox(kFileNameLabel, false);
  tree_[2] = checkBox("ﾌｧｲﾙ名、行番号を出力する。", false);
  tree_[3] = checkBox("解析対象外ﾘｽﾄを利用する。", false);
  for (QCheckBox* box : tree_) layout->addWidget(box);
  auto* list = new QPushButton(QStringLiteral("ﾘｽﾄ登録..."));
  connect(list, &QPushButton::clicked, this, [this] {
    if (!editFunctionList_) return;
    const QString chosen = editFunctionList_(options_.exclusionListFile);
    if (!chosen.isEmpty()) options_.exclusionListFile = chosen;
  });
  auto* listRow = new QHBoxLayout;
  listRow->addStretch();
  listRow->addWidget(list);
  layout->addLayout(listRow);
  individual_ = checkBox("個別にｵﾌﾟｼｮﾝを設定", options_.individualSettings);
  layout->addWidget(individual_);
  layout->addStretch();
  // While individual settings are off only the common group counts.
  connect(individual_, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) combo_->setCurrentIndex(kGroupCommon);
    combo_->setEnabled(on);
  });
  combo_->setEnabled(options_.individualSettings);
  showGroup(kGroupCommon);
  connect(combo_, &QComboBox::currentIndexChanged, this, [this](int group) {
    keepGroup();
    showGroup(group);
  });
  return page;
}

void AnalysisOptionsSheet::showGroup(int group) {
  if (group < 0) return;
  shownGroup_ = group;
  const TreeSettings& s = options_.groups[size_t(group)];
  tree_[0]->setChecked(s.excludeUndefined);
  tree_[1]->setChecked(s.outputFileName);
  tree_[1]->setText(
      QString::fromUtf8(group == kGroupList ? kFileNameBracketLabel : kFileNameLabel));
  tree_[2]->setChecked(s.outputFileAndLine);
  tree_[3]->setChecked(s.useExclusionList);
}

void AnalysisOptionsSheet::keepGroup() {
  TreeSettings& s = options_.groups[size_t(shownGroup_)];
  s.excludeUndefined = tree_[0]->isChecked();
  s.outputFileName = tree_[1]->isChecked();
  s.outputFileAndLine = tree_[2]->isChecked();
  s.useExclusionList = tree_[3]->isChecked();
}

QWidget* AnalysisOptionsSheet::countPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* perFile = new QRadioButton(QStringLiteral("ﾌｧｲﾙ単位(&M)"));
  perFunction_ = new QRadioButton(QStringLiteral("関数単位(&F)"));
  (options_.countUnit == 1 ? perFunction_ : perFile)->setChecked(true);
  layout->addWidget(perFile);
  layout->addWidget(perFunction_);
  layout->addStretch();
  return page;
}

QWidget* AnalysisOptionsSheet::maskPage(quint32 mask, std::array<QCheckBox*, 6>* boxes) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  for (size_t bit = 0; bit < boxes->size(); ++bit) {
    (*boxes)[bit] = checkBox(kComponentNames[bit], (mask >> bit) & 1U);
    layout->addWidget((*boxes)[bit]);
  }
  layout->addStretch();
  return page;
}

AnalysisOptions AnalysisOptionsSheet::options() const {
  AnalysisOptions o = options_;
  TreeSettings& s = o.groups[size_t(shownGroup_)];
  s.excludeUndefined = tree_[0]->isChecked();
  s.outputFileName = tree_[1]->isChecked();
  s.outputFileAndLine = tree_[2]->isChecked();
  s.useExclusionList = tree_[3]->isChecked();
  o.lineDrawing = ascii_->isChecked() ? 1 : 0;
  o.noBraceCheck = noBrace_->isChecked();
  o.preprocessorCheck = preprocessor_->isChecked();
  o.individualSettings = individual_->isChecked();
  o.countUnit = perFunction_->isChecked() ? 1 : 0;
  // Bits outside the six components are kept as they were.
  auto maskOf = [](quint32 old, const std::array<QCheckBox*, 6>& boxes) {
    quint32 m = old & ~0x3FU;
    for (size_t bit = 0; bit < boxes.size(); ++bit) {
      if (boxes[bit]->isChecked()) m |= 1U << bit;
    }
    return m;
  };
  o.htmlMask = maskOf(options_.htmlMask, html_);
  o.allDocumentsMask = maskOf(options_.allDocumentsMask, allDocs_);
  o.lastPage = tabs_->currentIndex();
  return o;
}

int AnalysisOptionsSheet::groupEntry() const { return combo_->currentIndex(); }

}  // namespace veldra
