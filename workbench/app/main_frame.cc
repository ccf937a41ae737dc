#include "app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <limits>

#include "app/about_dialog.h"
#include "app/analysis_dialog.h"
#include "app/analysis_options_sheet.h"
#include "app/app_limits.h"
#include "app/app_messages.h"
#include "app/commands.h"
#include "app/document_window.h"
#include "app/editor_view.h"
#include "app/file_choice_dialog.h"
#include "app/function_list_dialog.h"
#include "app/group_manager_bar.h"
#include "app/line_mark_dialog.h"
#include "app/macro_list_dialog.h"
#include "app/option_values.h"
#include "app/options_sheet.h"
#include "app/profile_colours.h"
#include "app/registered_list_dialog.h"
#include "app/single_instance.h"
#include "app/tool_commands.h"
#include "core/analysis_kind.h"
#include "core/constants.h"
#include "core/engine_run.h"
#include "core/profile_values.h"
#include "core/tag_jump.h"
#include "core/temp_file.h"

namespace veldra {

namespace {

const QString kRecentSection = QStringLiteral("Recent File List");

// Window placement values: the restore-to-maximised flag and the show commands.
constexpr qint64 kRestoreToMaximised = 2;
constexpr qint64 kShowNormal = 1;
constexpr qint64 kShowMaximised = 3;

bool isCheckable(int id) {
  switch (id) {
    case kCmdViewGroup:
    case kCmdViewStandardBar:
    case kCmdViewAnalysisBar:
    case kCmdViewExtendedBar:
    case kCmdViewStatusBar:
      return true;
    default:
      return false;
  }
}

// Commands that need an active document (the menus of a frame with a document).
bool needsDocument(int id) {
  switch (id) {
    case kCmdFileClose:
    case kCmdFileSaveClose:
    case kCmdFileSave:
    case kCmdFileSaveAs:
    case kCmdFileSaveAll:
    case kCmdFileSaveAllClose:
    case kCmdFilePrint:
    case kCmdFilePrintPreview:
    case kCmdEditUndo:
    case kCmdEditCut:
    case kCmdEditCopy:
    case kCmdEditPaste:
    case kCmdEditSelectAll:
    case kCmdEditFind:
    case kCmdEditFindNext:
    case kCmdEditReplace:
    case kCmdGoToLine:
    case kCmdMarkLine:
    case kCmdTagJump:
    case kCmdFileTop:
    case kCmdFileBottom:
    case kCmdWindowCascade:
    case kCmdWindowTile:
    case kCmdWindowTwo:
    case kCmdWindowArrange:
    case kCmdWindowNext:
    case kCmdWindowPrev:
      return true;
    default:
      return false;
  }
}

}  // namespace

MainFrame::MainFrame(QWidget* parent)
    : QMainWindow(parent),
      mdi_(new QMdiArea(this)),
      group_(new GroupManagerBar(this)),
      position_(new QLabel(this)),
      options_(programDirectory()),
      loadedOptions_(programDirectory()),
      programDir_(programDirectory()) {
  setObjectName(QStringLiteral("MainFrame"));
  setWindowTitle(QStringLiteral("VeldraC"));
  setAcceptDrops(true);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  addDockWidget(Qt::LeftDockWidgetArea, group_);

  QSettings settings = openProfile();
  display_ = DisplayOptions::load(settings);
  options_ = AnalysisOptions::load(settings, programDirectory());
  loadedOptions_ = options_;
  marks_.load(settings);
  applyCustomColours(CustomColors::load(settings));
  recentFiles_ = settings.value(kRecentSection + QStringLiteral("/Files")).toStringList();
  tools_ = new ToolCommands(this);

  createActions();
  bindHandlers();
  createMenus();
  createToolbars();
  createStatusBar();
  group_->applyDisplayOptions(display_);
  group_->setAsker([this](const QString& text, int buttons) { return ask(text, buttons); });
  connect(group_, &GroupManagerBar::openFileRequested, this,
          [this](const QString& path) { openDocument(path); });
  connect(group_->toggleViewAction(), &QAction::toggled, action(kCmdViewGroup),
          &QAction::setChecked);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::updateCommandStates);
  updateCommandStates();
  resize(1024, 720);
}

MainFrame::~MainFrame() = default;

// ----- building the frame from the command table

