#include "app/tool_commands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QUrl>

#include "app/app_messages.h"
#include "app/build_options_sheet.h"
#include "app/build_window.h"
#include "app/commands.h"
#include "app/document_window.h"
#include "app/editor_view.h"
#include "app/find_files_dialog.h"
#include "app/group_manager_bar.h"
#include "app/main_frame.h"
#include "app/registered_list_dialog.h"
#include "app/tool_launcher.h"
#include "app/touch_dialog.h"
#include "core/constants.h"
#include "core/profile_values.h"
#include "core/text_codec.h"
#include "core/time_stamp.h"

namespace veldra {

namespace {

const QString kLauncherName = QStringLiteral("TLaunchWP");

// The result lines as the document holds them: UTF-8, each ended by CR LF.
QByteArray resultBytes(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  return bytes;
}

}  // namespace

ToolCommands::ToolCommands(MainFrame* frame)
    : QObject(frame),
      frame_(frame),
      buildWindow_(new BuildWindow(frame)),
      launcher_(new ToolLauncher(frame)),
      tools_(QStringLiteral("RegistTool"), true),
      help_(QStringLiteral("RegistHelp"), false),
      execHistory_(QStringLiteral("ExecHist")),
      findHistory_(QStringLiteral("FSearchHist")) {
  QSettings settings = openProfile();
  environment_ = BuildEnvironment::load(settings);
  tools_.load(settings);
  help_.load(settings);
  execHistory_.load(settings);
  findHistory_.load(settings);
  frame->addDockWidget(Qt::BottomDockWidgetArea, buildWindow_);
  buildWindow_->hide();
  launcher_->setTools(tools_.items());
  connect(&build_, &CapturedProcess::lineRead, this, &ToolCommands::appendBuildLine);
  connect(&build_, &CapturedProcess::finished, this, [this](int code) {
    if (environment_.showInformation) appendBuildLine(msg::kBuildEnd.str().arg(code));
    emit buildFinished(code);
  });
  connect(launcher_, &ToolLauncher::toolRequested, this, &ToolCommands::startTool);
  connect(buildWindow_, &BuildWindow::lineActivated, frame_, &MainFrame::jumpToLine);
}

ToolCommands::~ToolCommands() = default;

QString ToolCommands::workingDirectory() const {
  const QString dir = frame_->groupManager()->groupDirectory();
  return dir.isEmpty() ? QDir::currentPath() : dir;
}

QStringList ToolCommands::groupPaths(bool selectedOnly) const {
  const QDir base(workingDirectory());
  QStringList paths;
  for (const QByteArray& name : frame_->groupManager()->engineFiles(selectedOnly))
    paths.append(base.filePath(fileNameFromBytes(name)));
  return paths;
}

// ----- build and run

void ToolCommands::appendBuildLine(const QString& line) { buildWindow_->appendLine(line); }

bool ToolCommands::build() {
  if (build_.isRunning()) return false;
  const BuildOptions& o = frame_->groupManager()->model().buildOptions();
  if (o.makeUtility.isEmpty()) {
    frame_->warn(msg::kBuildNotSet.str());
    return false;
  }
  if (!environment_.skipSaveAll) frame_->action(kCmdFileSaveAll)->trigger();
  ProcessCommand command = makeCommand(o.makeUtility, o.makeOptions, o.makeFile);
  command.workingDirectory = workingDirectory();
  if (!build_.start(command, QLatin1String(kPrefixBuild))) {
    frame_->warn(msg::kCommandFailed.str().arg(command.commandLine));
    return false;
  }
  buildWindow_->show();
  buildWindow_->clear();
  if (environment_.showInformation)
    appendBuildLine(msg::kBuildStart.str().arg(command.commandLine));
  return true;
}

bool ToolCommands::run() {
  const BuildOptions& o = frame_->groupManager()->model().buildOptions();
  if (o.runCommand.isEmpty()) {
    frame_->warn(msg::kRunNotSet.str());
    return false;
  }
  const ExecRequest request{runCommandLine(o), o.runFlags[1] != 0, o.runFlags[0] != 0,
                            o.runFlags[2] != 0};
  return launch(request, programCommand(o.runCommand, o.runOptions), QLatin1String(kPrefixRun));
}

void ToolCommands::editBuildOptions() {
  GroupModel& group = frame_->groupManager()->model();
  BuildOptionsSheet sheet(group.buildOptions(), environment_, frame_);
  if (sheet.exec() != QDialog::Accepted) return;
  if (!(sheet.options() == group.buildOptions())) group.setBuildOptions(sheet.options());
  environment_ = sheet.environment();
}

void ToolCommands::showBuildResult() {
  buildWindow_->show();
  buildWindow_->raise();
}

void ToolCommands::execWithDialog() {
  ExecDialog dialog(execHistory_.texts(), lastExec_, frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  lastExec_ = dialog.request();
  if (lastExec_.commandLine.isEmpty()) return;
  execHistory_.add(lastExec_.commandLine);
  launch(lastExec_, splitCommand(lastExec_.commandLine), QLatin1String(kPrefixExec));
}

ProcessCommand ToolCommands::commandFor(const ExecRequest& request,
                                        const ProcessCommand& direct) const {
  ProcessCommand command = request.shell ? shellCommand(request.commandLine) : direct;
  command.workingDirectory = workingDirectory();
  return command;
}

bool ToolCommands::launch(const ExecRequest& request, const ProcessCommand& direct,
                          const QString& prefix) {
  if (request.capture) return execute(request, direct, prefix) != nullptr;
  if (startDetached(commandFor(request, direct))) return true;
  frame_->warn(msg::kCommandFailed.str().arg(request.commandLine));
  return false;
}

DocumentWindow* ToolCommands::execute(const ExecRequest& request, const ProcessCommand& direct,
                                      const QString& prefix) {
  const ProcessCommand command = commandFor(request, direct);
  // The child belongs to its document: closing the document ends the child and
  // deletes the output file.
  auto* child = new CapturedProcess;
  if (!child->start(command, prefix)) {
    delete child;
    frame_->warn(msg::kCommandFailed.str().arg(request.commandLine));
    return nullptr;
  }
  DocumentWindow* document = frame_->newDocument();
  child->setParent(document);
  EditorView* editor = document->editor();
  frame_->statusBar()->showMessage(msg::kStatusProcessRunning.str());
  connect(child, &CapturedProcess::lineRead, editor, [editor](const QString& line) {
    editor->appendPlainText(line);
    editor->document()->setModified(false);
  });
  connect(child, &CapturedProcess::finished, this, [this, child](int code) {
    child->deleteLater();
    emit captureFinished(code);
  });
  QStatusBar* bar = frame_->statusBar();
  connect(child, &QObject::destroyed, bar, [bar] { bar->showMessage(msg::kStatusReady.str()); });
  return document;
}

// ----- find in files and time stamps

void ToolCommands::findWithDialog() {
  if (!frame_->groupManager()->ensureFiles()) return;
  QSettings settings = openProfile();
  FindFilesDialog dialog(findHistory_.texts(), FindOptions::load(settings),
                         frame_->groupManager()->hasSelection(), frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  const FindOptions options = dialog.options();
  options.save(settings);
  findHistory_.add(options.text);
  find(options, dialog.selectedOnly());
}

DocumentWindow* ToolCommands::find(const FindOptions& options, bool selectedOnly) {
  FileSearch search(frame_->groupManager()->engineFiles(selectedOnly), options, workingDirectory());
  FindProgressDialog progress(&search, frame_);
  progress.exec();
  if (progress.lines().isEmpty()) {
    frame_->warn(msg::kFindNoHit.str());
    return nullptr;
  }
  DocumentWindow* document = frame_->newDocument();
  document->setResultBytes(resultBytes(progress.lines()));
  return document;
}

void ToolCommands::touchWithDialog() {
  if (!frame_->groupManager()->ensureFiles()) return;
  TouchDialog dialog(frame_->groupManager()->hasSelection(), frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  touch(dialog.when(), dialog.selectedOnly());
}

QStringList ToolCommands::touch(const QDateTime& when, bool selectedOnly) {
  frame_->statusBar()->showMessage(msg::kStatusTouching.str());
  const QStringList failed = touchFiles(groupPaths(selectedOnly), when);
  frame_->statusBar()->showMessage(msg::kStatusReady.str());
  // The message names the files, so that a read-only one is easy to find.
  if (!failed.isEmpty()) frame_->warn(msg::kTouchFailed.str() + u'\n' + failed.join(u'\n'));
  return failed;
}

// ----- user tools and help files

void ToolCommands::setTools(const RegisteredList& tools) {
  tools_ = tools;
  QSettings settings = openProfile();
  tools_.save(settings);
  launcher_->setTools(tools_.items());
  rebuildMenus();
}

void ToolCommands::setHelpFiles(const RegisteredList& help) {
  help_ = help;
  QSettings settings = openProfile();
  help_.save(settings);
  rebuildMenus();
}

void ToolCommands::editTools() {
  RegisteredListDialog dialog(kToolListKind, tools_, frame_);
  if (dialog.exec() == QDialog::Accepted) setTools(dialog.list());
}

void ToolCommands::editHelpFiles() {
  RegisteredListDialog dialog(kHelpListKind, help_, frame_);
  if (dialog.exec() == QDialog::Accepted) setHelpFiles(dialog.list());
}

bool ToolCommands::startTool(int index) {
  if (index < 0 || index >= tools_.items().size()) return false;
  const RegisteredItem& tool = tools_.items()[index];
  ProcessCommand command = programCommand(tool.value, tool.options);
  command.workingDirectory = workingDirectory();
  if (startDetached(command)) return true;
  frame_->warn(msg::kCommandFailed.str().arg(command.commandLine));
  return false;
}

bool ToolCommands::openHelpFile(int index) {
  if (index < 0 || index >= help_.items().size()) return false;
  const QString file = help_.items()[index].value;
  if (QFileInfo(file).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file))) return true;
  frame_->warn(msg::kCommandFailed.str().arg(file));
  return false;
}

void ToolCommands::toggleLauncher() { launcher_->setVisible(!launcher_->isVisible()); }

void ToolCommands::setToolMenu(QMenu* menu) {
  toolMenu_ = menu;
  rebuildMenus();
}

void ToolCommands::setHelpMenu(QMenu* menu) {
  helpMenu_ = menu;
  rebuildMenus();
}

// The sub-menus list the titles; an empty list shows the disabled placeholder.
void ToolCommands::rebuildMenus() {
  auto fill = [this](QMenu* menu, const RegisteredList& list, int placeholder, auto start) {
    if (!menu) return;
    menu->clear();
    if (list.items().isEmpty()) {
      menu->addAction(commandPlainLabel(placeholder))->setEnabled(false);
      return;
    }
    for (int i = 0; i < list.items().size(); ++i) {
      QAction* a = menu->addAction(list.items()[i].title);
      a->setData(placeholder + i);
      connect(a, &QAction::triggered, this, [this, start, i] { (this->*start)(i); });
    }
  };
  fill(toolMenu_, tools_, kCmdUserTool, &ToolCommands::startTool);
  fill(helpMenu_, help_, kCmdUserHelp, &ToolCommands::openHelpFile);
}

void ToolCommands::restore(QSettings& settings) {
  if (const auto placement = WindowPlacement::load(settings, kLauncherName)) {
    const auto& pos = placement->values;
    if (pos[8] > pos[6] && pos[9] > pos[7]) launcher_->move(int(pos[6]), int(pos[7]));
  }
  launcher_->setVisible(settings.value(QStringLiteral("TLaunch/View"), 0).toInt() != 0);
}

void ToolCommands::save(QSettings& settings) const {
  settings.setValue(QStringLiteral("TLaunch/View"), launcher_->isVisible() ? 1 : 0);
  const QRect r = launcher_->geometry();
  WindowPlacement placement;
  placement.values = {0, 1, -1, -1, -1, -1, r.left(), r.top(), r.right() + 1, r.bottom() + 1};
  placement.save(settings, kLauncherName);
  environment_.save(settings);
  execHistory_.save(settings);
  findHistory_.save(settings);
}

}  // namespace veldra
