// The commands of the tools menu: build with make into the build window, run the
// group's program, run a typed command line, find in the group's files, change
// time stamps, and the user's registered tools and help files (menus and the tool
// launcher). Owned by the main frame.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSettings>

#include "app/exec_dialog.h"
#include "core/build_options.h"
#include "core/child_process.h"
#include "core/find_in_files.h"
#include "core/history_list.h"
#include "core/registered_items.h"

class QMenu;

namespace veldra {

class BuildWindow;
class DocumentWindow;
class MainFrame;
class ToolLauncher;

class ToolCommands : public QObject {
  Q_OBJECT
 public:
  explicit ToolCommands(MainFrame* frame);
  ~ToolCommands() override;

  BuildWindow* buildWindow() const { return buildWindow_; }
  ToolLauncher* launcher() const { return launcher_; }
  bool isBuilding() const { return build_.isRunning(); }
  const BuildEnvironment& environment() const { return environment_; }
  void setEnvironment(const BuildEnvironment& e) { environment_ = e; }
  const RegisteredList& tools() const { return tools_; }
  const RegisteredList& helpFiles() const { return help_; }
  void setTools(const RegisteredList& tools);
  void setHelpFiles(const RegisteredList& help);

  // F7: false when nothing was started (a message was shown).
  bool build();
  // Ctrl+F5: false when nothing was started.
  bool run();
  void editBuildOptions();
  void showBuildResult();
  void execWithDialog();
  // Runs a command line as "ﾌﾟﾛｸﾞﾗﾑの実行" does; `direct` is the program and its
  // arguments used without the shell. The captured document, or nullptr.
  DocumentWindow* execute(const ExecRequest& request, const ProcessCommand& direct,
                          const QString& prefix);
  // Starts the request detached, or captured into a document when it asks for
  // capture; false (the message shown) when nothing was started.
  bool launch(const ExecRequest& request, const ProcessCommand& direct, const QString& prefix);

  void findWithDialog();
  // Searches the group's files; the result document, or nullptr when nothing was
  // found (the message was shown) or the search was stopped without a hit.
  DocumentWindow* find(const FindOptions& options, bool selectedOnly);

  void touchWithDialog();
  // Changes the time stamps; returns the files that could not be changed (they were
  // reported once).
  QStringList touch(const QDateTime& when, bool selectedOnly);

  void editTools();
  void editHelpFiles();
  bool startTool(int index);
  bool openHelpFile(int index);
  void toggleLauncher();

  void setToolMenu(QMenu* menu);
  void setHelpMenu(QMenu* menu);
  // Start: the launcher's placement and visibility; close: the same, the histories
  // and the build environment.
  void restore(QSettings& settings);
  void save(QSettings& settings) const;

 signals:
  void buildFinished(int exitCode);
  void captureFinished(int exitCode);

 private:
  void appendBuildLine(const QString& line);
  void rebuildMenus();
  QString workingDirectory() const;
  // The shell form or `direct`, run in the working directory.
  ProcessCommand commandFor(const ExecRequest& request, const ProcessCommand& direct) const;
  QStringList groupPaths(bool selectedOnly) const;

  MainFrame* frame_;
  BuildWindow* buildWindow_;
  ToolLauncher* launcher_;
  CapturedProcess build_;
  BuildEnvironment environment_;
  RegisteredList tools_;
  RegisteredList help_;
  HistoryList execHistory_;
  HistoryList findHistory_;
  ExecRequest lastExec_;
  QPointer<QMenu> toolMenu_;
  QPointer<QMenu> helpMenu_;
};

}  // namespace veldra