void MainFrame::createActions() {
  for (const CommandSpec& command : commandTable()) {
    auto* a = new QAction(QString::fromUtf8(command.label), this);
    a->setData(command.id);
    a->setShortcuts(commandKeys(command.id));
    a->setToolTip(commandPlainLabel(command.id));
    a->setStatusTip(commandPlainLabel(command.id));
    const QString icon = commandIconPath(command.id);
    if (!icon.isEmpty()) a->setIcon(QIcon(icon));
    a->setCheckable(isCheckable(command.id));
    connect(a, &QAction::triggered, this, [this, id = command.id] {
      const auto handler = handlers_.constFind(id);
      if (handler != handlers_.constEnd()) {
        (*handler)();
      } else {
        notYet(id);
      }
    });
    addAction(a);  // keys work whichever menu is shown
    actions_.insert(command.id, a);
  }
}

QMenu* MainFrame::buildPopup(int popupId, QWidget* parent) {
  const PopupSpec* popup = findPopup(popupId);
  auto* menu = new QMenu(QString::fromUtf8(popup->label), parent);
  for (int item : popup->items) {
    if (item == kCmdNone) {
      menu->addSeparator();
    } else if (item < 0) {
      menu->addMenu(buildPopup(item, menu));
    } else {
      menu->addAction(action(item));
    }
  }
  if (popupId == kPopupRecentFiles) recentFilesMenu_ = menu;
  if (popupId == kPopupRecentGroups) group_->setRecentMenu(menu);
  if (popupId == kPopupUserTools) tools_->setToolMenu(menu);
  if (popupId == kPopupUserHelp) tools_->setHelpMenu(menu);
  return menu;
}

void MainFrame::createMenus() {
  for (const PopupSpec& popup : menuBarLayout()) menuBar()->addMenu(buildPopup(popup.id, this));
  contextMenu_ = new QMenu(this);
  for (int item : contextMenuLayout()) {
    if (item == kCmdNone) {
      contextMenu_->addSeparator();
    } else {
      // The context menu shows the labels without their key names.
      auto* a = contextMenu_->addAction(commandLabel(item).section(QLatin1Char('\t'), 0, 0));
      connect(a, &QAction::triggered, action(item), &QAction::trigger);
    }
  }
  updateRecentFiles();
}

void MainFrame::createToolbars() {
  for (const ToolbarSpec& toolbar : toolbarLayouts()) {
    // Standard and analysis toolbars share the first row, the extended one the second.
    if (toolbar.viewCommand == kCmdViewExtendedBar) addToolBarBreak();
    QToolBar* bar = addToolBar(QString::fromUtf8(toolbar.title));
    bar->setObjectName(QString::fromLatin1(toolbar.name));
    bar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    for (int id : toolbar.buttons) {
      if (id == kCmdNone) {
        bar->addSeparator();
      } else {
        bar->addAction(action(id));
      }
    }
    QAction* toggle = action(toolbar.viewCommand);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QToolBar::setVisible);
    connect(bar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
    toolbars_.insert(toolbar.viewCommand, bar);
  }
  applyToolbarStyle();
}

void MainFrame::applyToolbarStyle() {
  // Flat buttons need the newer common controls; older ones draw raised buttons.
  const bool flat = display_.flatToolbars && display_.commonControlsMode > kCommonControlsMin;
  QList<QToolBar*> bars = toolbars_.values();
  if (auto* own = group_->findChild<QToolBar*>()) bars.append(own);
  for (QToolBar* bar : bars) {
    for (QToolButton* button : bar->findChildren<QToolButton*>()) button->setAutoRaise(flat);
  }
}

