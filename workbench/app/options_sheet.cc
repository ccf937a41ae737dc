#include "app/options_sheet.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/option_values.h"
#include "core/constants.h"

namespace veldra {

namespace {

bool dialogColour(QWidget* parent, quint32* value) {
  const QColor c = QColorDialog::getColor(colourFromValue(*value), parent);
  if (!c.isValid()) return false;
  *value = valueFromColour(c);
  return true;
}

bool dialogFont(QWidget* parent, FontRecord* record, qint64* size, int units) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, fontFromRecord(*record, *size, units), parent);
  if (!ok) return false;
  *record = recordFromFont(f);
  *size = sizeFromFont(f, units);
  return true;
}

QString colourStyle(quint32 text, quint32 background) {
  return QStringLiteral("color: %1; background: %2;")
      .arg(colourFromValue(text).name(), colourFromValue(background).name());
}

}  // namespace

OptionsSheet::OptionsSheet(const DisplayOptions& options, const QStringList& toolbarNames,
                           QWidget* parent)
    : QDialog(parent), options_(options), tabs_(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("ｵﾌﾟｼｮﾝ"));
  chooseColour_ = [this](quint32* v) { return dialogColour(this, v); };
  chooseFont_ = [this](FontRecord* r, qint64* s, int u) { return dialogFont(this, r, s, u); };
  tabs_->addTab(editorPage(), QStringLiteral("ｴﾃﾞｨﾀ"));
  tabs_->addTab(groupPage(), QStringLiteral("ｸﾞﾙｰﾌﾟ"));
  tabs_->addTab(toolbarPage(toolbarNames), QStringLiteral("ﾂｰﾙﾊﾞｰ"));
  if (options.lastPage >= 0 && options.lastPage < tabs_->count())
    tabs_->setCurrentIndex(options.lastPage);
  layOutSheet(this, tabs_);
  updatePreviews();
}

void OptionsSheet::setChoosers(ColourChooser colour, FontChooser font) {
  chooseColour_ = std::move(colour);
  chooseFont_ = std::move(font);
}

QWidget* OptionsSheet::colourButton(const QString& label, quint32* value) {
  auto* button = new QPushButton(label);
  connect(button, &QPushButton::clicked, this, [this, value] {
    if (chooseColour_(value)) updatePreviews();
  });
  return button;
}

QWidget* OptionsSheet::fontButton(const QString& label, FontRecord* record, qint64* size,
                                  int units) {
  auto* button = new QPushButton(label);
  connect(button, &QPushButton::clicked, this, [this, record, size, units] {
    if (chooseFont_(record, size, units)) updatePreviews();
  });
  return button;
}

QWidget* OptionsSheet::editorPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(colourButton(QStringLiteral("文字色(&C)..."), &options_.editText), 0, 0);
  grid->addWidget(colourButton(QStringLiteral("背景色(&B)..."), &options_.editBackground), 0, 1);
  grid->addWidget(fontButton(QStringLiteral("ﾌｫﾝﾄ(&F)..."), &options_.editFont,
                             &options_.editFontPoint, kEditFontUnits),
                  0, 2);
  auto* tabRow = new QHBoxLayout;
  tabRow->addWidget(new QLabel(QStringLiteral("ﾀﾌﾞｻｲｽﾞ :  ")));
  tabSize_ = new QSpinBox;
  tabSize_->setRange(kTabSizeMin, kTabSizeMax);
  tabSize_->setValue(options_.tabSize);
  tabRow->addWidget(tabSize_);
  tabRow->addStretch();
  grid->addLayout(tabRow, 1, 0, 1, 3);
  autoIndent_ = checkBox("ｵｰﾄｲﾝﾃﾞﾝﾄ(&I)", options_.autoIndent);
  acceleration_ = checkBox("ｶｰｿﾙ移動の加速(&K)", options_.cursorAcceleration);
  underline_ = checkBox("下線(&U) ", options_.underline);
  maximise_ = checkBox("ｵｰﾌﾟﾝ時、子ｳｨﾝﾄﾞｳを最大化する(&M)", options_.maximiseChildren);
  grid->addWidget(autoIndent_, 2, 0, 1, 3);
  grid->addWidget(acceleration_, 3, 0, 1, 3);
  auto* underlineRow = new QHBoxLayout;
  underlineRow->addWidget(underline_);
  underlineRow->addWidget(colourButton(QStringLiteral("..."), &options_.underlineColor));
  underlineRow->addStretch();
  grid->addLayout(underlineRow, 4, 0, 1, 3);
  grid->addWidget(maximise_, 5, 0, 1, 3);
  editPreview_ = new QLabel(QStringLiteral("Sample Text"));
  editPreview_->setFrameShape(QFrame::Box);
  editPreview_->setMinimumHeight(48);
  editPreview_->setAlignment(Qt::AlignCenter);
  grid->addWidget(editPreview_, 6, 0, 1, 3);
  return page;
}

