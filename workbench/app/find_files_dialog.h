// Find in files: the dialog "ﾌｧｲﾙから検索" (text with history, which files, the
// four options) and the window "検索中" that runs the search a slice at a time,
// showing the file being searched and the hits so far, with "中断" to stop.
#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

#include "core/find_in_files.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace veldra {

class FindFilesDialog : public QDialog {
  Q_OBJECT
 public:
  FindFilesDialog(const QStringList& history, const FindOptions& last, bool selectionAvailable,
                  QWidget* parent = nullptr);
  FindOptions options() const;
  bool selectedOnly() const;

 private:
  QComboBox* text_;
  QRadioButton* selected_;
  QCheckBox* word_;
  QCheckBox* case_;
  QCheckBox* namesOnly_;
  QCheckBox* fullPath_;
};

class FindProgressDialog : public QDialog {
  Q_OBJECT
 public:
  // Searches `search` to its end (or until "中断"); exec() returns Accepted when
  // every file was searched.
  FindProgressDialog(FileSearch* search, QWidget* parent = nullptr);
  // The result lines gathered (also after "中断").
  const QStringList& lines() const { return lines_; }

 private:
  void slice();

  FileSearch* search_;
  QStringList lines_;
  QLabel* file_;
  QLabel* count_;
  QTimer timer_;
};

}  // namespace veldra