void MainFrame::createStatusBar() {
  statusBar()->showMessage(msg::kStatusReady.str());
  position_->setText(QString::asprintf(msg::kPositionPane.text, 1L, 1L));
  position_->setMinimumWidth(position_->sizeHint().width());
  statusBar()->addPermanentWidget(position_);
  QAction* toggle = action(kCmdViewStatusBar);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

QString MainFrame::positionText() const { return position_->text(); }

void MainFrame::onCaretMoved(int line, int column) {
  position_->setText(QString::asprintf(msg::kPositionPane.text, long(line), long(column)));
}

void MainFrame::notYet(int id) {
  statusBar()->showMessage(msg::kNotYet.str().arg(commandPlainLabel(id)));
}

void MainFrame::bindHandlers() {
  auto doc = [this](auto fn) {
    return [this, fn] {
      if (DocumentWindow* d = activeDocument()) fn(d);
    };
  };
  auto editor = [doc](auto fn) { return doc([fn](DocumentWindow* d) { fn(d->editor()); }); };
  handlers_ = {
      {kCmdFileNew, [this] { newDocument(); }},
      {kCmdFileOpen,
       [this] {
         for (const QString& p :
              QFileDialog::getOpenFileNames(this, QString(), QDir::currentPath()))
           openDocument(p);
       }},
      {kCmdFileClose, [this] { mdi_->closeActiveSubWindow(); }},
      {kCmdFileSaveClose, doc([this](DocumentWindow* d) {
         if (d->isUntitled() ? (saveDocumentAs(d), !d->isUntitled()) : d->saveTo(QString()))
           mdi_->closeActiveSubWindow();
       })},
      {kCmdFileSave, doc([this](DocumentWindow* d) {
         if (d->isUntitled()) {
           saveDocumentAs(d);
         } else {
           d->saveTo(QString());
         }
       })},
      {kCmdFileSaveAs, doc([this](DocumentWindow* d) { saveDocumentAs(d); })},
      {kCmdFileSaveAll,
       [this] {
         for (DocumentWindow* d : documents()) {
           if (d->editor()->document()->isModified() && !d->isUntitled()) d->saveTo(QString());
         }
       }},
      {kCmdFileSaveAllClose,
       [this] {
         action(kCmdFileSaveAll)->trigger();
         mdi_->closeAllSubWindows();
       }},
      {kCmdFilePrint, [this] { print(kCmdFilePrint); }},
      {kCmdFilePrintPreview, [this] { print(kCmdFilePrintPreview); }},
      {kCmdFilePrintSetup, [this] { print(kCmdFilePrintSetup); }},
      {kCmdAppExit, [this] { close(); }},
      {kCmdEditUndo, editor([](EditorView* e) { e->undo(); })},
      {kCmdEditCut, editor([](EditorView* e) { e->cut(); })},
      {kCmdEditCopy, editor([](EditorView* e) { e->copy(); })},
      {kCmdEditPaste, editor([](EditorView* e) { e->paste(); })},
      {kCmdEditSelectAll, editor([](EditorView* e) { e->selectAll(); })},
      {kCmdEditFind, [this] { findText(true); }},
      {kCmdEditFindNext, [this] { findText(false); }},
      {kCmdEditReplace, [this] { replaceText(); }},
      {kCmdGoToLine, [this] { goToLineDialog(); }},
      {kCmdMarkLine, [this] { addLineMark(); }},
      {kCmdMarkList, [this] { showMarkList(); }},
      {kCmdTagJump, [this] { tagJump(); }},
      {kCmdTagBack,
       [this] {
         if (!jumpOrigin_) return;
         for (QMdiSubWindow* w : mdi_->subWindowList()) {
           if (w->widget() == jumpOrigin_) mdi_->setActiveSubWindow(w);
         }
       }},
      {kCmdFileTop, editor([](EditorView* e) { e->goToLine(1); })},
      {kCmdFileBottom, editor([](EditorView* e) { e->goToLine(e->lineCount()); })},
      {kCmdViewGroup, [this] { group_->setVisible(action(kCmdViewGroup)->isChecked()); }},
      {kCmdViewStandardBar, [] {}},
      {kCmdViewAnalysisBar, [] {}},
      {kCmdViewExtendedBar, [] {}},
      {kCmdViewStatusBar, [] {}},
      {kCmdGroupAdd, [this] { group_->addFilesWithDialog(); }},
      {kCmdGroupRemove, [this] { group_->removeSelected(); }},
      {kCmdGroupOpen, [this] { group_->openWithDialog(); }},
      {kCmdGroupSave, [this] { group_->save(); }},
      {kCmdGroupClose, [this] { group_->closeGroup(); }},
      {kCmdGroupSaveAs, [this] { group_->saveAsWithDialog(); }},
      {kCmdGroupShow, [this] { group_->showBar(); }},
      {kCmdGroupSearch, [this] { group_->startSearch(); }},
      {kCmdGroupSort, [this] { group_->sortWithDialog(); }},
      {kCmdGmOpen, [this] { group_->openWithDialog(); }},
      {kCmdGmAdd, [this] { group_->addFilesWithDialog(); }},
      {kCmdGmRemove, [this] { group_->removeSelected(); }},
      {kCmdGmSearch, [this] { group_->startSearch(); }},
      {kCmdGmSort, [this] { group_->sortWithDialog(); }},
      {kCmdGmSave, [this] { group_->save(); }},
      {kCmdGmClose, [this] { group_->closeGroup(); }},
      {kCmdWindowCascade, [this] { mdi_->cascadeSubWindows(); }},
      {kCmdWindowTile, [this] { mdi_->tileSubWindows(); }},
      {kCmdWindowTwo, [this] { tileTwo(); }},
      {kCmdWindowArrange, [this] { mdi_->tileSubWindows(); }},
      {kCmdWindowNext, [this] { mdi_->activateNextSubWindow(); }},
      {kCmdWindowPrev, [this] { mdi_->activatePreviousSubWindow(); }},
      {kCmdAbout, [this] { showAbout(); }},
      {kCmdOptions, [this] { showOptionsSheet(); }},
      {kCmdAnalysisOptions, [this] { showAnalysisOptionsSheet(); }},
      {kCmdViewLauncher, [this] { tools_->toggleLauncher(); }},
      {kCmdToolExec, [this] { tools_->execWithDialog(); }},
      {kCmdToolFind, [this] { tools_->findWithDialog(); }},
      {kCmdBuild, [this] { tools_->build(); }},
      {kCmdRun, [this] { tools_->run(); }},
      {kCmdBuildOptions, [this] { tools_->editBuildOptions(); }},
      {kCmdBuildResult, [this] { tools_->showBuildResult(); }},
      {kCmdTouch, [this] { tools_->touchWithDialog(); }},
      {kCmdUserToolRegister, [this] { tools_->editTools(); }},
      {kCmdUserHelpRegister, [this] { tools_->editHelpFiles(); }},
  };
  for (int n = 0; n < kRegisteredItemsMax; ++n) {
    handlers_.insert(kCmdUserTool + n, [this, n] { tools_->startTool(n); });
    handlers_.insert(kCmdUserHelp + n, [this, n] { tools_->openHelpFile(n); });
  }
  for (int kind = kKindFunctionList; kind <= kKindAllDocuments; ++kind)
    handlers_.insert(commandOfAnalysisKind(kind), [this, kind] { runAnalysis(kind); });
}

void MainFrame::updateCommandStates() {
  const bool hasDocument = activeDocument() != nullptr;
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    if (needsDocument(it.key())) it.value()->setEnabled(hasDocument);
  }
  // Without a document the frame shows the short menu: no edit and window popups.
  for (QAction* top : menuBar()->actions()) {
    const QString text = top->text();
    if (text == QStringLiteral("編集(&E)") || text == QStringLiteral("ｳｨﾝﾄﾞｳ(&W)"))
      top->setVisible(hasDocument);
  }
  if (DocumentWindow* d = activeDocument()) {
    onCaretMoved(d->editor()->caretLine(), d->editor()->caretColumn());
  }
}

