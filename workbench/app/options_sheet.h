// The sheet "ｵﾌﾟｼｮﾝ": pages "ｴﾃﾞｨﾀ", "ｸﾞﾙｰﾌﾟ" and "ﾂｰﾙﾊﾞｰ" over a copy of the display
// option record; options() gives the edited copy.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "core/display_options.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace veldra {

class OptionsSheet : public QDialog {
  Q_OBJECT
 public:
  // `toolbarNames` fill the list of page "ﾂｰﾙﾊﾞｰ".
  OptionsSheet(const DisplayOptions& options, const QStringList& toolbarNames,
               QWidget* parent = nullptr);

  // The record with the values the pages show; the page shown is kept as lastPage.
  DisplayOptions options() const;
  QTabWidget* tabs() const { return tabs_; }

  // Replaces the colour and font dialogs in tests.
  using ColourChooser = std::function<bool(quint32* value)>;
  using FontChooser = std::function<bool(FontRecord* record, qint64* size, int units)>;
  void setChoosers(ColourChooser colour, FontChooser font);

 signals:
  // "ﾃﾞﾌｫﾙﾄ(&D)" confirmed for the toolbar at this row.
  void toolbarResetRequested(int row);
  // "ﾌｧｲﾙﾀｲﾌﾟ(&E)..." of page "ｸﾞﾙｰﾌﾟ".
  void fileTypesRequested();

 private:
  QWidget* editorPage();
  QWidget* groupPage();
  QWidget* toolbarPage(const QStringList& toolbarNames);
  QWidget* colourButton(const QString& label, quint32* value);
  QWidget* fontButton(const QString& label, FontRecord* record, qint64* size, int units);
  void updatePreviews();

  DisplayOptions options_;
  QTabWidget* tabs_;
  QSpinBox* tabSize_ = nullptr;
  QCheckBox* autoIndent_ = nullptr;
  QCheckBox* acceleration_ = nullptr;
  QCheckBox* underline_ = nullptr;
  QCheckBox* maximise_ = nullptr;
  QCheckBox* fullPath_ = nullptr;
  QCheckBox* front_ = nullptr;
  QCheckBox* topmost_ = nullptr;
  QCheckBox* reopen_ = nullptr;
  QRadioButton* cursorWhite_ = nullptr;
  QCheckBox* flat_ = nullptr;
  QLabel* editPreview_ = nullptr;
  QListWidget* groupPreview_ = nullptr;
  ColourChooser chooseColour_;
  FontChooser chooseFont_;
};

}  // namespace veldra