QWidget* OptionsSheet::groupPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(colourButton(QStringLiteral("文字色(&C)..."), &options_.groupText), 0, 0);
  grid->addWidget(colourButton(QStringLiteral("背景色(&B)..."), &options_.groupBackground), 0, 1);
  grid->addWidget(fontButton(QStringLiteral("ﾌｫﾝﾄ(&F)..."), &options_.groupFont,
                             &options_.groupFontSize, kGroupFontUnits),
                  0, 2);
  fullPath_ = checkBox("ﾌｧｲﾙ名をﾌﾙﾊﾟｽで表示(&F)   ", options_.fullPath);
  front_ = checkBox("表示時には、前面に表示する。", options_.frontWhenShown);
  topmost_ = checkBox("常に前面に表示(&T)       ", options_.alwaysOnTop);
  reopen_ = checkBox("起動時に、編集していたｸﾞﾙｰﾌﾟを読込む。", options_.reopenGroup);
  int row = 1;
  for (QCheckBox* box : {fullPath_, front_, topmost_, reopen_})
    grid->addWidget(box, row++, 0, 1, 3);
  auto* cursor = new QGroupBox(QStringLiteral("検索ｶｰｿﾙ"));
  auto* cursorRow = new QHBoxLayout(cursor);
  auto* black = new QRadioButton(QStringLiteral("黒"));
  cursorWhite_ = new QRadioButton(QStringLiteral("白"));
  (options_.searchCursor == 1 ? cursorWhite_ : black)->setChecked(true);
  cursorRow->addWidget(black);
  cursorRow->addWidget(cursorWhite_);
  grid->addWidget(cursor, row++, 0, 1, 2);
  auto* types = new QPushButton(QStringLiteral("ﾌｧｲﾙﾀｲﾌﾟ(&E)..."));
  connect(types, &QPushButton::clicked, this, &OptionsSheet::fileTypesRequested);
  grid->addWidget(types, row - 1, 2);
  groupPreview_ = new QListWidget;
  groupPreview_->addItems({QStringLiteral("Sample1.c"), QStringLiteral("Sample2.c")});
  groupPreview_->setMaximumHeight(72);
  grid->addWidget(groupPreview_, row, 0, 1, 3);
  return page;
}

QWidget* OptionsSheet::toolbarPage(const QStringList& toolbarNames) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  auto* list = new QListWidget;
  list->addItems(toolbarNames);
  list->setCurrentRow(0);
  grid->addWidget(list, 0, 0, 3, 1);
  // Qt's toolbars have no customisation dialog: the layouts are the built-in ones.
  auto* customise = new QPushButton(QStringLiteral("ｶｽﾀﾏｲｽﾞ(&C)..."));
  customise->setEnabled(false);
  auto* reset = new QPushButton(QStringLiteral("ﾃﾞﾌｫﾙﾄ(&D)"));
  connect(reset, &QPushButton::clicked, this, [this, list] {
    if (QMessageBox::question(this, QStringLiteral("VeldraC"),
                              QStringLiteral("選択されたﾂｰﾙﾊﾞｰをﾃﾞﾌｫﾙﾄに戻しますがよろしいですか?"),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
      emit toolbarResetRequested(list->currentRow());
  });
  grid->addWidget(customise, 0, 1);
  grid->addWidget(reset, 1, 1);
  flat_ = checkBox("ﾂｰﾙﾊﾞｰをﾌﾗｯﾄにする。(&F)", options_.flatToolbars);
  grid->addWidget(flat_, 3, 0, 1, 2);
  return page;
}

void OptionsSheet::updatePreviews() {
  editPreview_->setFont(fontFromRecord(options_.editFont, options_.editFontPoint, kEditFontUnits));
  editPreview_->setStyleSheet(colourStyle(options_.editText, options_.editBackground));
  groupPreview_->setFont(
      fontFromRecord(options_.groupFont, options_.groupFontSize, kGroupFontUnits));
  groupPreview_->setStyleSheet(colourStyle(options_.groupText, options_.groupBackground));
}

DisplayOptions OptionsSheet::options() const {
  DisplayOptions o = options_;
  o.tabSize = tabSize_->value();
  o.autoIndent = autoIndent_->isChecked();
  o.cursorAcceleration = acceleration_->isChecked();
  o.underline = underline_->isChecked();
  o.maximiseChildren = maximise_->isChecked();
  o.fullPath = fullPath_->isChecked();
  o.frontWhenShown = front_->isChecked();
  o.alwaysOnTop = topmost_->isChecked();
  o.reopenGroup = reopen_->isChecked();
  o.searchCursor = cursorWhite_->isChecked() ? 1 : 0;
  o.flatToolbars = flat_->isChecked();
  o.lastPage = tabs_->currentIndex();
  return o;
}

}  // namespace veldra