// ----- documents

DocumentWindow* MainFrame::activeDocument() const {
  QMdiSubWindow* w = mdi_->activeSubWindow();
  if (!w && !mdi_->subWindowList().isEmpty()) w = mdi_->currentSubWindow();
  return w ? qobject_cast<DocumentWindow*>(w->widget()) : nullptr;
}

QList<DocumentWindow*> MainFrame::documents() const {
  QList<DocumentWindow*> out;
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    if (auto* d = qobject_cast<DocumentWindow*>(w->widget())) out.append(d);
  }
  return out;
}

QMdiSubWindow* MainFrame::addDocument(DocumentWindow* document) {
  QMdiSubWindow* w = mdi_->addSubWindow(document);
  document->editor()->setContextMenu(contextMenu_);
  connect(document->editor(), &EditorView::caretMoved, this, &MainFrame::onCaretMoved);
  connect(document, &DocumentWindow::saveAsRequested, this, &MainFrame::saveDocumentAs);
  connect(document, &DocumentWindow::saved, this, &MainFrame::addRecentFile);
  connect(w, &QObject::destroyed, this, &MainFrame::updateCommandStates, Qt::QueuedConnection);
  applyDisplayOptions(document);
  if (display_.maximiseChildren) {
    w->showMaximized();
  } else {
    w->show();
  }
  mdi_->setActiveSubWindow(w);
  document->setFocus();
  updateCommandStates();
  return w;
}

