// The dialog "ﾏｸﾛ定義一覧": the group's macro definitions, edited as list entries
// ("NAME = [VALUE]"), extended by the define extraction, written back on close.
#pragma once

#include <QDialog>
#include <functional>

class QListWidget;

namespace veldra {

class MacroListDialog : public QDialog {
  Q_OBJECT
 public:
  // `macroFile` is the group's macro definition file; `extract` runs the define
  // extraction analysis and returns its output (false when it did not run).
  MacroListDialog(const QString& macroFile, std::function<bool(QByteArray*)> extract,
                  QWidget* parent = nullptr);

  QStringList entries() const;
  // Adds candidates as "追加(&A)" of the extraction does; returns the message shown
  // for refused ones ("" when none was refused).
  QString addCandidates(const QStringList& candidates);
  // Runs the extraction and offers its lines in "定義一覧"; `choose` replaces the
  // choice dialog in tests. Returns the message for refused candidates, or "".
  QString extract(const std::function<QStringList(const QStringList&)>& choose = {});
  // "閉じる(&C)": writes the entries to the macro definition file. Returns "" or
  // the message shown.
  QString closeAndWrite();

 private:
  void reset();
  void editEntry(int row);

  QString macroFile_;
  std::function<bool(QByteArray*)> extract_;
  QListWidget* list_;
};

// "定義一覧": the extracted candidates; the selected ones (at most 2048), or none
// when cancelled.
QStringList chooseMacroCandidates(const QStringList& candidates, QWidget* parent);

}  // namespace veldra
