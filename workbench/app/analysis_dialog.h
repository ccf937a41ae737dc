// The analysis dialog: chooses the target files, runs the engine for one kind,
// animates while it runs and cancels it on request.
#pragma once

#include <QDialog>
#include <QList>
#include <functional>

#include "core/analysis_options.h"
#include "core/event_script.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace veldra {

class AnalysisRun;

struct AnalysisContext {
  AnalysisOptions options;
  QString programDir;
  QString workingDirectory;         // the group file's directory; "" keeps the current one
  bool selectionAvailable = false;  // the group list is visible and has a selection
  // The group's files in list order: all, or only the selected ones.
  std::function<QList<QByteArray>(bool selectedOnly)> files;
  EventScript::MacroFileSource macroFile;
};

class AnalysisDialog : public QDialog {
  Q_OBJECT
 public:
  AnalysisDialog(int kind, AnalysisContext context, QWidget* parent = nullptr);
  ~AnalysisDialog() override;

  // After the dialog closed with OK: the engine's output file, handed over to the
  // caller (who deletes it with removeTempFile).
  QString takeResultFile();

  bool isRunning() const;
  int kind() const { return kind_; }
  // The engine's command line of the last start (for tests and diagnostics).
  QString commandLine() const;

  // Starts the run, as OK does.
  void accept() override;
  // Cancel: while the engine runs it only asks it to end.
  void reject() override;

 signals:
  void runStarted();
  void runEnded();

 private:
  void setRunning(bool running);
  void onFinished(bool completed);
  void nextFrame();
  void showKindIcon();

  int kind_;
  AnalysisContext context_;
  AnalysisRun* run_;
  QLabel* icon_;
  QRadioButton* all_;
  QRadioButton* selected_;
  QPushButton* ok_;
  QTimer* animation_;
  int frame_ = 0;
  QString result_;
};

}  // namespace veldra