void MainFrame::applyDisplayOptions(DocumentWindow* document) const {
  EditorView* e = document->editor();
  QPalette p = e->palette();
  p.setColor(QPalette::Text, colourFromValue(display_.editText));
  p.setColor(QPalette::Base, colourFromValue(display_.editBackground));
  e->setPalette(p);
  e->setFont(fontFromRecord(display_.editFont, display_.editFontPoint, kEditFontUnits));
  e->setTabSize(display_.tabSize);
  e->setAutoIndent(display_.autoIndent);
}

DocumentWindow* MainFrame::newDocument() {
  auto* d = new DocumentWindow(++untitledCounter_);
  addDocument(d);
  return d;
}

QMdiSubWindow* MainFrame::findDocumentWindow(const QString& path) const {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    auto* d = qobject_cast<DocumentWindow*>(w->widget());
    if (d && !d->isUntitled() && QFileInfo(d->path()).canonicalFilePath() == canonical) return w;
  }
  return nullptr;
}

DocumentWindow* MainFrame::openDocument(const QString& path, bool quiet) {
  if (QMdiSubWindow* w = findDocumentWindow(path)) {
    mdi_->setActiveSubWindow(w);
    return qobject_cast<DocumentWindow*>(w->widget());
  }
  auto* d = new DocumentWindow(0);
  QString error;
  if (!d->load(path, &error)) {
    delete d;
    if (!quiet) warn(msg::kOpenFailed.str().arg(path, error));
    return nullptr;
  }
  addDocument(d);
  addRecentFile(d->path());
  return d;
}

void MainFrame::saveDocumentAs(DocumentWindow* document) {
  const QString start =
      document->isUntitled() ? QDir::current().filePath(document->title()) : document->path();
  const QString path = QFileDialog::getSaveFileName(this, QString(), start);
  if (!path.isEmpty()) document->saveTo(path);
}

void MainFrame::addRecentFile(const QString& path) {
  recentFiles_.removeAll(path);
  recentFiles_.prepend(path);
  while (recentFiles_.size() > kRecentFiles) recentFiles_.removeLast();
  updateRecentFiles();
}

void MainFrame::updateRecentFiles() {
  if (!recentFilesMenu_) return;
  recentFilesMenu_->clear();
  if (recentFiles_.isEmpty()) {
    recentFilesMenu_->addAction(commandLabel(kCmdFileRecent))->setEnabled(false);
    return;
  }
  int n = 0;
  for (const QString& path : recentFiles_) {
    QAction* a = recentFilesMenu_->addAction(QStringLiteral("&%1 %2").arg(++n % 10).arg(path));
    connect(a, &QAction::triggered, this, [this, path] { openDocument(path); });
  }
}

// ----- analyses

DocumentWindow* MainFrame::runAnalysis(int kind) {
  const QString result = runAnalysisToFile(kind);
  if (result.isEmpty()) return nullptr;
  DocumentWindow* d = newDocument();
  // A large result fills the document from the event loop; the status bar
  // shows how far it has come.
  connect(d, &DocumentWindow::loadProgress, this, [this](int percent) {
    statusBar()->showMessage(msg::kStatusLoading.str().arg(percent));
  });
  connect(d, &DocumentWindow::loadFinished, this,
          [this] { statusBar()->showMessage(msg::kStatusReady.str()); });
  if (!d->loadResultFile(result)) return d;
  if (kind == kKindHtml) {
    // The browser question comes once the whole page is in the document.
    if (d->isLoading()) {
      connect(
          d, &DocumentWindow::loadFinished, this, [this, d] { offerBrowser(d); },
          Qt::SingleShotConnection);
    } else {
      offerBrowser(d);
    }
  }
  return d;
}

void MainFrame::offerBrowser(DocumentWindow* d) {
  if (ask(msg::kAskBrowser.str(), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("HTMLﾌｧｲﾙの保存"), d->title() + QStringLiteral(".html"),
      QStringLiteral("HTML ﾌｧｲﾙ(*.htm *.html);;全てのﾌｧｲﾙ(*)"));
  if (!path.isEmpty() && d->saveTo(path)) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool MainFrame::runAnalysisToText(int kind, QByteArray* output) {
  const QString result = runAnalysisToFile(kind);
  if (result.isEmpty()) return false;
  QFile file(result);
  *output = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  file.close();
  removeTempFile(result);
  return true;
}

QString MainFrame::runAnalysisToFile(int kind) {
  if (!group_->ensureFiles()) return {};
  AnalysisContext context;
  context.options = options_;
  context.programDir = programDir_;
  context.workingDirectory = group_->groupDirectory();
  context.selectionAvailable = group_->isVisible() && group_->hasSelection();
  context.files = [this](bool selectedOnly) { return group_->engineFiles(selectedOnly); };
  context.macroFile = [this] { return group_->macroFileName(); };
  AnalysisDialog dialog(kind, context, this);
  connect(&dialog, &AnalysisDialog::runStarted, this,
          [this] { statusBar()->showMessage(msg::kStatusAnalysing.str()); });
  connect(&dialog, &AnalysisDialog::runEnded, this,
          [this] { statusBar()->showMessage(msg::kStatusReady.str()); });
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.takeResultFile();
}

void MainFrame::editMacros() {
  MacroListDialog dialog(
      group_->macroFileName(),
      [this](QByteArray* out) { return runAnalysisToText(kKindCheckDefine, out); }, this);
  dialog.exec();
}

QString MainFrame::editFunctionList(const QString& path) {
  FunctionListDialog dialog(path, this);
  dialog.exec();
  return dialog.path();
}

// ----- option sheets

void MainFrame::showOptionsSheet() {
  QStringList toolbarNames;
  for (const ToolbarSpec& t : toolbarLayouts()) toolbarNames.append(QString::fromUtf8(t.title));
  OptionsSheet sheet(display_, toolbarNames, this);
  connect(&sheet, &OptionsSheet::toolbarResetRequested, this, [this](int row) {
    const auto layouts = toolbarLayouts();
    if (row < 0 || row >= int(layouts.size())) return;
    if (QToolBar* bar = toolbar(layouts[size_t(row)].viewCommand)) bar->show();
  });
  connect(&sheet, &OptionsSheet::fileTypesRequested, &sheet, [&sheet] {
    QSettings settings = openProfile();
    RegisteredListDialog dialog(kFileTypeListKind, RegisteredList::loadFileTypes(settings), &sheet);
    if (dialog.exec() == QDialog::Accepted) dialog.list().save(settings);
  });
  const int accepted = sheet.exec();
  DisplayOptions edited = accepted == QDialog::Accepted ? sheet.options() : display_;
  edited.lastPage = sheet.tabs()->currentIndex();
  setDisplayOptions(edited);
}

void MainFrame::setDisplayOptions(const DisplayOptions& options) {
  const bool changed = !(options == display_);
  display_ = options;
  QSettings settings = openProfile();
  display_.save(settings);
  if (!changed) return;
  for (DocumentWindow* d : documents()) applyDisplayOptions(d);
  group_->applyDisplayOptions(display_);
  applyToolbarStyle();
}

void MainFrame::showAnalysisOptionsSheet() {
  AnalysisOptionsSheet sheet(options_, display_.lastGroupEntry, this);
  sheet.setEditors([this] { editMacros(); },
                   [this](const QString& path) { return editFunctionList(path); });
  if (sheet.exec() == QDialog::Accepted) {
    options_ = sheet.options();
  } else {
    options_.lastPage = sheet.tabs()->currentIndex();
  }
  display_.lastGroupEntry = sheet.groupEntry();
}

// ----- editor commands

void MainFrame::goToLineDialog() {
  DocumentWindow* d = activeDocument();
  if (!d) return;
  bool ok = false;
  const int line =
      QInputDialog::getInt(this, QStringLiteral("指定行ｼﾞｬﾝﾌﾟ"), QStringLiteral("行番号 : "),
                           d->editor()->caretLine(), 0, std::numeric_limits<int>::max(), 1, &ok);
  if (ok) d->editor()->goToLine(line, QApplication::keyboardModifiers() & Qt::ShiftModifier);
}

bool MainFrame::addLineMark() {
  DocumentWindow* d = activeDocument();
  if (!d) return false;
  const int line = d->editor()->caretLine();
  const QString path = d->isUntitled() ? d->title() : d->path();
  if (!marks_.add(path, line, d->editor()->lineText(line))) {
    warn(msg::kMarksFull.str().arg(kMaxLineMarks));
    return false;
  }
  return true;
}

void MainFrame::showMarkList() {
  LineMarkDialog dialog(&marks_, this);
  connect(&dialog, &LineMarkDialog::addRequested, this, [this, &dialog] {
    if (addLineMark()) dialog.refresh();
  });
  if (dialog.exec() != QDialog::Accepted) return;
  const int index = dialog.chosenIndex();
  if (index < 0 || index >= marks_.marks().size()) return;
  const LineMark mark = marks_.marks().at(index);
  if (DocumentWindow* d = openDocument(mark.path)) d->editor()->goToLine(int(mark.line));
}

bool MainFrame::tagJump() {
  DocumentWindow* origin = activeDocument();
  if (!origin) return false;
  return jumpFrom(origin->editor()->lineText(origin->editor()->caretLine()), origin);
}

bool MainFrame::jumpToLine(const QString& line) { return jumpFrom(line, activeDocument()); }

bool MainFrame::jumpFrom(const QString& line, DocumentWindow* origin) {
  const std::optional<TagTarget> target = parseTagLine(line);
  if (!target) return false;
  QString path = target->file;
  if (!target->include && isBareFileName(path)) {
    const QStringList candidates = group_->findByFileName(path);
    if (candidates.size() == 1) {
      path = candidates.first();
    } else if (candidates.size() > 1) {
      path = chooseJumpFile(candidates, this);
      if (path.isEmpty()) return false;  // the choice was cancelled
    }
  }
  if (!QFileInfo(path).isFile()) {
    warn(msg::kJumpTargetMissing.str().arg(target->file));
    return false;
  }
  DocumentWindow* d = openDocument(path);
  if (!d) return false;
  d->editor()->goToLine(target->line);
  if (origin) jumpOrigin_ = origin;
  return true;
}

void MainFrame::tileTwo() {
  QMdiSubWindow* first = mdi_->activeSubWindow();
  if (!first) return;
  const QList<QMdiSubWindow*> list = mdi_->subWindowList(QMdiArea::StackingOrder);
  QMdiSubWindow* second = nullptr;
  for (QMdiSubWindow* w : list) {
    if (w != first) second = w;
  }
  const QRect area = mdi_->viewport()->rect();
  first->showNormal();
  if (!second) {
    first->setGeometry(area);
    return;
  }
  second->showNormal();
  // Alternates between side by side and one above the other.
  twoVertical_ = !twoVertical_;
  if (twoVertical_) {
    const int half = area.width() / 2;
    first->setGeometry(0, 0, half, area.height());
    second->setGeometry(half, 0, area.width() - half, area.height());
  } else {
    const int half = area.height() / 2;
    first->setGeometry(0, 0, area.width(), half);
    second->setGeometry(0, half, area.width(), area.height() - half);
  }
  mdi_->setActiveSubWindow(first);
}

void MainFrame::findText(bool askForText) {
  DocumentWindow* d = activeDocument();
  if (!d) return;
  if (askForText || findTextValue_.isEmpty()) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, QStringLiteral("検索"), QStringLiteral("検索する文字列(&N):"),
                              QLineEdit::Normal, findTextValue_, &ok);
    if (!ok || text.isEmpty()) return;
    findTextValue_ = text;
  }
  if (!d->editor()->find(findTextValue_)) {
    QTextCursor c = d->editor()->textCursor();
    c.movePosition(QTextCursor::Start);
    d->editor()->setTextCursor(c);
    if (!d->editor()->find(findTextValue_)) warn(msg::kNoMatch.str().arg(findTextValue_));
  }
}

void MainFrame::replaceText() {
  DocumentWindow* d = activeDocument();
  if (!d) return;
  bool ok = false;
  const QString from =
      QInputDialog::getText(this, QStringLiteral("置換"), QStringLiteral("検索する文字列(&N):"),
                            QLineEdit::Normal, findTextValue_, &ok);
  if (!ok || from.isEmpty()) return;
  const QString to =
      QInputDialog::getText(this, QStringLiteral("置換"), QStringLiteral("置換後の文字列(&P):"),
                            QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  findTextValue_ = from;
  EditorView* e = d->editor();
  QTextCursor undoGroup = e->textCursor();
  undoGroup.beginEditBlock();
  e->moveCursor(QTextCursor::Start);
  int count = 0;
  while (e->find(from)) {
    e->textCursor().insertText(to);
    ++count;
  }
  undoGroup.endEditBlock();
  if (count == 0) warn(msg::kNoMatch.str().arg(from));
}

void MainFrame::print(int id) {
  static QPrinter printer;  // one printer set-up for the program run
  DocumentWindow* d = activeDocument();
  if (id == kCmdFilePrintSetup) {
    QPageSetupDialog(&printer, this).exec();
    return;
  }
  if (!d) return;
  if (id == kCmdFilePrintPreview) {
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, d->editor(),
            [d](QPrinter* p) { d->editor()->print(p); });
    preview.exec();
    return;
  }
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) d->editor()->print(&printer);
}

void MainFrame::showAbout() {
  AboutDialog dialog(queryEngineVersion(programDir_), this);
  dialog.exec();
}

// ----- questions and messages

int MainFrame::ask(const QString& text, int buttons) {
  if (asker_) return asker_(text, buttons);
  return QMessageBox::question(this, QStringLiteral("VeldraC"), text,
                               QMessageBox::StandardButtons(buttons));
}

void MainFrame::warn(const QString& text) {
  if (asker_) {
    asker_(text, QMessageBox::Ok);
    return;
  }
  QMessageBox::warning(this, QStringLiteral("VeldraC"), text);
}

// ----- start, hand-over and close

void MainFrame::restoreFromProfile(const QString& pendingGroup) {
  QSettings settings = openProfile();
  if (const auto placement = WindowPlacement::load(settings, QStringLiteral("MainFrame"))) {
    const auto& pos = placement->values;
    if (pos[8] > pos[6] && pos[9] > pos[7]) {
      setGeometry(
          QRect(QPoint(int(pos[6]), int(pos[7])), QPoint(int(pos[8]) - 1, int(pos[9]) - 1)));
    }
    if (pos[1] == kShowMaximised || (pos[0] & kRestoreToMaximised))
      setWindowState(Qt::WindowMaximized);
  }
  restoreState(settings.value(QStringLiteral("TBState/State")).toByteArray());
  QString group = pendingGroup;
  const bool reopen = display_.reopenGroup;
  if (group.isEmpty() && reopen) {
    group = settings.value(QStringLiteral("Group/LastEdit")).toString();
    if (group == QLatin1String(" ")) group.clear();
  }
  if (!group.isEmpty() && QFileInfo::exists(group)) group_->open(group);
  group_->setVisible(readNumber(settings, QStringLiteral("Group"), QStringLiteral("View"), 1) != 0);
  tools_->restore(settings);
  action(kCmdViewGroup)->setChecked(group_->isVisible());
}

void MainFrame::handOver(const QString& name, const QString& directory) {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  const QString path = handedOverPath(name, directory);
  if (path.isEmpty()) return;
  if (path.endsWith(QStringLiteral(".vgp"), Qt::CaseInsensitive)) {
    if (group_->open(path)) group_->showBar();
    return;
  }
  openDocument(path, true);  // a failed open is silent
}

void MainFrame::saveToProfile() {
  QSettings settings = openProfile();
  settings.setValue(QStringLiteral("TBState/State"), saveState());
  settings.setValue(QStringLiteral("Group/View"), group_->isVisible() ? 1 : 0);
  settings.setValue(QStringLiteral("Group/LastEdit"),
                    group_->groupPath().isEmpty() ? QStringLiteral(" ") : group_->groupPath());
  const QRect r = normalGeometry();
  const bool maximised = isMaximized();
  WindowPlacement placement;
  placement.values = {maximised ? kRestoreToMaximised : 0,
                      maximised ? kShowMaximised : kShowNormal,
                      -1,
                      -1,
                      -1,
                      -1,
                      r.left(),
                      r.top(),
                      r.right() + 1,
                      r.bottom() + 1};
  placement.save(settings, QStringLiteral("MainFrame"));
  settings.setValue(kRecentSection + QStringLiteral("/Files"), recentFiles_);
  options_.saveIfChanged(settings, loadedOptions_);
  display_.save(settings);
  currentCustomColours().save(settings);
  tools_->save(settings);
  marks_.save(settings);
  group_->saveRecent(settings);
}

void MainFrame::closeEvent(QCloseEvent* event) {
  if (tools_->isBuilding() &&
      ask(msg::kBuildRunning.str(), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    event->ignore();
    return;
  }
  if (!group_->maybeSave()) {
    event->ignore();
    return;
  }
  mdi_->closeAllSubWindows();
  if (!mdi_->subWindowList().isEmpty()) {
    event->ignore();  // a document's save question was cancelled
    return;
  }
  saveToProfile();
  event->accept();
}

}  // namespace veldra
